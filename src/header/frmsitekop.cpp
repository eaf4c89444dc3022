#include "header/frmsitekop.h"

#include "common/instellingen.h"
#include "common/paden.h"
#include "common/schrijfmelding.h"
#include "common/tekst.h"
#include "common/vensteropscherm.h"
#include "header/kopbestand.h"
#include "header/kopmaten.h"
#include "header/kopopmaak.h"
#include "header/logobestand.h"
#include "header/vensterkopvlak.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

namespace {

constexpr int VensterHoogte = 535;
// The right edge of "Maak de kopteksten" in the design: the window is at least this wide.
constexpr int TekstFrameRechts = 778;

int Getal(const QComboBox* lijst) { return lijst->currentText().toInt(); }

bool BreedteGoed(qint32 breedte)
{
    const KopBereik bereik = BereikVan(&KopInstellingen::kopvakbr);
    return breedte >= bereik.van && breedte <= bereik.tot;
}

// A list of the values the designer offers for a field.
void Vul(QComboBox* lijst, KopBereik bereik, int stap)
{
    for (int getal = bereik.van; getal <= bereik.tot; getal += stap)
        lijst->addItem(QString::number(getal));
}

} // namespace

FrmSitekop::FrmSitekop(KopInstellingen& kop, const QString& MapKop, const QString& speeldag,
                       const QString& clubnaam, Meldingen& meldingen, KopDialogen& dialogen,
                       QWidget* ouder)
    : QDialog(ouder), m_kop(kop), m_mapKop(MapKop), m_speeldag(speeldag), m_clubnaam(clubnaam),
      m_meldingen(meldingen), m_dialogen(dialogen)
{
    setObjectName(QStringLiteral("frmSitekop"));
    setWindowTitle(QStringLiteral("Inrichten van de kop van een internetsite"));
    MaakBesturing();
    Openen();
}

void FrmSitekop::Openen()
{
    if (parentWidget())
        setWindowIcon(parentWidget()->windowIcon());
    BewaarKop();
    // Defaults for a header that was never designed; m_KopKopie keeps the values from before.
    VulOntwerpStandaarden(m_kop);
    m_aanvaardeBreedte = m_kop.kopvakbr;
    PasVensterAan();
    m_NieuwLogo.clear();
    m_Laden = 1;

    Vul(m_cmbKopVakHo, BereikVan(&KopInstellingen::kopvakho), 2);
    m_cmbKopVakHo->setCurrentIndex(m_cmbKopVakHo->findText(QString::number(m_kop.kopvakho)));
    KopVakHo_Click();
    Vul(m_cmbMa, BereikVan(&KopInstellingen::logomarge), 1);
    m_cmbMa->setCurrentIndex(m_kop.logomarge);
    Ma_Click();
    Vul(m_cmbKopVert, BereikVan(&KopInstellingen::kopvert), 2);
    Vul(m_cmbKopHoog, BereikVan(&KopInstellingen::kophoog), 2);

    ZetMaatOpschriften();
    m_P0->ZetMaat(QSize(ToonMaat(m_kop.kopvakbr), ToonMaat(m_kop.kopvakho)));
    m_P0->ZetAchtergrond(KleurVan(m_kop.kopback));
    LaadLogo();
    m_Label8->setText(QStringLiteral("Bestaande logobestand"));
    m_Label9->setText(QStringList{QStringLiteral(".bmp"), QStringLiteral(".gif"), QStringLiteral(".jpg"),
                                  QStringLiteral(".ico")}
                          .join(Tekst::CrLf));

    m_P0->ZetAchtergrond(KleurVan(m_kop.kopback));

    m_txtKopVakBr->setText(QString::number(m_kop.kopvakbr));
    m_txtKopTekst->setText(m_kop.koptekst);
    m_lblKopFont->setText(m_kop.kopfont);
    m_chkKopVet->setChecked(m_kop.kopvet == 1);
    m_cmbKopHoog->setCurrentIndex(m_kop.kophoogi);
    KopHoog_Click();
    m_cmbKopVert->setCurrentIndex(m_kop.kopverti);
    KopVert_Click();
    ToonKleur(m_lblKopKleur, m_kop.kopkleur);
    ToonKleur(m_lblKopBack, m_kop.kopback);
    m_txtTL->setText(m_kop.tekstlo);
    m_txtTR->setText(m_kop.tekstro);
    m_chkLogojanee->setChecked(m_kop.logojn == 1);
    if (m_kop.logojn == 1)
        ToonLogoNaam(m_kop.logofile.isEmpty() ? QStringLiteral("...") : m_kop.logofile);

    ToonLogoVak();
    m_Laden = 0;
    LaadLogo();
}

void FrmSitekop::BewaarKop() { m_KopKopie = m_kop; }

void FrmSitekop::HerstelKop() { m_kop = m_KopKopie; }

void FrmSitekop::MaakLogoVak()
{
    m_P0->ZetLogoVak(::MaakLogoVak(m_maxLogoBreed, m_maxLogoHoog, m_kop.logomarge));
    m_P0->ZetLogo(QImage());
}

void FrmSitekop::PasLogoIn()
{
    m_P0->ZetLogoVak(::PasLogoIn(m_P0->Vak(), m_Im1.size(), m_kop.logomarge));
    m_P0->ZetLogo(m_Im1);
}

bool FrmSitekop::LaadLogo()
{
    const QString pad = HuidigLogo(m_mapKop, m_NieuwLogo, m_kop);
    if (pad.isEmpty())
        return false;
    const std::optional<QImage> beeld = LaadAfbeelding(pad);
    if (!beeld)
        return false;
    m_Im1 = *beeld;
    MaakLogoVak();
    PasLogoIn();
    TekenKoptekst();
    return true;
}

void FrmSitekop::TekenKoptekst()
{
    const QFont font = KopFont(m_kop);
    const QString tekst = m_txtKopTekst->text();
    const double links = KoptekstLinks(ToonMaat(m_aanvaardeBreedte), m_kop.logojn, m_P0->Vak().p1.width(),
                                       QFontMetricsF(font).horizontalAdvance(tekst));
    m_P0->ZetAchtergrond(KleurVan(m_kop.kopback));
    m_P0->ZetKoptekst(tekst, font, KleurVan(m_kop.kopkleur), QPointF(links, m_kop.kopvert));
    TekenHoekteksten();
}

void FrmSitekop::TekenHoekteksten()
{
    const QFont font = HoekFont();
    const QFontMetrics maat(font);
    const QString links = m_txtTL->text();
    const QString rechts = m_txtTR->text();
    const HoekPlaatsen plek = PlaatsHoekteksten(
        ToonMaat(m_aanvaardeBreedte), ToonMaat(m_kop.kopvakho), m_kop.logojn, m_P0->Vak().p1.width(),
        QSize(maat.horizontalAdvance(links), maat.height()),
        QSize(maat.horizontalAdvance(rechts), maat.height()));
    m_P0->ZetHoekteksten(links, plek.links, rechts, plek.rechts, font);
}

void FrmSitekop::ToonLogoVak()
{
    const bool logo = m_kop.logojn != 0;
    m_P0->ZetLogoVakZichtbaar(logo);
    m_frmLogo->setEnabled(logo);
    TekenKoptekst();
}

void FrmSitekop::ZetMaatOpschriften()
{
    m_lblKopBreed->setText(KopAfmeting(m_aanvaardeBreedte, m_kop.kopvakho));
    m_kopOpmaak->setColumnMinimumWidth(2, m_lblKopBreed->sizeHint().width());
    m_maxLogoHoog = ToonMaat(m_kop.kopvakho);
    m_maxLogoBreed = MaxLogoBreed(ToonMaat(m_aanvaardeBreedte));
    m_Label3->setText(LogoRuimte(m_maxLogoBreed, m_maxLogoHoog));
}

// A new size re-fits the logo; without a logo that can be shown the empty logo area and the
// texts follow the new size at once instead of waiting for the next redraw.
void FrmSitekop::VernieuwLogoVak()
{
    if (LaadLogo())
        return;
    MaakLogoVak();
    TekenKoptekst();
}

void FrmSitekop::ZetKopBreedte()
{
    ZetMaatOpschriften();
    m_P0->ZetMaat(QSize(ToonMaat(m_aanvaardeBreedte), m_P0->Maat().height()));
    PasVensterAan();
    VernieuwLogoVak();
}

void FrmSitekop::ZetKopHoogte()
{
    ZetMaatOpschriften();
    m_P0->ZetMaat(QSize(m_P0->Maat().width(), ToonMaat(m_kop.kopvakho)));
    VernieuwLogoVak();
}

void FrmSitekop::PasVensterAan()
{
    // The designed size, or larger where the font needs it to show every control whole; the
    // layout places the buttons 8 and 20 pixels from the right edge and from each other.
    const int breedte = ::PasVensterAan(P0Links, ToonMaat(m_aanvaardeBreedte), TekstFrameRechts);
    layout()->activate();
    const QSize minimaal = minimumSizeHint();
    resize(std::max(breedte, minimaal.width()), std::max(VensterHoogte, minimaal.height()));
    if (isVisible())
        HoudOpScherm(*this);
}

void FrmSitekop::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    HoudOpScherm(*this);
}

void FrmSitekop::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Annu_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

// The close box keeps the edits, but never a width the preview refused.
void FrmSitekop::closeEvent(QCloseEvent* event)
{
    m_kop.kopvakbr = m_aanvaardeBreedte;
    QDialog::closeEvent(event);
}

bool FrmSitekop::eventFilter(QObject* object, QEvent* event)
{
    if (object == m_frmLogo && (event->type() == QEvent::DragEnter || event->type() == QEvent::Drop)) {
        auto* slepen = static_cast<QDropEvent*>(event);
        const QList<QUrl> adressen = slepen->mimeData()->urls();
        if (adressen.size() != 1 || !adressen.first().isLocalFile())
            return false;
        slepen->acceptProposedAction();
        if (event->type() == QEvent::Drop) {
            WisLogoKeuze();
            NeemLogo(adressen.first().toLocalFile());
        }
        return true;
    }
    if (object == m_txtKopVakBr) {
        if (event->type() == QEvent::KeyPress && WeigerBreedteToets(*static_cast<QKeyEvent*>(event))) {
            QApplication::beep();
            return true;
        }
        // Switching to another window or opening a menu does not leave the box.
        if (event->type() == QEvent::FocusOut && isVisible()) {
            const Qt::FocusReason reden = static_cast<QFocusEvent*>(event)->reason();
            // Nor does going to "Annuleren": cancelling must never be held up by the check.
            if (reden != Qt::ActiveWindowFocusReason && reden != Qt::PopupFocusReason &&
                QApplication::focusWidget() != m_cmdAnnu)
                KopVakBr_LostFocus();
        }
    }
    return QDialog::eventFilter(object, event);
}

void FrmSitekop::MeldBreedte()
{
    m_meldingen.Toon(QStringLiteral("Breedte-waarde is 500 t/m 999. ") + Tekst::CrLf +
                         QStringLiteral("Wijzig de waarde"),
                     Meldingen::Pictogram::Uitroep);
    m_txtKopVakBr->setFocus();
}

void FrmSitekop::KopVakBr_LostFocus()
{
    // More digits than 32 bits hold are as wrong as any other width outside the range.
    m_kop.kopvakbr = Instellingen::Geheel32(m_txtKopVakBr->text()).value_or(0);
    if (!BreedteGoed(m_kop.kopvakbr)) {
        MeldBreedte();
        return;
    }
    m_aanvaardeBreedte = m_kop.kopvakbr;
    m_txtKopVakBr->setText(QString::number(m_kop.kopvakbr));
    ZetKopBreedte();
}

void FrmSitekop::KopVakHo_Click()
{
    if (m_cmbKopVakHo->currentIndex() >= 0)
        m_kop.kopvakho = Getal(m_cmbKopVakHo);
    ZetKopHoogte();
}

void FrmSitekop::Ma_Click()
{
    if (m_Laden != 1)
        m_kop.logomarge = qint16(Getal(m_cmbMa));
    else
        m_cmbMa->setCurrentIndex(m_kop.logomarge);
    if (!LaadLogo())
        MaakLogoVak();
}

void FrmSitekop::Logojanee_Click()
{
    if (m_Laden != 1)
        m_kop.logojn = m_chkLogojanee->isChecked() ? 1 : 0;
    else
        m_chkLogojanee->setChecked(m_kop.logojn == 1);
    ToonLogoVak();
}

void FrmSitekop::KopHoog_Click()
{
    if (m_cmbKopHoog->currentIndex() >= 0) {
        m_kop.kophoogi = qint16(m_cmbKopHoog->currentIndex());
        m_kop.kophoog = qint16(Getal(m_cmbKopHoog));
    }
    if (m_Laden != 1)
        TekenKoptekst();
}

void FrmSitekop::KopVert_Click()
{
    if (m_cmbKopVert->currentIndex() >= 0) {
        m_kop.kopverti = qint16(m_cmbKopVert->currentIndex());
        m_kop.kopvert = qint16(Getal(m_cmbKopVert));
    }
    if (m_Laden != 1)
        TekenKoptekst();
}

void FrmSitekop::KopFont_Click()
{
    const std::optional<QString> naam = m_dialogen.KiesLettertype(this, m_kop.kopfont);
    if (!naam)
        return;
    m_lblKopFont->setText(*naam);
    m_kop.kopfont = *naam;
    TekenKoptekst();
}

void FrmSitekop::ToonKleur(QLabel* staal, qint32 kleur)
{
    QPalette palet = staal->palette();
    palet.setColor(QPalette::Window, KleurVan(kleur));
    staal->setPalette(palet);
    staal->setAccessibleDescription(KleurVan(kleur).name());
}

void FrmSitekop::KopKleur_Click(bool achtergrond)
{
    const std::optional<QColor> kleur = m_dialogen.KiesKleur(this);
    if (!kleur)
        return;
    QLabel* staal = achtergrond ? m_lblKopBack : m_lblKopKleur;
    ToonKleur(staal, KleurWaarde(*kleur));
    const qint32 waarde = KleurWaarde(staal->palette().color(QPalette::Window));
    if (achtergrond)
        m_kop.kopback = waarde;
    else
        m_kop.kopkleur = waarde;
    TekenKoptekst();
}

// The label is named "Logobestand" for screen readers; the file name is its description.
void FrmSitekop::ToonLogoNaam(const QString& naam)
{
    m_Label7->setText(naam);
    m_Label7->setAccessibleDescription(naam == QStringLiteral("...") ? QString() : naam);
}

void FrmSitekop::WisLogoKeuze()
{
    m_P0->ZetLogo(QImage());
    ToonLogoNaam({});
    m_NieuwLogo.clear();
}

void FrmSitekop::KiesAfb_Click()
{
    WisLogoKeuze();
    const std::optional<QString> pad = m_dialogen.KiesAfbeelding(this, LogoStartMap(), LogoFilter);
    if (pad && !pad->isEmpty())
        NeemLogo(*pad);
}

// A chosen or dropped file becomes the new logo once it is a picture Qt can read.
void FrmSitekop::NeemLogo(const QString& pad)
{
    const LogoOordeel oordeel = BeoordeelLogo(pad);
    if (!oordeel.melding.isEmpty())
        m_meldingen.Toon(oordeel.melding, Meldingen::Pictogram::Uitroep);
    if (!oordeel.genomen)
        return;
    m_NieuwLogo = pad;
    ToonLogoNaam(Paden::Toon(m_NieuwLogo));
    m_Label8->setText(QStringLiteral("Nieuw gekozen logobestand"));
    LaadLogo();
}

void FrmSitekop::Akkoord_Click()
{
    if (!BreedteGoed(m_kop.kopvakbr)) {
        // Leaving the width box on the way here has just said so and put the focus back; the
        // window may not be active again yet after that message, so ask the window, not the box.
        if (focusWidget() != m_txtKopVakBr)
            MeldBreedte();
        return;
    }
    BewaarLogo(m_mapKop, m_NieuwLogo, m_kop);
    // A header that could not be saved keeps the window open, so that nothing is lost.
    const QString pad = Paden::Samen(m_mapKop, StandaardNaamKop);
    if (MeldAlsNietOpgeslagen(SchrijfKop(m_mapKop, StandaardNaamKop, m_speeldag, m_clubnaam, m_kop), pad, m_meldingen))
        accept();
}

void FrmSitekop::Annu_Click()
{
    HerstelKop();
    reject();
}
