#include "header/frmsitekop.h"

#include "common/venstertoetsenbord.h"
#include "header/vensterkopvlak.h"

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

template <class T>
T* Maak(const char* naam)
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
    m_lblKopBreed = Opschrift("lblKopBreed");
    m_Label6 = Opschrift("Label6", QStringLiteral("Werkelijke beeld op de internet-site"));
    m_P0 = Maak<KopVlak>("P0");

    m_Frame1 = Kader("Frame1", QStringLiteral("Kopvak-afmetingen (in pixels)"));
    m_txtKopVakBr = Maak<QLineEdit>("txtKopVakBr");
    m_Label16 = Opschrift("Label16", QStringLiteral("Kopvak-breedte:"), m_txtKopVakBr);
    m_txtKopVakBr->setToolTip(QStringLiteral("Waarde overnemen van de breedte van de internet-pagina. "
                                             "Internet-pagina wordt niet gewijzigd!!"));
    m_txtKopVakBr->installEventFilter(this);
    m_Label15 = Opschrift("Label15", QStringLiteral("(500-999)"));
    m_cmbKopVakHo = Maak<QComboBox>("cmbKopVakHo");
    m_Label14 = Opschrift("Label14", QStringLiteral("Kopvak-hoogte:"), m_cmbKopVakHo);
    m_cmbKopVakHo->setToolTip(QStringLiteral("100 pixels is een gemiddelde waarde."));
    m_Label20 = Opschrift("Label20", QStringLiteral("(70-130)"));

    m_frmLogo = Kader("frmLogo", QStringLiteral("Maak een logo"));
    m_frmLogo->setToolTip(LogoTooltip);
    m_frmLogo->setAcceptDrops(true);
    m_frmLogo->installEventFilter(this);
    m_Label1 = Opschrift("Label1", QStringLiteral("Maximale LOGO-ruimte links in de kop is:"));
    m_Label3 = Opschrift("Label3");
    m_Label5 = Opschrift("Label5", QStringLiteral("pixels"));
    m_cmbMa = Maak<QComboBox>("cmbMa");
    m_Label2 = Opschrift("Label2", QStringLiteral("Marge (in pixels) rond het logo:"), m_cmbMa);
    m_Label8 = Opschrift("Label8");
    m_Label7 = Opschrift("Label7", QStringLiteral("..."));
    m_Label7->setAccessibleName(QStringLiteral("Logobestand"));
    m_cmdKiesAfb = Knop("cmdKiesAfb", QStringLiteral("Kies een afbeelding"));
    m_Label9 = Opschrift("Label9");

    m_chkLogojanee = Maak<QCheckBox>("chkLogojanee");
    m_chkLogojanee->setText(QStringLiteral("Logo daadwerkelijk plaatsen?"));
    m_chkLogojanee->setToolTip(QStringLiteral("Hiermee bepaalt u of er werkelijk een logo geplaatst "
                                              "wordt, zoniet dan beslaat de tekst de hele kopbreedte"));

    m_frmTekst = Kader("frmTekst", QStringLiteral("Maak de kopteksten"));
    m_frmTekst->setToolTip(LogoTooltip);
    m_txtKopTekst = Maak<QLineEdit>("txtKopTekst");
    m_Label10 = Opschrift("Label10", QStringLiteral("Koptekst:"), m_txtKopTekst);
    m_cmdKopFont = Knop("cmdKopFont", QStringLiteral("Lettertype "));
    m_cmdKopFont->setAccessibleName(QStringLiteral("Lettertype"));
    m_cmdKopFont->setToolTip(QStringLiteral("Kies hier alleen het lettertype, de rest wordt genegeerd."));
    m_lblKopFont = Opschrift("lblKopFont");
    m_cmbKopHoog = Maak<QComboBox>("cmbKopHoog");
    m_Label4 = Opschrift("Label4", QStringLiteral("Letterhoogte:"), m_cmbKopHoog);
    m_chkKopVet = Maak<QCheckBox>("chkKopVet");
    m_chkKopVet->setText(QStringLiteral("Vet"));
    m_cmdKopKleur = Knop("cmdKopKleur", QStringLiteral("Tekstkleur"));
    m_lblKopKleur = Opschrift("lblKopKleur");
    m_cmdKopBack = Knop("cmdKopBack", QStringLiteral("Achtergrondkleur"));
    m_lblKopBack = Opschrift("lblKopBack");
    // A swatch is named for what it colours; its description says the colour.
    for (auto [staal, naam] : {std::pair{m_lblKopKleur, "Tekstkleur"}, std::pair{m_lblKopBack, "Achtergrondkleur"}}) {
        staal->setAccessibleName(QLatin1String(naam));
        staal->setFrameShape(QFrame::Box);
        staal->setAutoFillBackground(true);
        staal->setMinimumSize(40, 22);
    }
    m_cmbKopVert = Maak<QComboBox>("cmbKopVert");
    m_Label11 = Opschrift("Label11", QStringLiteral("Positie vertikaal:"), m_cmbKopVert);
    m_Label11->setToolTip(VertTooltip);
    m_cmbKopVert->setToolTip(VertTooltip);
    m_txtTL = Maak<QLineEdit>("txtTL");
    m_Label12 = Opschrift("Label12", QStringLiteral("Tekst linksonder:"), m_txtTL);
    m_txtTR = Maak<QLineEdit>("txtTR");
    m_Label13 = Opschrift("Label13", QStringLiteral("Tekst rechtsonder:"), m_txtTR);

    m_cmdAnnu = Knop("cmdAnnu", QStringLiteral("Annuleren"));
    m_cmdAnnu->setToolTip(QStringLiteral("Met annuleren worden eventuele wijzigingen niet doorgevoerd."));
    m_cmdAkkoord = Knop("cmdAkkoord", QStringLiteral("Akkoord en opslaan"));
    MaakOpmaak();

    // Keyboard: the captions keep their texts, so the buttons get Alt keys of their own.
    const std::pair<QPushButton*, char> sneltoetsen[] = {{m_cmdKiesAfb, 'K'}, {m_cmdKopFont, 'L'}, {m_cmdKopKleur, 'T'}, {m_cmdKopBack, 'G'}, {m_cmdAnnu, 'N'}, {m_cmdAkkoord, 'A'}};
    for (const auto& [knop, letter] : sneltoetsen)
        Toetsenbord::ZetSneltoets(knop, QKeySequence(Qt::ALT | Qt::Key(letter)));
    // Down the left column, then down the right one, then the buttons from left to right.
    Toetsenbord::ZetTabVolgorde({m_txtKopVakBr, m_cmbKopVakHo, m_cmbMa, m_cmdKiesAfb, m_chkLogojanee, m_txtKopTekst,
                                 m_cmdKopFont, m_cmbKopHoog, m_chkKopVet, m_cmdKopKleur, m_cmdKopBack, m_cmbKopVert, m_txtTL,
                                 m_txtTR, m_cmdAnnu, m_cmdAkkoord});

    connect(m_cmbKopVakHo, &QComboBox::activated, this, [this] { KopVakHo_Click(); });
    connect(m_cmbMa, &QComboBox::activated, this, [this] { Ma_Click(); });
    connect(m_chkLogojanee, &QCheckBox::clicked, this, [this] { Logojanee_Click(); });
    connect(m_txtKopTekst, &QLineEdit::textChanged, this, [this](const QString& tekst) {
        m_kop.koptekst = tekst;
        if (m_Laden != 1)
            TekenKoptekst();
    });
    connect(m_cmbKopHoog, &QComboBox::activated, this, [this] { KopHoog_Click(); });
    connect(m_chkKopVet, &QCheckBox::clicked, this, [this](bool aan) {
        m_kop.kopvet = aan ? 1 : 0;
        if (m_Laden != 1)
            TekenKoptekst();
    });
    connect(m_cmbKopVert, &QComboBox::activated, this, [this] { KopVert_Click(); });
    connect(m_txtTL, &QLineEdit::textChanged, this, [this](const QString& tekst) {
        m_kop.tekstlo = tekst;
        TekenHoekteksten();
    });
    connect(m_txtTR, &QLineEdit::textChanged, this, [this](const QString& tekst) {
        m_kop.tekstro = tekst;
        TekenHoekteksten();
    });
    connect(m_cmdKopFont, &QPushButton::clicked, this, [this] { KopFont_Click(); });
    connect(m_cmdKopKleur, &QPushButton::clicked, this, [this] { KopKleur_Click(false); });
    connect(m_cmdKopBack, &QPushButton::clicked, this, [this] { KopKleur_Click(true); });
    connect(m_cmdKiesAfb, &QPushButton::clicked, this, [this] { KiesAfb_Click(); });
    connect(m_cmdAkkoord, &QPushButton::clicked, this, [this] { Akkoord_Click(); });
    connect(m_cmdAnnu, &QPushButton::clicked, this, [this] { Annu_Click(); });
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
    m_kopOpmaak->addWidget(m_lblKopBreed, 0, 0, Qt::AlignLeft);
    m_kopOpmaak->addWidget(m_Label6, 0, 1);
    m_kopOpmaak->addWidget(m_P0, 1, 0, 1, 3);
    m_kopOpmaak->setColumnStretch(0, 1);
    m_kopOpmaak->setColumnStretch(2, 1);
    auto* kopRij = new QHBoxLayout;
    kopRij->addLayout(m_kopOpmaak);
    kopRij->addStretch();
    venster->addLayout(kopRij);

    auto* maten = new QGridLayout(m_Frame1);
    maten->addWidget(m_Label16, 0, 0);
    maten->addWidget(m_txtKopVakBr, 0, 1);
    maten->addWidget(m_Label15, 0, 2);
    maten->addWidget(m_Label14, 1, 0);
    maten->addWidget(m_cmbKopVakHo, 1, 1);
    maten->addWidget(m_Label20, 1, 2);
    maten->setColumnStretch(3, 1);
    m_txtKopVakBr->setMaximumWidth(m_txtKopVakBr->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);

    auto* logo = new QGridLayout(m_frmLogo);
    logo->addWidget(m_Label1, 0, 0, 1, 2);
    logo->addLayout(Rij({m_Label3, m_Label5}), 1, 0, 1, 2);
    logo->addWidget(m_Label2, 2, 0);
    logo->addWidget(m_cmbMa, 2, 1, Qt::AlignLeft);
    logo->addWidget(m_Label8, 3, 0, 1, 2);
    logo->addWidget(m_Label7, 4, 0, 1, 2);
    logo->addWidget(m_cmdKiesAfb, 5, 0, Qt::AlignLeft | Qt::AlignTop);
    logo->addWidget(m_Label9, 5, 1);
    logo->setColumnStretch(1, 1);

    auto* links = new QVBoxLayout;
    links->addWidget(m_Frame1);
    links->addWidget(m_frmLogo);
    links->addWidget(m_chkLogojanee);
    links->addStretch();

    auto* tekst = new QGridLayout(m_frmTekst);
    tekst->addWidget(m_Label10, 0, 0);
    tekst->addWidget(m_txtKopTekst, 0, 1);
    tekst->addWidget(m_cmdKopFont, 1, 0);
    tekst->addWidget(m_lblKopFont, 1, 1);
    tekst->addWidget(m_Label4, 2, 0);
    tekst->addLayout(Rij({m_cmbKopHoog, m_chkKopVet}), 2, 1);
    tekst->addWidget(m_cmdKopKleur, 3, 0);
    tekst->addLayout(Rij({m_lblKopKleur, m_cmdKopBack, m_lblKopBack}), 3, 1);
    tekst->addWidget(m_Label11, 4, 0);
    tekst->addLayout(Rij({m_cmbKopVert}), 4, 1);
    tekst->addWidget(m_Label12, 5, 0);
    tekst->addWidget(m_txtTL, 5, 1);
    tekst->addWidget(m_Label13, 6, 0);
    tekst->addWidget(m_txtTR, 6, 1);
    tekst->setRowStretch(7, 1);

    auto* midden = new QHBoxLayout;
    midden->addLayout(links);
    midden->addWidget(m_frmTekst, 1);
    venster->addLayout(midden, 1);

    auto* knoppen = new QHBoxLayout;
    knoppen->setSpacing(0);
    knoppen->addStretch();
    knoppen->addWidget(m_cmdAnnu);
    knoppen->addSpacing(20);
    knoppen->addWidget(m_cmdAkkoord);
    venster->addLayout(knoppen);
}
