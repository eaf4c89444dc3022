#include "header/frmsitekop.h"

#include "common/instellingen.h"
#include "common/paden.h"
#include "common/schrijfmelding.h"
#include "common/tekst.h"
#include "common/vensterfocus.h"
#include "common/vensteropscherm.h"
#include "header/kopbestand.h"
#include "header/kopkeuzes.h"
#include "header/kopmaten.h"
#include "header/kopopmaak.h"
#include "header/logobestand.h"
#include "header/vensterkopvlak.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int VensterHoogte = 535;
// The right edge of "Maak de kopteksten" in the design: the window is at least this wide.
constexpr int TekstFrameRechts = 778;

int Getal(const QComboBox* lijst) { return lijst->currentText().toInt(); }

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

    m_cmbKopVakHo->addItems(KopKeuzes(&KopInstellingen::kopvakho));
    m_cmbKopVakHo->setCurrentIndex(m_cmbKopVakHo->findText(QString::number(m_kop.kopvakho)));
    KopVakHo_Click();
    m_cmbMa->addItems(KopKeuzes(&KopInstellingen::logomarge));
    m_cmbMa->setCurrentIndex(m_kop.logomarge);
    Ma_Click();
    m_cmbKopVert->addItems(KopKeuzes(&KopInstellingen::kopvert));
    m_cmbKopHoog->addItems(KopKeuzes(&KopInstellingen::kophoog));

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
    if (object == m_frmLogo && (event->type() == QEvent::DragEnter || event->type() == QEvent::Drop))
        return NeemGesleeptLogo(*static_cast<QDropEvent*>(event), event->type() == QEvent::Drop);
    if (object == m_txtKopVakBr) {
        if (event->type() == QEvent::KeyPress && WeigerBreedteToets(*static_cast<QKeyEvent*>(event))) {
            QApplication::beep();
            return true;
        }
        // Going to "Annuleren" does not leave the box: cancelling is never held up by the check.
        if (event->type() == QEvent::FocusOut && isVisible() &&
            VensterFocus::VerlaatNaarControl(*this, m_txtKopVakBr, *static_cast<QFocusEvent*>(event), m_cmdAnnu))
            KopVakBr_LostFocus();
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
    if (!KopBreedteGoed(m_kop.kopvakbr)) {
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

void FrmSitekop::Akkoord_Click()
{
    if (!KopBreedteGoed(m_kop.kopvakbr)) {
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
