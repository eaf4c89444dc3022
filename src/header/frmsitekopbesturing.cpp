#include "header/frmsitekop.h"

#include "common/toetsenbord.h"
#include "header/kopvlak.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// The controls of the header designer and their arrangement.

namespace {

const QString LogoTooltip = QStringLiteral(
    "Met deze instellingen bepaalt u zelf hoe de kop op de afmeldsite er uit gaat zien");
const QString VertTooltip = QStringLiteral("Uitproberen, dit kan per lettertype verschillen.");

template <class T> T* Maak(const char* naam)
{
    T* w = new T;
    w->setObjectName(QLatin1String(naam));
    return w;
}

QLabel* Opschrift(const char* naam, const QString& tekst = {}, QWidget* buddy = nullptr)
{
    QLabel* l = Maak<QLabel>(naam);
    l->setText(tekst);
    l->setBuddy(buddy);
    // A list would be read out by its entry; it takes its caption, as a text box does.
    if (qobject_cast<QComboBox*>(buddy))
        buddy->setAccessibleName(tekst.chopped(1));
    return l;
}

QPushButton* Knop(const char* naam, const QString& tekst)
{
    QPushButton* k = Maak<QPushButton>(naam);
    k->setText(tekst);
    // Enter in a text box must not press a button and close the window.
    k->setAutoDefault(false);
    return k;
}

QGroupBox* Kader(const char* naam, const QString& titel)
{
    QGroupBox* kader = Maak<QGroupBox>(naam);
    kader->setTitle(titel);
    return kader;
}

// Widgets side by side, the rest of the row left empty.
QHBoxLayout* Rij(std::initializer_list<QWidget*> delen)
{
    auto* rij = new QHBoxLayout;
    for (QWidget* deel : delen)
        rij->addWidget(deel);
    rij->addStretch();
    return rij;
}

} // namespace

void FrmSitekop::MaakBesturing()
{
    lblKopBreed = Opschrift("lblKopBreed");
    Label6 = Opschrift("Label6", QStringLiteral("Werkelijke beeld op de internet-site"));
    P0 = Maak<KopVlak>("P0");

    Frame1 = Kader("Frame1", QStringLiteral("Kopvak-afmetingen (in pixels)"));
    txtKopVakBr = Maak<QLineEdit>("txtKopVakBr");
    Label16 = Opschrift("Label16", QStringLiteral("Kopvak-breedte:"), txtKopVakBr);
    txtKopVakBr->setToolTip(QStringLiteral("Waarde overnemen van de breedte van de internet-pagina. "
                                           "Internet-pagina wordt niet gewijzigd!!"));
    txtKopVakBr->installEventFilter(this);
    Label15 = Opschrift("Label15", QStringLiteral("(500-999)"));
    cmbKopVakHo = Maak<QComboBox>("cmbKopVakHo");
    Label14 = Opschrift("Label14", QStringLiteral("Kopvak-hoogte:"), cmbKopVakHo);
    cmbKopVakHo->setToolTip(QStringLiteral("100 pixels is een gemiddelde waarde."));
    Label20 = Opschrift("Label20", QStringLiteral("(70-130)"));

    frmLogo = Kader("frmLogo", QStringLiteral("Maak een logo"));
    frmLogo->setToolTip(LogoTooltip);
    frmLogo->setAcceptDrops(true);
    frmLogo->installEventFilter(this);
    Label1 = Opschrift("Label1", QStringLiteral("Maximale LOGO-ruimte links in de kop is:"));
    Label3 = Opschrift("Label3");
    Label5 = Opschrift("Label5", QStringLiteral("pixels"));
    cmbMa = Maak<QComboBox>("cmbMa");
    Label2 = Opschrift("Label2", QStringLiteral("Marge (in pixels) rond het logo:"), cmbMa);
    Label8 = Opschrift("Label8");
    Label7 = Opschrift("Label7", QStringLiteral("..."));
    Label7->setAccessibleName(QStringLiteral("Logobestand"));
    cmdKiesAfb = Knop("cmdKiesAfb", QStringLiteral("Kies een afbeelding"));
    Label9 = Opschrift("Label9");

    chkLogojanee = Maak<QCheckBox>("chkLogojanee");
    chkLogojanee->setText(QStringLiteral("Logo daadwerkelijk plaatsen?"));
    chkLogojanee->setToolTip(QStringLiteral("Hiermee bepaalt u of er werkelijk een logo geplaatst "
                                            "wordt, zoniet dan beslaat de tekst de hele kopbreedte"));

    frmTekst = Kader("frmTekst", QStringLiteral("Maak de kopteksten"));
    frmTekst->setToolTip(LogoTooltip);
    txtKopTekst = Maak<QLineEdit>("txtKopTekst");
    Label10 = Opschrift("Label10", QStringLiteral("Koptekst:"), txtKopTekst);
    cmdKopFont = Knop("cmdKopFont", QStringLiteral("Lettertype "));
    cmdKopFont->setAccessibleName(QStringLiteral("Lettertype"));
    cmdKopFont->setToolTip(QStringLiteral("Kies hier alleen het lettertype, de rest wordt genegeerd."));
    lblKopFont = Opschrift("lblKopFont");
    cmbKopHoog = Maak<QComboBox>("cmbKopHoog");
    Label4 = Opschrift("Label4", QStringLiteral("Letterhoogte:"), cmbKopHoog);
    chkKopVet = Maak<QCheckBox>("chkKopVet");
    chkKopVet->setText(QStringLiteral("Vet"));
    cmdKopKleur = Knop("cmdKopKleur", QStringLiteral("Tekstkleur"));
    lblKopKleur = Opschrift("lblKopKleur");
    cmdKopBack = Knop("cmdKopBack", QStringLiteral("Achtergrondkleur"));
    lblKopBack = Opschrift("lblKopBack");
    // A swatch is named for what it colours; its description says the colour.
    for (auto [staal, naam] : {std::pair{lblKopKleur, "Tekstkleur"}, std::pair{lblKopBack, "Achtergrondkleur"}}) {
        staal->setAccessibleName(QLatin1String(naam));
        staal->setFrameShape(QFrame::Box);
        staal->setAutoFillBackground(true);
        staal->setMinimumSize(40, 22);
    }
    cmbKopVert = Maak<QComboBox>("cmbKopVert");
    Label11 = Opschrift("Label11", QStringLiteral("Positie vertikaal:"), cmbKopVert);
    Label11->setToolTip(VertTooltip);
    cmbKopVert->setToolTip(VertTooltip);
    txtTL = Maak<QLineEdit>("txtTL");
    Label12 = Opschrift("Label12", QStringLiteral("Tekst linksonder:"), txtTL);
    txtTR = Maak<QLineEdit>("txtTR");
    Label13 = Opschrift("Label13", QStringLiteral("Tekst rechtsonder:"), txtTR);

    cmdAnnu = Knop("cmdAnnu", QStringLiteral("Annuleren"));
    cmdAnnu->setToolTip(QStringLiteral("Met annuleren worden eventuele wijzigingen niet doorgevoerd."));
    cmdAkkoord = Knop("cmdAkkoord", QStringLiteral("Akkoord en opslaan"));
    MaakOpmaak();

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

// The design's arrangement: the preview across the top with its captions, the size and logo
// frames on the left, the text frame on the right, the buttons at the bottom right.
void FrmSitekop::MaakOpmaak()
{
    auto* venster = new QVBoxLayout(this);
    venster->setContentsMargins(P0Links, 8, 8, 8);

    // The caption stands above the middle of the header box: the columns beside it are
    // equally wide, and the grid is as wide as the box.
    m_kopOpmaak = new QGridLayout;
    m_kopOpmaak->setHorizontalSpacing(10);
    m_kopOpmaak->addWidget(lblKopBreed, 0, 0, Qt::AlignLeft);
    m_kopOpmaak->addWidget(Label6, 0, 1);
    m_kopOpmaak->addWidget(P0, 1, 0, 1, 3);
    m_kopOpmaak->setColumnStretch(0, 1);
    m_kopOpmaak->setColumnStretch(2, 1);
    auto* kopRij = new QHBoxLayout;
    kopRij->addLayout(m_kopOpmaak);
    kopRij->addStretch();
    venster->addLayout(kopRij);

    auto* maten = new QGridLayout(Frame1);
    maten->addWidget(Label16, 0, 0);
    maten->addWidget(txtKopVakBr, 0, 1);
    maten->addWidget(Label15, 0, 2);
    maten->addWidget(Label14, 1, 0);
    maten->addWidget(cmbKopVakHo, 1, 1);
    maten->addWidget(Label20, 1, 2);
    maten->setColumnStretch(3, 1);
    txtKopVakBr->setMaximumWidth(txtKopVakBr->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);

    auto* logo = new QGridLayout(frmLogo);
    logo->addWidget(Label1, 0, 0, 1, 2);
    logo->addLayout(Rij({Label3, Label5}), 1, 0, 1, 2);
    logo->addWidget(Label2, 2, 0);
    logo->addWidget(cmbMa, 2, 1, Qt::AlignLeft);
    logo->addWidget(Label8, 3, 0, 1, 2);
    logo->addWidget(Label7, 4, 0, 1, 2);
    logo->addWidget(cmdKiesAfb, 5, 0, Qt::AlignLeft | Qt::AlignTop);
    logo->addWidget(Label9, 5, 1);
    logo->setColumnStretch(1, 1);

    auto* links = new QVBoxLayout;
    links->addWidget(Frame1);
    links->addWidget(frmLogo);
    links->addWidget(chkLogojanee);
    links->addStretch();

    auto* tekst = new QGridLayout(frmTekst);
    tekst->addWidget(Label10, 0, 0);
    tekst->addWidget(txtKopTekst, 0, 1);
    tekst->addWidget(cmdKopFont, 1, 0);
    tekst->addWidget(lblKopFont, 1, 1);
    tekst->addWidget(Label4, 2, 0);
    tekst->addLayout(Rij({cmbKopHoog, chkKopVet}), 2, 1);
    tekst->addWidget(cmdKopKleur, 3, 0);
    tekst->addLayout(Rij({lblKopKleur, cmdKopBack, lblKopBack}), 3, 1);
    tekst->addWidget(Label11, 4, 0);
    tekst->addLayout(Rij({cmbKopVert}), 4, 1);
    tekst->addWidget(Label12, 5, 0);
    tekst->addWidget(txtTL, 5, 1);
    tekst->addWidget(Label13, 6, 0);
    tekst->addWidget(txtTR, 6, 1);
    tekst->setRowStretch(7, 1);

    auto* midden = new QHBoxLayout;
    midden->addLayout(links);
    midden->addWidget(frmTekst, 1);
    venster->addLayout(midden, 1);

    auto* knoppen = new QHBoxLayout;
    knoppen->setSpacing(0);
    knoppen->addStretch();
    knoppen->addWidget(cmdAnnu);
    knoppen->addSpacing(20);
    knoppen->addWidget(cmdAkkoord);
    venster->addLayout(knoppen);
}
