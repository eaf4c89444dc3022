#include "moment/frmafmelden.h"

#include "app/helpvensters.h"
#include "app/openextern.h"
#include "calendar/kalendertekst.h"
#include "common/paden.h"
#include "common/schrijfmelding.h"
#include "common/tekst.h"
#include "common/vinkstaat.h"
#include "header/kopbestand.h"
#include "members/partnerbestand.h"
#include "moment/adrescontrole.h"
#include "moment/afmeldscript.h"
#include "moment/eindtijd.h"
#include "moment/frmvoorbeeld.h"
#include "moment/regelmodel.h"
#include "moment/verlaten.h"
#include "moment/sitevoorbeeld.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

// The text widgets use bare line feeds; the logic works with CR LF.
QString NaarCrLf(const QString& tekst) { return QString(tekst).replace(u'\n', Tekst::CrLf); }
QString NaarLf(const QString& tekst) { return QString(tekst).replace(Tekst::CrLf, QStringLiteral("\n")); }

void VulVinklijst(QListWidget* lijst, const QList<Vinkregel>& rijen, int huidig)
{
    const QSignalBlocker blokkeer(lijst);
    if (lijst->count() != rijen.size()) {
        lijst->clear();
        for (qsizetype i = 0; i < rijen.size(); ++i) {
            auto* item = new QListWidgetItem(lijst);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        }
    }
    for (qsizetype i = 0; i < rijen.size(); ++i) {
        QListWidgetItem* item = lijst->item(int(i));
        item->setText(rijen[i].tekst);
        item->setCheckState(rijen[i].aangevinkt ? Qt::Checked : Qt::Unchecked);
    }
    lijst->setCurrentRow(huidig);
}

void VulKeuzelijst(QComboBox* keuze, const QStringList& regels, int index)
{
    const QSignalBlocker blokkeer(keuze);
    QStringList bestaand;
    for (int i = 0; i < keuze->count(); ++i)
        bestaand.append(keuze->itemText(i));
    if (bestaand != regels) {
        keuze->clear();
        keuze->addItems(regels);
    }
    keuze->setCurrentIndex(index);
}

} // namespace

FrmAfmelden::FrmAfmelden(Werkruimte& werkruimte, KopInstellingen& kop, BewaardeMoment& bewaard, StartKeuze start,
                         Meldingen& meldingen, Seizoenkalender::Vandaag vandaag, QWidget* parent)
    : QDialog(parent), m_werkruimte(werkruimte), m_kop(kop), m_bewaard(bewaard), m_start(std::move(start)),
      m_meldingen(meldingen), m_kalender(m_start.cmbSpeeldag, std::move(vandaag)),
      m_programmaMap(QCoreApplication::applicationDirPath())
{
    setObjectName(QStringLiteral("frmAfmelden"));
    setModal(true);
    BouwVenster();
    Verbind();
}

FrmAfmelden::~FrmAfmelden() = default;

void FrmAfmelden::Verbind()
{
    connect(m_cmbVan, &QComboBox::activated, this, [this](int i) { m_kalender.cmbVan_Click(i); ToonKalender(); });
    connect(m_cmbTot, &QComboBox::activated, this, [this](int i) { m_kalender.cmbTot_Click(i); ToonKalender(); });
    connect(m_cmdMaakDatums, &QPushButton::clicked, this, [this] { m_kalender.cmdMaakDatums_Click(); ToonKalender(); });
    connect(m_cmdSelect, &QPushButton::clicked, this, [this] { m_kalender.cmdSelect_Click(); ToonKalender(); });
    connect(m_cmdDeselect, &QPushButton::clicked, this, [this] { m_kalender.cmdDeselect_Click(); ToonKalender(); });
    connect(m_chkWijzData, &QCheckBox::clicked, this, [this](bool aan) {
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

    connect(m_lst1, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        m_groepen->ZetGroep(m_lst1->row(item), item->checkState() == Qt::Checked);
        ToonGroepen();
    });
    connect(m_chkToonPartner, &QCheckBox::clicked, this, &FrmAfmelden::chkToonPartner_Click);
    connect(m_cmbPartner, &QComboBox::activated, this, [this](int i) {
        m_groepen->Frame().cmbPartner.geselecteerd = i;
        m_groepen->cmbPartner_Click();
        ToonGroepen();
    });
    for (int i = 0; i < 4; ++i) {
        connect(m_txtB2[i], &QLineEdit::textEdited, this, [this, i](const QString& tekst) {
            m_groepen->Frame().txtB2[i].tekst = tekst;
        });
        m_txtB2[i]->installEventFilter(this);
    }
    m_txtEindtijd->installEventFilter(this);
    m_txtEmailadressen->installEventFilter(this);
}

void FrmAfmelden::Form_Load()
{
    const QString speeldag = m_start.cmbSpeeldag;
    resize(1024 - 20, 597); // 300 twips narrower than the start window, 8950 twips high
    // Wrapped captions in a larger system font need more height than that; the layout then
    // squeezes the group boxes flat, so the window grows to what its contents need.
    if (const int nodig = layout()->totalHeightForWidth(width()); nodig > height())
        resize(width(), nodig);
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
    m_groepen->LeesGroepen(m_werkruimte.BestandSpelers);
    ToonGroepen();
    m_groepen->HerstelLedengroepen();
    ToonGroepen();

    m_cmbAfbreken->setText(QStringLiteral("Afbreken") + Tekst::CrLf + QStringLiteral("(niet opslaan)"));
    m_Frame10->setVisible(true);
}

void FrmAfmelden::ToonMomentWaarden()
{
    m_chk1->setCheckState(VinkStaat::Staat(m_venster.chk1));
    m_chk2->setCheckState(VinkStaat::Staat(m_venster.chk2));
    m_chkPartnerOok->setCheckState(VinkStaat::Staat(m_venster.chkPartnerOok));
    m_txtContactPers->setText(m_venster.txtContactPers);
    m_txtEindtijd->setText(m_venster.txtEindtijd);
    ToonAdressen();
}

void FrmAfmelden::ToonAdressen()
{
    const QString tekst = NaarLf(m_venster.adressen.txtEmailadressen);
    if (m_txtEmailadressen->toPlainText() != tekst)
        m_txtEmailadressen->setPlainText(tekst);
    VulVinklijst(m_lstActEmails, m_venster.adressen.lstActEmails, m_venster.adressen.lstActEmailsHuidig);
    MarkeerAdressen();
}

void FrmAfmelden::MarkeerAdressen()
{
    QStringList rijen;
    for (int i = 0; i < m_lstActEmails->count(); ++i)
        rijen.append(m_lstActEmails->item(i)->text());
    const QList<Adrescontrole::Bevinding> bevindingen = Adrescontrole::Controleer(rijen);
    const QSignalBlocker blokkeer(m_lstActEmails);
    for (int i = 0; i < m_lstActEmails->count(); ++i) {
        const Adrescontrole::Bevinding& b = bevindingen.at(i);
        QListWidgetItem* item = m_lstActEmails->item(i);
        item->setBackground(b.ongeldig ? QBrush(QColor(0xff, 0xc8, 0xc8))
                            : b.dubbel ? QBrush(QColor(0xff, 0xe0, 0xa0))
                                       : QBrush());
        item->setToolTip(Adrescontrole::Toelichting(b));
    }
}

void FrmAfmelden::ToonKalender()
{
    const KalenderStaat& staat = m_kalender.Staat();
    VulKeuzelijst(m_cmbVan, staat.cmbVan.regels, staat.cmbVan.index);
    VulKeuzelijst(m_cmbTot, staat.cmbTot.regels, staat.cmbTot.index);
    m_cmbVan->setEnabled(staat.cmbVan.ingeschakeld);
    m_cmbTot->setEnabled(staat.cmbTot.ingeschakeld);
    m_cmdMaakDatums->setEnabled(staat.cmdMaakDatums);
    m_chkWijzData->setChecked(staat.chkWijzData);
    VulVinklijst(m_lstDagen, staat.lstDagen, staat.lstDagenHuidig);
    m_cmdSelect->setEnabled(staat.cmdSelect);
    m_cmdDeselect->setEnabled(staat.cmdDeselect);
}

void FrmAfmelden::ToonGroepen()
{
    GroepFrame& frame = m_groepen->Frame();
    {
        const QSignalBlocker blokkeer(m_lst1);
        if (m_lst1->count() != frame.lst1.rijen.size()) {
            m_lst1->clear();
            for (const GroepRij& rij : frame.lst1.rijen) {
                auto* item = new QListWidgetItem(rij.tekst, m_lst1);
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            }
        }
        for (qsizetype i = 0; i < frame.lst1.rijen.size(); ++i) {
            QListWidgetItem* item = m_lst1->item(int(i));
            item->setText(frame.lst1.rijen[i].tekst);
            item->setCheckState(frame.lst1.rijen[i].aangevinkt ? Qt::Checked : Qt::Unchecked);
        }
        m_lst1->setCurrentRow(int(frame.lst1.huidigeRij));
    }
    static_cast<RegelModel*>(m_txt1->model())->ZetTekst(frame.txt1);
    m_Label6->setText(frame.Label6);
    for (int i = 0; i < 4; ++i) {
        if (m_txtB2[i]->text() != frame.txtB2[i].tekst)
            m_txtB2[i]->setText(frame.txtB2[i].tekst);
        m_txtB2[i]->setStyleSheet(frame.txtB2[i].geel ? QStringLiteral("background: #ffff00;") : QString());
    }
    m_chkPartnerOok->setCheckState(VinkStaat::Staat(frame.chkPartnerOok.waarde));
    m_Frame8->setEnabled(frame.Frame8Enabled);
    VulKeuzelijst(m_cmbPartner, frame.cmbPartner.items, int(frame.cmbPartner.geselecteerd));
    m_cmbPartner->setEnabled(frame.cmbPartner.enabled);
    {
        const QSignalBlocker blokkeer(m_chkToonPartner);
        m_chkToonPartner->setCheckState(VinkStaat::Staat(frame.chkToonPartner.waarde));
    }
    m_chkToonPartner->setEnabled(frame.chkToonPartner.enabled);
    if (frame.Text1Zichtbaar) {
        // In front of the 'partner' group box, 5 twips above it.
        QLineEdit* vak = m_txtB2[1];
        m_Text1->setGeometry(QRect(vak->mapTo(m_Text1->parentWidget(), QPoint(0, 0)), vak->size()));
        m_Text1->raise();
    }
    m_Text1->setVisible(frame.Text1Zichtbaar);
    if (frame.focusVak >= 0) {
        m_txtB2[frame.focusVak]->setFocus();
        frame.focusVak = -1;
    }
}

void FrmAfmelden::chkToonPartner_Click(bool aangevinkt)
{
    m_groepen->Frame().chkToonPartner.waarde = aangevinkt ? 1 : 0;
    m_groepen->chkToonPartner_Click();
    ToonGroepen();
}

bool FrmAfmelden::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* toets = static_cast<QKeyEvent*>(event);
        const QString tekst = toets->text();
        const bool teken = tekst.size() == 1 && (tekst.at(0) >= u' ' || tekst.at(0) == u'\b') && tekst.at(0) != u'\x7f';
        if (teken && object == m_txtEindtijd)
            return !Eindtijd::ToetsToegestaan(tekst.at(0));
        if (teken && object->objectName() == QLatin1String("txtB2"))
            return txtB2_KeyPress(tekst.at(0).unicode()) == 0;
    } else if (event->type() == QEvent::FocusOut && !m_bezigMetControle && !m_gesloten) {
        if (object == m_txtEindtijd)
            txtEindtijd_LostFocus();
        else if (object == m_txtEmailadressen)
            txtEmailadressen_LostFocus();
        else if (object->objectName() == QLatin1String("txtB2"))
            txtB2_LostFocus(object->property("index").toInt());
    }
    return QDialog::eventFilter(object, event);
}

void FrmAfmelden::txtEmailadressen_LostFocus()
{
    m_venster.adressen.txtEmailadressen = NaarCrLf(m_txtEmailadressen->toPlainText());
    m_bezigMetControle = true;
    VulAfmeldadressen(m_venster.adressen, m_meldingen);
    m_bezigMetControle = false;
    ToonAdressen();
}

void FrmAfmelden::txtEindtijd_LostFocus()
{
    const std::optional<QString> melding = Eindtijd::Controleer(m_txtEindtijd->text());
    if (!melding)
        return;
    m_bezigMetControle = true;
    m_meldingen.Toon(*melding, Meldingen::Pictogram::Uitroep);
    m_bezigMetControle = false;
    m_txtEindtijd->setFocus();
}

void FrmAfmelden::txtB2_LostFocus(int i)
{
    m_groepen->Frame().txtB2[i].tekst = m_txtB2[i]->text();
    m_bezigMetControle = true;
    m_groepen->txtB2_LostFocus(i);
    m_bezigMetControle = false;
    ToonGroepen();
}

void FrmAfmelden::cmdOverzicht_Click()
{
    OpenExtern::OpenHandleiding(m_programmaMap, m_meldingen);
}

void FrmAfmelden::cmdVoorbeeld_Click()
{
    // Group box texts typed without leaving their box count, as they do when leaving with OK.
    GroepFrame groepen = m_groepen->Frame();
    for (int i = 0; i < 4; ++i)
        groepen.txtB2[i].tekst = m_txtB2[i]->text();
    FrmVoorbeeld venster(MaakSiteVoorbeeld(VerzamelAfmeldGegevens(), std::move(groepen)), m_kop,
                         Paden::Samen(m_werkruimte.MapProgramma, m_start.cmbSpeeldag), this);
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

void FrmAfmelden::reject() { close(); }

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
    if (m_Afgebroken == 1) {
        MeldAfgebroken(m_meldingen);
        return true;
    }
    // Texts typed without leaving their box have not reached the logic yet.
    for (int i = 0; i < 4; ++i)
        m_groepen->Frame().txtB2[i].tekst = m_txtB2[i]->text();
    m_bezigMetControle = true;
    m_groepen->ControleerVakken();
    m_bezigMetControle = false;
    ToonGroepen();
    if (m_groepen->VakFout() == 1)
        return false;
    const GroepFrame& frame = m_groepen->Frame();
    const Vertrek vertrek = ControleerVertrek(
        {.datumGekozen = !m_kalender.AangevinkteDatums().isEmpty(),
         .adresGekozen = std::any_of(m_venster.adressen.lstActEmails.cbegin(), m_venster.adressen.lstActEmails.cend(),
                                     [](const Vinkregel& r) { return r.aangevinkt; }),
         .partnerbestandOntbreekt = frame.chkToonPartner.waarde == 1 && frame.cmbPartner.geselecteerd < 0},
        m_meldingen);
    if (vertrek == Vertrek::Blijven)
        return false;
    MaakAfmeldScript(m_werkruimte.PadScript, VerzamelAfmeldGegevens(), frame, m_kop, m_meldingen);
    if (m_start.Scipts_naar_lstHulp)
        m_start.Scipts_naar_lstHulp();
    // Settings that could not be saved keep the window open, so that nothing is lost.
    const bool bewaard = MeldAlsNietOpgeslagen(
        BewaarInstellingen(m_werkruimte.PadMomentIni, VerzamelMomentWaarden()), m_werkruimte.PadMomentIni, m_meldingen);
    return bewaard && vertrek == Vertrek::Opslaan;
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
    if (kalender.cmbVan.index >= 0)
        v.cmbVanSleutel = kalender.cmbVan.regels.at(kalender.cmbVan.index).right(10);
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
