#include "upload/diaupload.h"

#include "common/paden.h"
#include "common/tekst.h"
#include "script/sitebestanden.h"
#include "upload/afmeldingenvenster.h"
#include "upload/bekendeservers.h"
#include "upload/overdrachtmeldingen.h"
#include "upload/uploadbestanden.h"
#include "upload/uploadbesturing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QVBoxLayout>

using Afloop = OverdrachtResultaat::Afloop;
using UploadBesturing::Vervolg;

namespace {

// Far above a season of sign-offs (a few hundred bytes each); the server cannot make the
// program read more.
constexpr qsizetype GrootsteAfmelddata = 16 * 1024 * 1024;

template <typename T>
T* Benoemd(T* control, const char* naam)
{
    control->setObjectName(QLatin1String(naam));
    return control;
}

} // namespace

DiaUpload::DiaUpload(const QString& MapProgramma, const QString& speeldag, const QString& naamScript,
                     Meldingen& meldingen, WachtwoordOpslag& opslag, QWidget* parent)
    : QDialog(parent), m_mapProgramma(MapProgramma), m_speeldag(speeldag), m_naamScript(naamScript),
      m_meldingen(meldingen), m_opslag(opslag)
{
    setObjectName(QStringLiteral("diaUpload"));
    setWindowTitle(QStringLiteral("Uploaden naar de afmeldsite"));
    UploadBesturing::GeenKerndump();
    BouwVenster();

    Upload::LeesUploadIni(Paden::Samen(m_mapProgramma, Upload::NaamUploadIni), m_instellingen);
    m_cmbProtocol->setCurrentIndex(int(m_instellingen.protocol));
    m_vorigProtocol = m_instellingen.protocol;
    m_txtServer->setText(m_instellingen.Server);
    m_txtPoort->setValue(m_instellingen.Poort);
    m_txtGebruiker->setText(m_instellingen.Gebruiker);
    m_txtMap->setText(Upload::MapVoor(m_instellingen, m_speeldag));
    m_chkOnthouden->setChecked(m_instellingen.Onthouden);
    if (m_instellingen.Onthouden)
        m_txtWachtwoord->setText(m_opslag
                                     .Lees(WachtwoordSleutel(m_instellingen.protocol, m_instellingen.Gebruiker,
                                                             m_instellingen.Server, m_instellingen.Poort))
                                     .value_or(QString()));
    connect(m_cmbProtocol, &QComboBox::currentIndexChanged, this, &DiaUpload::ProtocolGekozen);
    ZetBezig(false);
}

DiaUpload::~DiaUpload()
{
    if (m_werker) {
        m_annuleren = true;
        m_werker->wait();
    }
}

void DiaUpload::BouwVenster()
{
    m_cmbProtocol = Benoemd(new QComboBox, "cmbProtocol");
    for (const Protocol protocol : Protocollen::Alle)
        m_cmbProtocol->addItem(Protocollen::Naam(protocol));
    m_txtServer = Benoemd(new QLineEdit, "txtServer");
    m_txtPoort = Benoemd(new QSpinBox, "txtPoort");
    m_txtPoort->setRange(1, 65535);
    m_txtGebruiker = Benoemd(new QLineEdit, "txtGebruiker");
    m_txtWachtwoord = Benoemd(new QLineEdit, "txtWachtwoord");
    m_txtWachtwoord->setEchoMode(QLineEdit::Password);
    m_chkOnthouden = Benoemd(new QCheckBox(QStringLiteral("Wachtwoord onthouden")), "chkOnthouden");
    m_txtMap = Benoemd(new QLineEdit, "txtMap");
    auto* velden = new QFormLayout;
    velden->addRow(QStringLiteral("Protocol:"), m_cmbProtocol);
    velden->addRow(QStringLiteral("Server:"), m_txtServer);
    velden->addRow(QStringLiteral("Poort:"), m_txtPoort);
    velden->addRow(QStringLiteral("Gebruikersnaam:"), m_txtGebruiker);
    velden->addRow(QStringLiteral("Wachtwoord:"), m_txtWachtwoord);
    velden->addRow(QString(), m_chkOnthouden);
    velden->addRow(QStringLiteral("Map op de server:"), m_txtMap);

    m_cmdTest = Benoemd(new QPushButton(QStringLiteral("Test verbinding")), "cmdTest");
    m_cmdUploaden = Benoemd(new QPushButton(QStringLiteral("Uploaden")), "cmdUploaden");
    m_cmdOphalen = Benoemd(new QPushButton(QStringLiteral("Afmeldingen ophalen")), "cmdOphalen");
    m_cmdAnnuleren = Benoemd(new QPushButton(QStringLiteral("Annuleren")), "cmdAnnuleren");
    m_cmdSluiten = Benoemd(new QPushButton(QStringLiteral("Sluiten")), "cmdSluiten");
    for (QPushButton* knop : {m_cmdTest, m_cmdUploaden, m_cmdOphalen, m_cmdAnnuleren, m_cmdSluiten})
        knop->setAutoDefault(false);
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(m_cmdTest);
    knoppen->addWidget(m_cmdUploaden);
    knoppen->addWidget(m_cmdOphalen);
    knoppen->addWidget(m_cmdAnnuleren);
    knoppen->addStretch(1);
    knoppen->addWidget(m_cmdSluiten);

    m_voortgang = Benoemd(new QProgressBar, "voortgang");
    m_voortgang->setRange(0, 1000);
    m_voortgang->setValue(0);
    m_lstResultaat = Benoemd(new QListWidget, "lstResultaat");
    m_lstResultaat->setAccessibleName(QStringLiteral("Resultaat"));

    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(velden);
    hoofd->addLayout(knoppen);
    hoofd->addWidget(m_voortgang);
    hoofd->addWidget(m_lstResultaat, 1);
    resize(620, 420);

    connect(m_cmdTest, &QPushButton::clicked, this, [this] { Start(Actie::Test); });
    connect(m_cmdUploaden, &QPushButton::clicked, this, [this] { Start(Actie::Uploaden); });
    connect(m_cmdOphalen, &QPushButton::clicked, this, [this] { Start(Actie::Ophalen); });
    connect(m_cmdAnnuleren, &QPushButton::clicked, this, [this] { m_annuleren = true; });
    connect(m_cmdSluiten, &QPushButton::clicked, this, &DiaUpload::reject);
}

void DiaUpload::reject()
{
    // The transfer runs on; it is stopped with Annuleren, which leaves the server tidy.
    if (!m_werker)
        QDialog::reject();
}

void DiaUpload::ProtocolGekozen(int)
{
    const Protocol protocol = HuidigProtocol();
    if (m_txtPoort->value() == Protocollen::StandaardPoort(m_vorigProtocol))
        m_txtPoort->setValue(Protocollen::StandaardPoort(protocol));
    m_vorigProtocol = protocol;
}

Protocol DiaUpload::HuidigProtocol() const { return Protocollen::Alle.at(size_t(qMax(0, m_cmbProtocol->currentIndex()))); }

Verbinding DiaUpload::HuidigeVerbinding() const
{
    const auto schoon = [](const QLineEdit* vak) { return Tekst::Trim(Tekst::ZonderStuurtekens(vak->text())); };
    return {HuidigProtocol(), schoon(m_txtServer), m_txtPoort->value(), schoon(m_txtGebruiker),
            m_txtWachtwoord->text(), schoon(m_txtMap), BekendeServers::StandaardPad(), QString()};
}

void DiaUpload::Start(Actie actie)
{
    const Verbinding v = HuidigeVerbinding();
    if (const auto velden = Overdracht::ControleerVelden(v); !velden) {
        m_meldingen.Toon(velden.melding().tekst, Meldingen::Pictogram::Uitroep);
        QWidget* const vakken[] = {m_txtServer, m_txtGebruiker, m_txtWachtwoord, m_txtMap};
        vakken[static_cast<int>(velden.melding().veld)]->setFocus();
        return;
    }
    if (!UploadBesturing::FtpToegestaan(v.protocol, m_meldingen))
        return;
    bool onthouden = m_chkOnthouden->isChecked();
    const bool bewaard = UploadBesturing::Bewaar(Paden::Samen(m_mapProgramma, Upload::NaamUploadIni), m_instellingen,
                                                 m_speeldag, v, onthouden, m_opslag, m_meldingen, m_kluisGemeld);
    m_chkOnthouden->setChecked(onthouden);
    if (!bewaard)
        return;
    QList<TeVersturen> bestanden;
    if (actie == Actie::Uploaden) {
        const Uitkomst<QList<TeVersturen>> voorUpload = BestandenVoorUpload(Paden::Samen(m_mapProgramma, m_speeldag), m_naamScript);
        if (!voorUpload) {
            m_meldingen.Toon(voorUpload.melding(), Meldingen::Pictogram::Uitroep);
            return;
        }
        bestanden = voorUpload.waarde();
    }

    m_lstResultaat->clear();
    m_voortgang->setValue(0);
    m_annuleren = false;
    auto resultaat = std::make_shared<OverdrachtResultaat>();
    m_werker = QThread::create([this, v, actie, lijst = bestanden, resultaat] {
        const auto voortgang = [this](qint64 gedaan, qint64 totaal) {
            QMetaObject::invokeMethod(
                this, [this, gedaan, totaal] {
                    m_voortgang->setValue(totaal > 0 ? int(gedaan * 1000 / totaal) : 0);
                },
                Qt::QueuedConnection);
        };
        switch (actie) {
        case Actie::Test:
            *resultaat = Overdracht::TestVerbinding(v, m_annuleren);
            break;
        case Actie::Uploaden:
            *resultaat = Overdracht::Verstuur(v, lijst, voortgang, m_annuleren);
            break;
        case Actie::Ophalen:
            *resultaat = Overdracht::Haal(v, SiteBestanden::Afmelddata, GrootsteAfmelddata, m_annuleren);
            break;
        }
    });
    connect(m_werker, &QThread::finished, this, [this, actie, resultaat] {
        m_werker->deleteLater();
        m_werker = nullptr;
        ZetBezig(false);
        Klaar(actie, *resultaat);
    });
    ZetBezig(true);
    m_werker->start();
}

void DiaUpload::Klaar(Actie actie, const OverdrachtResultaat& resultaat)
{
    const Verbinding v = HuidigeVerbinding();
    if (resultaat.afloop == Afloop::Gelukt && actie == Actie::Test) {
        m_meldingen.Toon(QStringLiteral("De verbinding is in orde: de map '%1' is gevonden.").arg(v.Map),
                         Meldingen::Pictogram::Informatie);
    } else if (resultaat.afloop == Afloop::Gelukt && actie == Actie::Ophalen) {
        m_voortgang->setValue(m_voortgang->maximum());
        if (!resultaat.opgehaald) {
            m_meldingen.Toon(QStringLiteral("Er zijn nog geen afmeldingen ontvangen: de afmeldsite maakt het bestand "
                                            "'%1' in de map '%2' bij de eerste afmelding.")
                                 .arg(SiteBestanden::Afmelddata, v.Map),
                             Meldingen::Pictogram::Informatie);
        } else {
            auto* venster = new AfmeldingenVenster(m_speeldag, AfmeldData::Lees(*resultaat.opgehaald), m_meldingen, this);
            venster->setAttribute(Qt::WA_DeleteOnClose);
            venster->open();
        }
    } else if (resultaat.afloop == Afloop::Gelukt) {
        for (const GecontroleerdBestand& bestand : resultaat.bestanden)
            m_lstResultaat->addItem(OverdrachtMeldingen::ResultaatRegel(bestand));
        m_voortgang->setValue(m_voortgang->maximum());
    }
    if (UploadBesturing::Afhandelen(resultaat, v, m_meldingen) == Vervolg::Opnieuw)
        Start(actie);
}

void DiaUpload::ZetBezig(bool bezig)
{
    for (QWidget* control : std::initializer_list<QWidget*>{m_cmbProtocol, m_txtServer, m_txtPoort, m_txtGebruiker,
                                                            m_txtWachtwoord, m_chkOnthouden, m_txtMap, m_cmdTest,
                                                            m_cmdUploaden, m_cmdOphalen, m_cmdSluiten})
        control->setEnabled(!bezig);
    m_cmdAnnuleren->setEnabled(bezig);
}
