#include "header/frmsitekop.h"

#include "common/instellingen.h"
#include "common/paden.h"
#include "common/schrijfmelding.h"
#include "common/tekst.h"
#include "common/toetsenbord.h"
#include "header/kopbestand.h"
#include "header/kopmaten.h"
#include "header/kopopmaak.h"
#include "header/kopvlak.h"
#include "header/logobestand.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int P0Links = 8;
constexpr int P0Boven = 30;
constexpr int VensterHoogte = 535;
constexpr int KnopBoven = 495;

const QString LogoTooltip = QStringLiteral(
    "Met deze instellingen bepaalt u zelf hoe de kop op de afmeldsite er uit gaat zien");
const QString VertTooltip = QStringLiteral("Uitproberen, dit kan per lettertype verschillen.");

template <class T> T* Maak(QWidget* ouder, const char* naam, const QRect& plek)
{
    T* w = new T(ouder);
    w->setObjectName(QLatin1String(naam));
    w->setGeometry(plek);
    return w;
}

QLabel* Opschrift(QWidget* ouder, const char* naam, const QString& tekst, QPoint plek)
{
    QLabel* l = Maak<QLabel>(ouder, naam, QRect(plek, QSize()));
    l->setText(tekst);
    l->adjustSize();
    return l;
}

QPushButton* Knop(QWidget* ouder, const char* naam, const QString& tekst, const QRect& plek)
{
    QPushButton* k = Maak<QPushButton>(ouder, naam, plek);
    k->setText(tekst);
    // Enter in a text box must not press a button and close the window.
    k->setAutoDefault(false);
    return k;
}

void Vul(QComboBox* lijst, int van, int tot, int stap)
{
    for (int getal = van; getal <= tot; getal += stap)
        lijst->addItem(QString::number(getal));
}

int Getal(const QComboBox* lijst) { return lijst->currentText().toInt(); }

// The width box takes digits only; every other key that types a character is refused,
// Backspace included. Tab and Delete type nothing and keep working.
bool WeigerToets(const QKeyEvent& toets)
{
    if (toets.key() == Qt::Key_Backspace)
        return true;
    if (toets.key() == Qt::Key_Tab || toets.key() == Qt::Key_Backtab || toets.key() == Qt::Key_Delete)
        return false;
    const QString tekst = toets.text();
    if (tekst.isEmpty())
        return false;
    return !(tekst.size() == 1 && tekst.at(0) >= u'0' && tekst.at(0) <= u'9');
}

} // namespace

frmSitekop::frmSitekop(KopInstellingen& kop, const QString& MapKop, const QString& speeldag,
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

void frmSitekop::MaakBesturing()
{
    lblKopBreed = Opschrift(this, "lblKopBreed", {}, QPoint(P0Links, 8));
    Label6 = Opschrift(this, "Label6", QStringLiteral("Werkelijke beeld op de internet-site"),
                       QPoint(300, 8));
    P0 = Maak<KopVlak>(this, "P0", QRect(P0Links, P0Boven - KopVlak::Rand, 0, 0));

    Frame1 = Maak<QGroupBox>(this, "Frame1", QRect(8, 180, 330, 80));
    Frame1->setTitle(QStringLiteral("Kopvak-afmetingen (in pixels)"));
    QLabel* label16 = Opschrift(Frame1, "Label16", QStringLiteral("Kopvak-breedte:"), QPoint(10, 25));
    txtKopVakBr = Maak<QLineEdit>(Frame1, "txtKopVakBr", QRect(120, 22, 60, 22));
    label16->setBuddy(txtKopVakBr);
    txtKopVakBr->setToolTip(QStringLiteral("Waarde overnemen van de breedte van de internet-pagina. "
                                           "Internet-pagina wordt niet gewijzigd!!"));
    txtKopVakBr->installEventFilter(this);
    Opschrift(Frame1, "Label15", QStringLiteral("(500-999)"), QPoint(190, 25));
    QLabel* label14 = Opschrift(Frame1, "Label14", QStringLiteral("Kopvak-hoogte:"), QPoint(10, 53));
    cmbKopVakHo = Maak<QComboBox>(Frame1, "cmbKopVakHo", QRect(120, 50, 60, 22));
    label14->setBuddy(cmbKopVakHo);
    cmbKopVakHo->setToolTip(QStringLiteral("100 pixels is een gemiddelde waarde."));
    Opschrift(Frame1, "Label20", QStringLiteral("(70-130)"), QPoint(190, 53));

    frmLogo = Maak<QGroupBox>(this, "frmLogo", QRect(8, 268, 330, 200));
    frmLogo->setTitle(QStringLiteral("Maak een logo"));
    frmLogo->setToolTip(LogoTooltip);
    Opschrift(frmLogo, "Label1", QStringLiteral("Maximale LOGO-ruimte links in de kop is:"),
              QPoint(10, 25));
    Label3 = Opschrift(frmLogo, "Label3", {}, QPoint(10, 43));
    Label5 = Opschrift(frmLogo, "Label5", QStringLiteral("pixels"), QPoint(80, 43));
    QLabel* label2 = Opschrift(frmLogo, "Label2", QStringLiteral("Marge (in pixels) rond het logo:"), QPoint(10, 71));
    cmbMa = Maak<QComboBox>(frmLogo, "cmbMa", QRect(235, 68, 60, 22));
    label2->setBuddy(cmbMa);
    Label8 = Maak<QLabel>(frmLogo, "Label8", QRect(10, 98, 310, 18));
    Label7 = Maak<QLabel>(frmLogo, "Label7", QRect(10, 116, 310, 18));
    Label7->setText(QStringLiteral("..."));
    cmdKiesAfb = Knop(frmLogo, "cmdKiesAfb", QStringLiteral("Kies een afbeelding"),
                      QRect(10, 148, 150, 28));
    Label9 = Maak<QLabel>(frmLogo, "Label9", QRect(200, 136, 60, 62));

    chkLogojanee = Maak<QCheckBox>(this, "chkLogojanee", QRect(8, 472, 330, 22));
    chkLogojanee->setText(QStringLiteral("Logo daadwerkelijk plaatsen?"));
    chkLogojanee->setToolTip(QStringLiteral("Hiermee bepaalt u of er werkelijk een logo geplaatst "
                                            "wordt, zoniet dan beslaat de tekst de hele kopbreedte"));

    frmTekst = Maak<QGroupBox>(this, "frmTekst", QRect(350, 180, 428, 300));
    frmTekst->setTitle(QStringLiteral("Maak de kopteksten"));
    frmTekst->setToolTip(LogoTooltip);
    QLabel* label10 = Opschrift(frmTekst, "Label10", QStringLiteral("Koptekst:"), QPoint(10, 27));
    txtKopTekst = Maak<QLineEdit>(frmTekst, "txtKopTekst", QRect(130, 24, 285, 22));
    label10->setBuddy(txtKopTekst);
    cmdKopFont = Knop(frmTekst, "cmdKopFont", QStringLiteral("Lettertype "), QRect(10, 56, 110, 26));
    cmdKopFont->setToolTip(QStringLiteral("Kies hier alleen het lettertype, de rest wordt genegeerd."));
    lblKopFont = Maak<QLabel>(frmTekst, "lblKopFont", QRect(130, 60, 285, 18));
    QLabel* label4 = Opschrift(frmTekst, "Label4", QStringLiteral("Letterhoogte:"), QPoint(10, 95));
    cmbKopHoog = Maak<QComboBox>(frmTekst, "cmbKopHoog", QRect(130, 92, 60, 22));
    label4->setBuddy(cmbKopHoog);
    chkKopVet = Maak<QCheckBox>(frmTekst, "chkKopVet", QRect(210, 92, 80, 22));
    chkKopVet->setText(QStringLiteral("Vet"));
    cmdKopKleur = Knop(frmTekst, "cmdKopKleur", QStringLiteral("Tekstkleur"), QRect(10, 126, 110, 26));
    lblKopKleur = Maak<QLabel>(frmTekst, "lblKopKleur", QRect(130, 128, 40, 22));
    cmdKopBack = Knop(frmTekst, "cmdKopBack", QStringLiteral("Achtergrondkleur"),
                      QRect(200, 126, 140, 26));
    lblKopBack = Maak<QLabel>(frmTekst, "lblKopBack", QRect(350, 128, 40, 22));
    for (QLabel* staal : {lblKopKleur, lblKopBack}) {
        staal->setFrameShape(QFrame::Box);
        staal->setAutoFillBackground(true);
    }
    QLabel* label11 = Opschrift(frmTekst, "Label11", QStringLiteral("Positie vertikaal:"), QPoint(10, 169));
    label11->setToolTip(VertTooltip);
    cmbKopVert = Maak<QComboBox>(frmTekst, "cmbKopVert", QRect(130, 166, 60, 22));
    label11->setBuddy(cmbKopVert);
    cmbKopVert->setToolTip(VertTooltip);
    QLabel* label12 = Opschrift(frmTekst, "Label12", QStringLiteral("Tekst linksonder:"), QPoint(10, 209));
    txtTL = Maak<QLineEdit>(frmTekst, "txtTL", QRect(130, 206, 285, 22));
    label12->setBuddy(txtTL);
    QLabel* label13 = Opschrift(frmTekst, "Label13", QStringLiteral("Tekst rechtsonder:"), QPoint(10, 243));
    txtTR = Maak<QLineEdit>(frmTekst, "txtTR", QRect(130, 240, 285, 22));
    label13->setBuddy(txtTR);

    cmdAnnu = Knop(this, "cmdAnnu", QStringLiteral("Annuleren"), QRect(0, KnopBoven, 100, 30));
    cmdAnnu->setToolTip(QStringLiteral("Met annuleren worden eventuele wijzigingen niet doorgevoerd."));
    cmdAkkoord = Knop(this, "cmdAkkoord", QStringLiteral("Akkoord en opslaan"),
                      QRect(0, KnopBoven, 150, 30));

    // Keyboard: the captions keep their texts, so the buttons get Alt keys of their own.
    const std::pair<QPushButton*, char> sneltoetsen[] = {{cmdKiesAfb, 'K'},  {cmdKopFont, 'L'},
                                                         {cmdKopKleur, 'T'}, {cmdKopBack, 'G'},
                                                         {cmdAnnu, 'N'},     {cmdAkkoord, 'A'}};
    for (const auto& [knop, letter] : sneltoetsen)
        Toetsenbord::ZetSneltoets(knop, QKeySequence(Qt::ALT | Qt::Key(letter)));
    // Down the left column, then down the right one, then the buttons from left to right.
    Toetsenbord::ZetTabVolgorde({txtKopVakBr, cmbKopVakHo, cmbMa, cmdKiesAfb, chkLogojanee, txtKopTekst,
                                 cmdKopFont, cmbKopHoog, chkKopVet, cmdKopKleur, cmdKopBack, cmbKopVert, txtTL,
                                 txtTR, cmdAnnu, cmdAkkoord});

    connect(cmbKopVakHo, &QComboBox::activated, this, [this] { KopVakHo_Click(); });
    connect(cmbMa, &QComboBox::activated, this, [this] { Ma_Click(); });
    connect(chkLogojanee, &QCheckBox::clicked, this, [this] { Logojanee_Click(); });
    connect(txtKopTekst, &QLineEdit::textChanged, this, [this](const QString& tekst) {
        m_kop.koptekst = tekst;
        if (Laden != 1)
            TekenKoptekst();
    });
    connect(cmbKopHoog, &QComboBox::activated, this, [this] { KopHoog_Click(); });
    connect(chkKopVet, &QCheckBox::clicked, this, [this](bool aan) {
        m_kop.kopvet = aan ? 1 : 0;
        if (Laden != 1)
            TekenKoptekst();
    });
    connect(cmbKopVert, &QComboBox::activated, this, [this] { KopVert_Click(); });
    connect(txtTL, &QLineEdit::textChanged, this, [this](const QString& tekst) {
        m_kop.tekstlo = tekst;
        TekenHoekteksten();
    });
    connect(txtTR, &QLineEdit::textChanged, this, [this](const QString& tekst) {
        m_kop.tekstro = tekst;
        TekenHoekteksten();
    });
    connect(cmdKopFont, &QPushButton::clicked, this, [this] { KopFont_Click(); });
    connect(cmdKopKleur, &QPushButton::clicked, this, [this] { KopKleur_Click(false); });
    connect(cmdKopBack, &QPushButton::clicked, this, [this] { KopKleur_Click(true); });
    connect(cmdKiesAfb, &QPushButton::clicked, this, [this] { KiesAfb_Click(); });
    connect(cmdAkkoord, &QPushButton::clicked, this, [this] { Akkoord_Click(); });
    connect(cmdAnnu, &QPushButton::clicked, this, [this] { Annu_Click(); });
}

void frmSitekop::Openen()
{
    if (parentWidget())
        setWindowIcon(parentWidget()->windowIcon());
    BewaarKop();
    if (m_kop.kopvakbr == 0)
        m_kop.kopvakbr = 750;
    if (m_kop.kopvakho == 0)
        m_kop.kopvakho = 100;
    PasVensterAan();
    NieuwLogo.clear();
    Laden = 1;

    Vul(cmbKopVakHo, 70, 130, 2);
    cmbKopVakHo->setCurrentIndex(cmbKopVakHo->findText(QString::number(m_kop.kopvakho)));
    KopVakHo_Click();
    Vul(cmbMa, 0, 30, 1);
    cmbMa->setCurrentIndex(m_kop.logomarge);
    Ma_Click();
    Vul(cmbKopVert, 0, 70, 2);
    Vul(cmbKopHoog, 10, 90, 2);

    ZetMaatOpschriften();
    P0->ZetMaat(QSize(ToonMaat(m_kop.kopvakbr), ToonMaat(m_kop.kopvakho)));
    P0->ZetAchtergrond(KleurVan(m_kop.kopback));
    LaadLogo();
    Label8->setText(QStringLiteral("Bestaande logobestand"));
    Label9->setText(QStringList{QStringLiteral(".bmp"), QStringLiteral(".gif"), QStringLiteral(".jpg"),
                                QStringLiteral(".ico")}
                        .join(Tekst::CrLf));

    // Defaults for a header that was never designed; KopKopie keeps the values from before.
    if (m_kop.kopfont.isEmpty())
        m_kop.kopfont = QStringLiteral("Arial");
    if (m_kop.kopback == 0)
        m_kop.kopback = 65535;
    if (m_kop.koptekst.isEmpty())
        m_kop.koptekst = QStringLiteral("BC bridgeclub");
    if (m_kop.tekstlo.isEmpty())
        m_kop.tekstlo = QStringLiteral("abcde");
    if (m_kop.tekstro.isEmpty())
        m_kop.tekstro = QStringLiteral("info@bridgeclub.nl");
    if (m_kop.kophoog == 0)
        m_kop.kophoogi = 7;
    P0->ZetAchtergrond(KleurVan(m_kop.kopback));

    txtKopVakBr->setText(QString::number(m_kop.kopvakbr));
    txtKopTekst->setText(m_kop.koptekst);
    lblKopFont->setText(m_kop.kopfont);
    chkKopVet->setChecked(m_kop.kopvet == 1);
    cmbKopHoog->setCurrentIndex(m_kop.kophoogi);
    KopHoog_Click();
    cmbKopVert->setCurrentIndex(m_kop.kopverti);
    KopVert_Click();
    ToonKleur(lblKopKleur, m_kop.kopkleur);
    ToonKleur(lblKopBack, m_kop.kopback);
    txtTL->setText(m_kop.tekstlo);
    txtTR->setText(m_kop.tekstro);
    chkLogojanee->setChecked(m_kop.logojn == 1);
    if (m_kop.logojn == 1)
        Label7->setText(m_kop.logofile.isEmpty() ? QStringLiteral("...") : m_kop.logofile);

    ToonLogoVak();
    Laden = 0;
    LaadLogo();
}

void frmSitekop::BewaarKop() { KopKopie = m_kop; }

void frmSitekop::HerstelKop() { m_kop = KopKopie; }

void frmSitekop::MaakLogoVak()
{
    P0->ZetLogoVak(::MaakLogoVak(m_maxLogoBreed, m_maxLogoHoog, m_kop.logomarge));
    P0->ZetLogo(QImage());
}

void frmSitekop::PasLogoIn()
{
    P0->ZetLogoVak(::PasLogoIn(P0->Vak(), Im1.size(), m_kop.logomarge));
    P0->ZetLogo(Im1);
}

void frmSitekop::LaadLogo()
{
    const QString pad = HuidigLogo(m_mapKop, NieuwLogo, m_kop);
    if (pad.isEmpty())
        return;
    const std::optional<QImage> beeld = LaadAfbeelding(pad);
    if (!beeld)
        return;
    Im1 = *beeld;
    MaakLogoVak();
    PasLogoIn();
    TekenKoptekst();
}

void frmSitekop::TekenKoptekst()
{
    const QFont font = KopFont(m_kop);
    const QString tekst = txtKopTekst->text();
    const double links = KoptekstLinks(ToonMaat(m_kop.kopvakbr), m_kop.logojn, P0->Vak().p1.width(),
                                       QFontMetricsF(font).horizontalAdvance(tekst));
    P0->ZetAchtergrond(KleurVan(m_kop.kopback));
    P0->ZetKoptekst(tekst, font, KleurVan(m_kop.kopkleur), QPointF(links, m_kop.kopvert));
    TekenHoekteksten();
}

void frmSitekop::TekenHoekteksten()
{
    const QFont font = HoekFont();
    const QFontMetrics maat(font);
    const QString links = txtTL->text();
    const QString rechts = txtTR->text();
    const HoekPlaatsen plek = PlaatsHoekteksten(
        ToonMaat(m_kop.kopvakbr), ToonMaat(m_kop.kopvakho), m_kop.logojn, P0->Vak().p1.width(),
        QSize(maat.horizontalAdvance(links), maat.height()),
        QSize(maat.horizontalAdvance(rechts), maat.height()));
    P0->ZetHoekteksten(links, plek.links, rechts, plek.rechts, font);
}

void frmSitekop::ToonLogoVak()
{
    const bool logo = m_kop.logojn != 0;
    P0->ZetLogoVakZichtbaar(logo);
    frmLogo->setEnabled(logo);
    TekenKoptekst();
}

void frmSitekop::ZetMaatOpschriften()
{
    lblKopBreed->setText(KopAfmeting(m_kop.kopvakbr, m_kop.kopvakho));
    lblKopBreed->adjustSize();
    m_maxLogoHoog = ToonMaat(m_kop.kopvakho);
    m_maxLogoBreed = MaxLogoBreed(ToonMaat(m_kop.kopvakbr));
    Label3->setText(LogoRuimte(m_maxLogoBreed, m_maxLogoHoog));
    Label3->adjustSize();
    Label5->move(Label3->geometry().right() + 5, Label3->y());
}

bool frmSitekop::HeeftLogo() const { return !HuidigLogo(m_mapKop, NieuwLogo, m_kop).isEmpty(); }

// A new size re-fits the logo; without a logo the empty logo area and the texts follow the
// new size at once instead of waiting for the next redraw.
void frmSitekop::VernieuwLogoVak()
{
    if (HeeftLogo()) {
        LaadLogo();
        return;
    }
    MaakLogoVak();
    TekenKoptekst();
}

void frmSitekop::ZetKopBreedte()
{
    ZetMaatOpschriften();
    PasVensterAan();
    P0->ZetMaat(QSize(ToonMaat(m_kop.kopvakbr), P0->Maat().height()));
    Label6->move(P0Links + (P0->Maat().width() + 2 - Label6->width()) / 2, Label6->y());
    VernieuwLogoVak();
}

void frmSitekop::ZetKopHoogte()
{
    ZetMaatOpschriften();
    P0->ZetMaat(QSize(P0->Maat().width(), ToonMaat(m_kop.kopvakho)));
    VernieuwLogoVak();
}

void frmSitekop::PasVensterAan()
{
    const VensterMaten maten = ::PasVensterAan(P0Links, ToonMaat(m_kop.kopvakbr),
                                               frmTekst->geometry().right() + 1, cmdAkkoord->width());
    setFixedSize(maten.binnenBreedte, VensterHoogte);
    cmdAkkoord->move(maten.akkoordRechts - cmdAkkoord->width(), KnopBoven);
    cmdAnnu->move(maten.annulerenRechts - cmdAnnu->width(), KnopBoven);
}

bool frmSitekop::eventFilter(QObject* object, QEvent* event)
{
    if (object == txtKopVakBr) {
        if (event->type() == QEvent::KeyPress && WeigerToets(*static_cast<QKeyEvent*>(event))) {
            QApplication::beep();
            return true;
        }
        // Switching to another window or opening a menu does not leave the box.
        if (event->type() == QEvent::FocusOut && isVisible()) {
            const Qt::FocusReason reden = static_cast<QFocusEvent*>(event)->reason();
            if (reden != Qt::ActiveWindowFocusReason && reden != Qt::PopupFocusReason)
                KopVakBr_LostFocus();
        }
    }
    return QDialog::eventFilter(object, event);
}

void frmSitekop::MeldBreedte()
{
    m_meldingen.Toon(QStringLiteral("Breedte-waarde is 500 t/m 999. ") + Tekst::CrLf +
                         QStringLiteral("Wijzig de waarde"),
                     Meldingen::Pictogram::Uitroep);
    txtKopVakBr->setFocus();
}

void frmSitekop::KopVakBr_LostFocus()
{
    // More digits than 32 bits hold are as wrong as any other width outside the range.
    m_kop.kopvakbr = Instellingen::Geheel32(txtKopVakBr->text()).value_or(0);
    if (m_kop.kopvakbr < 500 || m_kop.kopvakbr > 999) {
        MeldBreedte();
        return;
    }
    txtKopVakBr->setText(QString::number(m_kop.kopvakbr));
    ZetKopBreedte();
}

void frmSitekop::KopVakHo_Click()
{
    if (cmbKopVakHo->currentIndex() >= 0)
        m_kop.kopvakho = Getal(cmbKopVakHo);
    ZetKopHoogte();
}

void frmSitekop::Ma_Click()
{
    if (Laden != 1)
        m_kop.logomarge = qint16(Getal(cmbMa));
    else
        cmbMa->setCurrentIndex(m_kop.logomarge);
    if (HeeftLogo())
        LaadLogo();
    else
        MaakLogoVak();
}

void frmSitekop::Logojanee_Click()
{
    if (Laden != 1)
        m_kop.logojn = chkLogojanee->isChecked() ? 1 : 0;
    else
        chkLogojanee->setChecked(m_kop.logojn == 1);
    ToonLogoVak();
}

void frmSitekop::KopHoog_Click()
{
    if (cmbKopHoog->currentIndex() >= 0) {
        m_kop.kophoogi = qint16(cmbKopHoog->currentIndex());
        m_kop.kophoog = qint16(Getal(cmbKopHoog));
    }
    if (Laden != 1)
        TekenKoptekst();
}

void frmSitekop::KopVert_Click()
{
    if (cmbKopVert->currentIndex() >= 0) {
        m_kop.kopverti = qint16(cmbKopVert->currentIndex());
        m_kop.kopvert = qint16(Getal(cmbKopVert));
    }
    if (Laden != 1)
        TekenKoptekst();
}

void frmSitekop::KopFont_Click()
{
    const std::optional<QString> naam = m_dialogen.KiesLettertype(this, m_kop.kopfont);
    if (!naam)
        return;
    lblKopFont->setText(*naam);
    m_kop.kopfont = *naam;
    TekenKoptekst();
}

void frmSitekop::ToonKleur(QLabel* staal, qint32 kleur)
{
    QPalette palet = staal->palette();
    palet.setColor(QPalette::Window, KleurVan(kleur));
    staal->setPalette(palet);
}

void frmSitekop::KopKleur_Click(bool achtergrond)
{
    const std::optional<QColor> kleur = m_dialogen.KiesKleur(this);
    if (!kleur)
        return;
    QLabel* staal = achtergrond ? lblKopBack : lblKopKleur;
    ToonKleur(staal, KleurWaarde(*kleur));
    const qint32 waarde = KleurWaarde(staal->palette().color(QPalette::Window));
    if (achtergrond)
        m_kop.kopback = waarde;
    else
        m_kop.kopkleur = waarde;
    TekenKoptekst();
}

void frmSitekop::KiesAfb_Click()
{
    P0->ZetLogo(QImage());
    Label7->clear();
    NieuwLogo.clear();
    const std::optional<QString> pad = m_dialogen.KiesAfbeelding(this, LogoStartMap(), LogoFilter);
    if (!pad || pad->isEmpty())
        return;
    if (!LogoExtensie(*pad)) {
        m_meldingen.Toon(QStringLiteral("Kies een afbeelding met de extensie .bmp, .gif, .jpg of .ico."),
                         Meldingen::Pictogram::Uitroep);
        return;
    }
    NieuwLogo = *pad;
    Label7->setText(Paden::Toon(NieuwLogo));
    Label8->setText(QStringLiteral("Nieuw gekozen logobestand"));
    LaadLogo();
}

void frmSitekop::Akkoord_Click()
{
    if (m_kop.kopvakbr < 500 || m_kop.kopvakbr > 999) {
        MeldBreedte();
        return;
    }
    BewaarLogo(m_mapKop, NieuwLogo, m_kop);
    // A header that could not be saved keeps the window open, so that nothing is lost.
    const QString pad = Paden::Samen(m_mapKop, StandaardNaamKop);
    if (MeldAlsNietOpgeslagen(SchrijfKop(m_mapKop, StandaardNaamKop, m_speeldag, m_clubnaam, m_kop), pad, m_meldingen))
        accept();
}

void frmSitekop::Annu_Click()
{
    HerstelKop();
    reject();
}
