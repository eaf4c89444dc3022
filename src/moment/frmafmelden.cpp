#include "moment/frmafmelden.h"

#include "common/openextern.h"
#include "common/paden.h"
#include "common/schrijfmelding.h"
#include "common/tekst.h"
#include "common/vensterfocus.h"
#include "common/vensteropscherm.h"
#include "common/vinkstaat.h"
#include "header/kopbestand.h"
#include "members/partnerbestand.h"
#include "moment/afmeldhelpvenster.h"
#include "moment/afmeldscript.h"
#include "moment/eindtijd.h"
#include "moment/frmvoorbeeld.h"
#include "moment/partnerhulptekst.h"
#include "moment/sitevoorbeeld.h"
#include "moment/verlaten.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QStyle>

namespace {

// The text widgets use bare line feeds; the logic works with CR LF.
QString NaarCrLf(const QString& tekst) { return QString(tekst).replace(u'\n', Tekst::CrLf); }

} // namespace

FrmAfmelden::FrmAfmelden(Werkruimte& werkruimte, KopInstellingen& kop, BewaardeMoment& bewaard, StartKeuze start,
                         Meldingen& meldingen, Seizoenkalender::Vandaag vandaag, QWidget* parent)
    : QDialog(parent), m_werkruimte(werkruimte), m_kop(kop), m_bewaard(bewaard), m_start(std::move(start)),
      m_meldingen(meldingen), m_kalender(m_start.cmbSpeeldag, std::move(vandaag)),
      m_ledenInLezing(m_werkruimte.BestandSpelers), m_programmaMap(QCoreApplication::applicationDirPath())
{
    setObjectName(QStringLiteral("frmAfmelden"));
    setModal(true);
    BouwVenster();
    Verbind();
}

FrmAfmelden::~FrmAfmelden() = default;

void FrmAfmelden::Verbind()
{
    // Every control is followed through its change of state or text, not through clicks, so
    // that a change by keyboard, paste or an assistive tool counts as well.
    connect(m_cmbVan, &QComboBox::currentIndexChanged, this, [this](int i) {
        m_kalender.cmbVan_Click(i);
        ToonKalender();
    });
    connect(m_cmbTot, &QComboBox::currentIndexChanged, this, [this](int i) {
        m_kalender.cmbTot_Click(i);
        ToonKalender();
    });
    connect(m_cmdMaakDatums, &QPushButton::clicked, this, [this] { m_kalender.cmdMaakDatums_Click(); ToonKalender(); });
    connect(m_cmdSelect, &QPushButton::clicked, this, [this] { m_kalender.cmdSelect_Click(); ToonKalender(); });
    connect(m_cmdDeselect, &QPushButton::clicked, this, [this] { m_kalender.cmdDeselect_Click(); ToonKalender(); });
    connect(m_chkWijzData, &QCheckBox::toggled, this, [this](bool aan) {
        m_kalender.chkWijzData_Click(aan, m_meldingen);
        ToonKalender();
    });
    connect(m_lstDagen, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        m_kalender.ZetVinkje(m_lstDagen->row(item), item->checkState() == Qt::Checked);
    });
    connect(m_lstDagen, &QListWidget::currentRowChanged, this, [this](int rij) { m_kalender.ZetHuidigeRij(rij); });

    connect(m_lstActEmails, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const int rij = m_lstActEmails->row(item);
        if (rij >= 0 && rij < m_venster.adressen.lstActEmails.size())
            m_venster.adressen.lstActEmails[rij].aangevinkt = item->checkState() == Qt::Checked;
    });

    // The group controls are filled only once the member file is read (m_groepen).
    connect(m_lst1, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (!m_groepen)
            return;
        m_groepen->ZetGroep(m_lst1->row(item), item->checkState() == Qt::Checked);
        ToonGroepen();
    });
    connect(m_lst1, &QListWidget::currentRowChanged, this, [this](int rij) {
        if (m_groepen)
            m_groepen->Frame().lst1.huidigeRij = rij;
    });
    connect(m_chkPartnerOok, &QCheckBox::stateChanged, this, [this](int staat) {
        VolgGroepen([staat](GroepFrame& f) { f.chkPartnerOok.waarde = VinkStaat::Waarde(Qt::CheckState(staat)); },
                    &Groepvakken::chkPartnerOok_Click);
    });
    connect(m_chkToonPartner, &QCheckBox::stateChanged, this, [this](int staat) {
        VolgGroepen([staat](GroepFrame& f) { f.chkToonPartner.waarde = VinkStaat::Waarde(Qt::CheckState(staat)); },
                    &Groepvakken::chkToonPartner_Click);
    });
    connect(m_cmbPartner, &QComboBox::currentIndexChanged, this, [this](int i) {
        VolgGroepen([i](GroepFrame& f) { f.cmbPartner.geselecteerd = i; }, &Groepvakken::cmbPartner_Click);
    });
    for (int i = 0; i < 4; ++i) {
        connect(m_txtB2[i], &QLineEdit::textChanged, this, [this, i](const QString& tekst) {
            if (m_groepen)
                m_groepen->Frame().txtB2[i].tekst = tekst;
        });
        m_txtB2[i]->installEventFilter(this);
    }
    m_txtEindtijd->installEventFilter(this);
    m_txtEmailadressen->installEventFilter(this);
}

void FrmAfmelden::VolgGroepen(const std::function<void(GroepFrame&)>& zet, void (Groepvakken::*handler)())
{
    if (!m_groepen)
        return;
    zet(m_groepen->Frame());
    (m_groepen.get()->*handler)();
    ToonGroepen();
}

void FrmAfmelden::Form_Load()
{
    const QString speeldag = m_start.cmbSpeeldag;
    resize(1024 - 20, 597); // 300 twips narrower than the start window, 8950 twips high
    setWindowTitle(QStringLiteral("Alle ingevoerde gegevens gelden voor Speeldag: ") + speeldag);
    m_Afgebroken = 0;
    m_lblSpeeldag->setText(QStringLiteral("Speeldag: ") + speeldag);

    m_bewaard.Startdatum = QDate(); // the months start today unless the file names a first month
    LeesInstellingen(m_werkruimte.PadMomentIni, m_venster, m_bewaard, m_kop.kopvakho, m_meldingen);
    ToonMomentWaarden();

    // The calendar: months from the stored first month, the dates, the stored ticks.
    const QString mapKop = Paden::Samen(m_werkruimte.MapProgramma, speeldag);
    LeesKop(mapKop, StandaardNaamKop, m_kop);
    m_kalender.Open(m_bewaard.Startdatum, m_bewaard.BewaardeDagen);
    ToonKalender();

    m_groepen = std::make_unique<Groepvakken>(
        m_werkruimte.MapTwk,
        BewaardeGroepkeuze{m_bewaard.BewaardeLedenBest, m_bewaard.BewaardPartnerbest, m_bewaard.BewaardToonPartner},
        m_meldingen);
    GroepFrame& frame = m_groepen->Frame();
    frame.chkPartnerOok.waarde = m_venster.chkPartnerOok;
    for (int i = 0; i < 4; ++i)
        frame.txtB2[i].tekst = m_venster.txtB2[i];
    m_groepen->LeesGroepen(m_werkruimte.BestandSpelers, m_ledenInLezing.Neem());
    ToonGroepen();
    m_groepen->HerstelLedengroepen();
    ToonGroepen();

    m_cmbAfbreken->setText(QStringLiteral("Afbreken") + Tekst::CrLf + QStringLiteral("(niet opslaan)"));
    m_Frame10->setVisible(true);
}

bool FrmAfmelden::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* toets = static_cast<QKeyEvent*>(event);
        const QString tekst = toets->text();
        // Shortcuts such as Ctrl+A and Ctrl+V are no typed characters.
        const bool teken = tekst.size() == 1 && (tekst.at(0) >= u' ' || tekst.at(0) == u'\b') &&
                           tekst.at(0) != u'\x7f' &&
                           !(toets->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (teken && object == m_txtEindtijd)
            return !Eindtijd::ToetsToegestaan(tekst.at(0));
        if (teken && object->objectName() == QLatin1String("txtB2"))
            return txtB2_KeyPress(tekst.at(0).unicode()) == 0;
    } else if (event->type() == QEvent::FocusIn && object == m_txtEindtijd) {
        m_eindtijdGehad = true;
    } else if (event->type() == QEvent::FocusOut && VerlaatNaarControl(object, *static_cast<QFocusEvent*>(event))) {
        // Going to OK, the end time is checked by the leave sequence, once.
        if (object == m_txtEindtijd && QApplication::focusWidget() != m_cmdEinde)
            txtEindtijd_LostFocus();
        else if (object == m_txtEmailadressen)
            txtEmailadressen_LostFocus();
        else if (object->objectName() == QLatin1String("txtB2"))
            txtB2_LostFocus(object->property("index").toInt());
    }
    return QDialog::eventFilter(object, event);
}

bool FrmAfmelden::VerlaatNaarControl(const QObject* vak, const QFocusEvent& gebeurtenis) const
{
    // No check inside a check or once the window is closed; "Afbreken" is always allowed.
    return !m_bezigMetControle && !m_gesloten &&
           VensterFocus::VerlaatNaarControl(*this, vak, gebeurtenis, m_cmbAfbreken);
}

// Each check holds m_bezigMetControle until it has put the focus back, so the box that
// loses the focus then is not checked in turn.
void FrmAfmelden::txtEmailadressen_LostFocus()
{
    const QScopedValueRollback bezig(m_bezigMetControle, true);
    if (VerlaatAdresvak(m_venster.adressen, NaarCrLf(m_txtEmailadressen->toPlainText()), m_meldingen))
        ToonAdressen();
}

void FrmAfmelden::txtEindtijd_LostFocus()
{
    const Uitkomst<> eindtijd = Eindtijd::Controleer(m_txtEindtijd->text());
    if (eindtijd)
        return;
    const QScopedValueRollback bezig(m_bezigMetControle, true);
    m_meldingen.Toon(eindtijd.melding(), Meldingen::Pictogram::Uitroep);
    m_txtEindtijd->setFocus();
}

void FrmAfmelden::txtB2_LostFocus(int i)
{
    const QScopedValueRollback bezig(m_bezigMetControle, true);
    m_groepen->txtB2_LostFocus(i);
    ToonGroepen();
}

void FrmAfmelden::cmdOverzicht_Click()
{
    OpenExtern::OpenHandleiding(m_programmaMap, m_meldingen, this);
}

void FrmAfmelden::cmdVoorbeeld_Click()
{
    FrmVoorbeeld venster(MaakSiteVoorbeeld(VerzamelAfmeldGegevens(), m_groepen->Frame()), m_kop,
                         Paden::Samen(m_werkruimte.MapProgramma, m_start.cmbSpeeldag), this, &m_meldingen);
    venster.exec();
}

void FrmAfmelden::cmdHelp_Click()
{
    FrmHelp2 help(this);
    help.exec();
}

void FrmAfmelden::cmdHelpPartner_Click()
{
    FrmHelpPartner help(PartnerHulpTekst(), this);
    help.exec();
}

void FrmAfmelden::cmbAfbreken_Click()
{
    m_Afgebroken = 1;
    close();
}

void FrmAfmelden::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Wrapped captions in a larger system font need more height than 8950 twips, so the
    // window grows to what its polished contents need. Measured as if the scroll bar took
    // its room, or it would show after all.
    const QMargins rand = layout()->contentsMargins();
    const int rest = layout()->totalSizeHint().height() - m_schuif->sizeHint().height();
    const int breed = width() - rand.left() - rand.right() - style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (const int nodig = rest + m_schuif->widget()->heightForWidth(breed); nodig > height())
        resize(width(), nodig);
    // Only a window that exists knows its title bar and border; a small screen keeps it
    // smaller, and its contents scroll.
    HoudOpScherm(*this);
}

void FrmAfmelden::closeEvent(QCloseEvent* event)
{
    if (m_gesloten || Form_Unload()) {
        m_gesloten = true;
        event->accept();
        QDialog::done(QDialog::Accepted);
    } else {
        event->ignore();
    }
}

bool FrmAfmelden::Form_Unload()
{
    const QScopedValueRollback bezig(m_bezigMetControle, true);
    const Vertrek vertrek = Verlaat(
        m_Afgebroken == 1,
        {.eindtijdFout = [this] { return Eindtijd::ControleerBijVertrek(m_txtEindtijd->text(), m_eindtijdGehad); },
         .vakkenGoed =
             [this] {
                 m_groepen->ControleerVakken();
                 ToonGroepen();
                 return m_groepen->VakFout() != 1;
             },
         .staat =
             [this] {
                 const GroepFrame& frame = m_groepen->Frame();
                 return VertrekStaat{
                     .datumGekozen = !m_kalender.AangevinkteDatums().isEmpty(),
                     .adresGekozen = std::any_of(m_venster.adressen.lstActEmails.cbegin(),
                                                 m_venster.adressen.lstActEmails.cend(),
                                                 [](const Vinkregel& r) { return r.aangevinkt; }),
                     .partnerbestandOntbreekt = frame.chkToonPartner.waarde == 1 && frame.cmbPartner.geselecteerd < 0};
             },
         .schrijfScript =
             [this] {
                 return MaakAfmeldScript(m_werkruimte.PadScript, VerzamelAfmeldGegevens(), m_groepen->Frame(), m_kop,
                                         m_meldingen);
             },
         .scriptGeschreven =
             [this] {
                 if (m_start.Scipts_naar_lstHulp)
                     m_start.Scipts_naar_lstHulp();
             },
         .bewaar =
             [this] {
                 return MeldAlsNietOpgeslagen(BewaarInstellingen(m_werkruimte.PadMomentIni, VerzamelMomentWaarden()),
                                              m_werkruimte.PadMomentIni, m_meldingen);
             }},
        m_meldingen);
    if (vertrek == Vertrek::EindtijdFout)
        m_txtEindtijd->setFocus();
    return vertrek == Vertrek::Afgebroken || vertrek == Vertrek::BewaardSluiten;
}

AfmeldGegevens FrmAfmelden::VerzamelAfmeldGegevens() const
{
    AfmeldGegevens gegevens;
    gegevens.clubnaam = m_start.txtClubnaam;
    gegevens.speeldag = m_start.cmbSpeeldag;
    gegevens.chkToonInvallers = m_start.chkToonInvallers;
    gegevens.chk1 = VinkStaat::Waarde(m_chk1->checkState());
    gegevens.chk2 = VinkStaat::Waarde(m_chk2->checkState());
    gegevens.txtContactPers = m_txtContactPers->text();
    gegevens.txtEindtijd = m_txtEindtijd->text();
    gegevens.adressen = m_venster.adressen.lstActEmails;
    gegevens.dagen = m_kalender.Staat().lstDagen;
    for (int i = 0; i < 4; ++i)
        gegevens.txtB1[i] = m_txtB1[i]->text();
    gegevens.MapTwk = m_werkruimte.MapTwk;
    return gegevens;
}

MomentVenster FrmAfmelden::VerzamelMomentWaarden() const
{
    MomentVenster v;
    const KalenderStaat& kalender = m_kalender.Staat();
    v.cmbVanSleutel = m_kalender.VanSleutel();
    v.cmbTotIndex = kalender.cmbTot.index;
    v.chk1 = qint16(VinkStaat::Waarde(m_chk1->checkState()));
    v.chk2 = qint16(VinkStaat::Waarde(m_chk2->checkState()));
    const GroepFrame& frame = m_groepen->Frame();
    v.chkPartnerOok = qint16(frame.chkPartnerOok.waarde);
    v.txtContactPers = m_txtContactPers->text();
    for (int i = 0; i < 4; ++i)
        v.txtB2[i] = frame.txtB2[i].tekst;
    v.txtEindtijd = m_txtEindtijd->text();
    v.adressen = m_venster.adressen;
    v.adressen.txtEmailadressen = NaarCrLf(m_txtEmailadressen->toPlainText());
    v.lstDagen = kalender.lstDagen;
    for (const GroepRij& rij : frame.lst1.rijen) {
        if (rij.aangevinkt)
            v.lst1Gekozen.append(rij.tekst);
    }
    v.cmbPartner = frame.cmbPartner.Tekst();
    v.chkToonPartner = qint16(frame.chkToonPartner.waarde);
    return v;
}
