#include "moment/frmafmelden.h"

#include "calendar/kalendertekst.h"
#include "common/openextern.h"
#include "common/paden.h"
#include "common/schrijfmelding.h"
#include "common/tekst.h"
#include "common/vensterfocus.h"
#include "common/vensteropscherm.h"
#include "common/vinkstaat.h"
#include "header/kopbestand.h"
#include "members/partnerbestand.h"
#include "moment/adrescontrole.h"
#include "moment/afmeldhelpvenster.h"
#include "moment/afmeldscript.h"
#include "moment/eindtijd.h"
#include "moment/frmvoorbeeld.h"
#include "moment/kolomkoppen.h"
#include "moment/partnerhulptekst.h"
#include "moment/regelmodel.h"
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
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>

namespace {

// The text widgets use bare line feeds; the logic works with CR LF.
QString NaarCrLf(const QString& tekst) { return QString(tekst).replace(u'\n', Tekst::CrLf); }
QString NaarLf(const QString& tekst) { return QString(tekst).replace(Tekst::CrLf, QStringLiteral("\n")); }

// The calendar's entries show their text; their key is item data (`sleutel` names it).
using Sleutel = QString (*)(const QString&);

void VulVinklijst(QListWidget* lijst, const QList<Vinkregel>& rijen, int huidig, Sleutel sleutel = nullptr)
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
        item->setText(sleutel ? KalenderTekst::Zichtbaar(rijen[i].tekst) : rijen[i].tekst);
        if (sleutel)
            item->setData(Qt::UserRole, sleutel(rijen[i].tekst));
        item->setCheckState(rijen[i].aangevinkt ? Qt::Checked : Qt::Unchecked);
    }
    lijst->setCurrentRow(huidig);
}

void VulKeuzelijst(QComboBox* keuze, const QStringList& regels, int index, Sleutel sleutel = nullptr)
{
    const QSignalBlocker blokkeer(keuze);
    bool gelijk = keuze->count() == regels.size();
    for (int i = 0; gelijk && i < keuze->count(); ++i)
        gelijk = sleutel ? keuze->itemData(i) == sleutel(regels[i]) &&
                               keuze->itemText(i) == KalenderTekst::Zichtbaar(regels[i])
                         : keuze->itemText(i) == regels[i];
    if (!gelijk) {
        keuze->clear();
        for (const QString& regel : regels) {
            if (sleutel)
                keuze->addItem(KalenderTekst::Zichtbaar(regel), sleutel(regel));
            else
                keuze->addItem(regel);
        }
    }
    keuze->setCurrentIndex(index);
}

void ZetStil(QCheckBox* vak, int waarde)
{
    const QSignalBlocker blokkeer(vak);
    vak->setCheckState(VinkStaat::Staat(waarde));
}

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

void FrmAfmelden::ToonMomentWaarden()
{
    m_chk1->setCheckState(VinkStaat::Staat(m_venster.chk1));
    m_chk2->setCheckState(VinkStaat::Staat(m_venster.chk2));
    ZetStil(m_chkPartnerOok, m_venster.chkPartnerOok);
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
    VulKeuzelijst(m_cmbVan, staat.cmbVan.regels, staat.cmbVan.index, &KalenderTekst::MaandSleutel);
    VulKeuzelijst(m_cmbTot, staat.cmbTot.regels, staat.cmbTot.index, &KalenderTekst::MaandSleutel);
    m_cmbVan->setEnabled(staat.cmbVan.ingeschakeld);
    m_cmbTot->setEnabled(staat.cmbTot.ingeschakeld);
    m_cmdMaakDatums->setEnabled(staat.cmdMaakDatums);
    ZetStil(m_chkWijzData, staat.chkWijzData ? 1 : 0);
    VulVinklijst(m_lstDagen, staat.lstDagen, staat.lstDagenHuidig, &KalenderTekst::DatumVanRegel);
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
    m_lblKolommen->setText(KolomKoppen(frame.txt1.left(frame.txt1.indexOf(Tekst::CrLf))));
    m_Label6->setText(frame.Label6);
    for (int i = 0; i < 4; ++i) {
        if (m_txtB2[i]->text() != frame.txtB2[i].tekst)
            m_txtB2[i]->setText(frame.txtB2[i].tekst);
        m_txtB2[i]->setStyleSheet(frame.txtB2[i].geel ? QStringLiteral("background: #ffff00;") : QString());
    }
    ZetStil(m_chkPartnerOok, frame.chkPartnerOok.waarde);
    m_Frame8->setEnabled(frame.Frame8Enabled);
    VulKeuzelijst(m_cmbPartner, frame.cmbPartner.items, int(frame.cmbPartner.geselecteerd));
    m_cmbPartner->setEnabled(frame.cmbPartner.enabled);
    ZetStil(m_chkToonPartner, frame.chkToonPartner.waarde);
    m_chkToonPartner->setEnabled(frame.chkToonPartner.enabled);
    m_Text1->setVisible(frame.Text1Zichtbaar);
    if (frame.focusVak >= 0) {
        m_txtB2[frame.focusVak]->setFocus();
        frame.focusVak = -1;
    }
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
    const std::optional<QString> melding = Eindtijd::Controleer(m_txtEindtijd->text());
    if (!melding)
        return;
    const QScopedValueRollback bezig(m_bezigMetControle, true);
    m_meldingen.Toon(*melding, Meldingen::Pictogram::Uitroep);
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
