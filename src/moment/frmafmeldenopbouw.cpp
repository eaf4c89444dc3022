// The controls of the sign-off settings window and their fixed texts.
#include "moment/frmafmelden.h"
#include "moment/regelmodel.h"

#include "common/venstertoetsenbord.h"
#include "moment/eindtijd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

namespace {

template <typename T>
T* Maak(T* control, const char* naam, const QString& tip = {})
{
    control->setObjectName(QLatin1String(naam));
    if (!tip.isEmpty())
        control->setToolTip(tip);
    return control;
}

QLabel* Label(const QString& tekst, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(tekst);
    label->setWordWrap(true);
    if (buddy)
        label->setBuddy(buddy);
    // Screen readers take a list's name from the list itself, not from its buddy.
    if (auto* lijst = qobject_cast<QAbstractItemView*>(buddy))
        lijst->setAccessibleName(tekst);
    return label;
}

QGroupBox* Frame(const QString& titel, QLayout* inhoud, const char* naam = nullptr)
{
    auto* frame = new QGroupBox(titel);
    if (naam)
        frame->setObjectName(QLatin1String(naam));
    // Tight spacing: everything has to fit the window's fixed 8950 twips.
    inhoud->setContentsMargins(6, 4, 6, 4);
    inhoud->setSpacing(3);
    frame->setLayout(inhoud);
    return frame;
}

} // namespace

void FrmAfmelden::BouwVenster()
{
    // 1. Season months and the calendar
    m_cmbVan = Maak(new QComboBox, "cmbVan");
    m_cmbTot = Maak(new QComboBox, "cmbTot");
    for (QComboBox* maand : {m_cmbVan, m_cmbTot}) {
        maand->setMaxVisibleItems(16);
        maand->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        maand->setMinimumContentsLength(14);
    }
    m_cmdMaakDatums = Maak(new QPushButton(QStringLiteral("Maak de speelkalender")), "cmdMaakDatums");
    m_chkWijzData = Maak(new QCheckBox(QStringLiteral("Data wijzigen?")), "chkWijzData");
    auto* f1 = new QVBoxLayout;
    f1->addWidget(Label(QStringLiteral("Van Seizoenmaand:"), m_cmbVan));
    f1->addWidget(m_cmbVan);
    f1->addWidget(Label(QStringLiteral("t/m Seizoenmaand:"), m_cmbTot));
    f1->addWidget(m_cmbTot);
    f1->addWidget(m_cmdMaakDatums);
    f1->addWidget(m_chkWijzData);
    f1->addWidget(Label(QStringLiteral("Selecteer nu hiernaast de juiste speeldagen.")));
    f1->addStretch(1);

    m_lstDagen = Maak(new QListWidget, "lstDagen",
                      QStringLiteral("Actuele speeldagen AAN- of AFVINKEN.  Verlopen datums zullen nimmer getoond worden."));
    m_cmdSelect = Maak(new QPushButton(QStringLiteral("Selecteer alles")), "cmdSelect");
    m_cmdDeselect = Maak(new QPushButton(QStringLiteral("Selecteer niets")), "cmdDeselect");
    auto* kalender = new QVBoxLayout;
    kalender->addWidget(Label(QStringLiteral("1a. Speelkalender"), m_lstDagen));
    kalender->addWidget(m_lstDagen, 1);
    auto* selectie = new QHBoxLayout;
    selectie->addWidget(m_cmdSelect);
    selectie->addWidget(m_cmdDeselect);
    kalender->addLayout(selectie);

    // 2. and 3. Addresses
    m_txtEmailadressen = Maak(new QPlainTextEdit, "txtEmailadressen",
                              QStringLiteral("Bijvoorbeeld: secretaris@bridgeclub.nl (eenmalig)"));
    m_txtEmailadressen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtEmailadressen->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txtEmailadressen->setTabChangesFocus(true);
    auto* f2 = new QVBoxLayout;
    f2->addWidget(Label(QStringLiteral("Email-adressen van personen die de AFMELDING eventueel kunnen ontvangen."),
                        m_txtEmailadressen));
    f2->addWidget(Label(QStringLiteral("Kies bij punt 3 wie daadwerkelijk de afmelding krijgt.")));
    f2->addWidget(m_txtEmailadressen, 1);

    m_lstActEmails = Maak(new QListWidget, "lstActEmails",
                          QStringLiteral("Alleen de AANGEVINKTE emailadressen ontvangen de AFMELDINGEN."));
    auto* f3 = new QVBoxLayout;
    f3->addWidget(Label(QStringLiteral("Actuele AFMELDadressen aanvinken:"), m_lstActEmails));
    f3->addWidget(m_lstActEmails, 1);

    // 4. Options
    m_chk1 = Maak(new QCheckBox(QStringLiteral("Afmeldadressen activeren.")), "chk1");
    m_chk1->setEnabled(false); // only the settings file changes it
    m_chk2 = Maak(new QCheckBox(QStringLiteral("Emailbevestiging activeren.")), "chk2");
    m_txtContactPers = Maak(new QLineEdit, "txtContactPers",
                            QStringLiteral("Bijv: Jan de Vries. (verschijnt op de site, indien leeg verschijnt niets)"));
    m_txtEindtijd = Maak(new QLineEdit, "txtEindtijd",
                         QStringLiteral("Tijdstip tot wanneer er gemeld kan worden, bijv 15:30 uur op de actuele speeldag."));
    m_txtEindtijd->setMaximumWidth(80);
    Toetsenbord::ZetTekenFilter(m_txtEindtijd, &Eindtijd::ToetsToegestaan);
    auto* f4 = new QVBoxLayout;
    f4->addWidget(Label(QStringLiteral("Inschakelen van acties op de site.")));
    f4->addWidget(m_chk1);
    f4->addWidget(m_chk2);
    f4->addWidget(Label(QStringLiteral("Naam contactpersoon: (niet verplicht)"), m_txtContactPers));
    f4->addWidget(m_txtContactPers);
    f4->addWidget(Label(QStringLiteral("Eindtijd voor afmelden:"), m_txtEindtijd));
    f4->addWidget(m_txtEindtijd);
    f4->addStretch(1);

    // 5. Groups and site boxes
    m_lst1 = Maak(new QListWidget, "lst1");
    m_lst1->setAccessibleName(QStringLiteral("Kies benodigde spelergroep(en)"));
    auto* fGroepen = new QVBoxLayout;
    fGroepen->addWidget(m_lst1);

    // A read-only view of one line per member: laid out lazily, so a change of groups in a
    // club of thousands costs a millisecond, not a text layout of every line.
    m_txt1 = Maak(new QListView, "txt1");
    m_txt1->setModel(new RegelModel(m_txt1));
    m_txt1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_txt1->setUniformItemSizes(true);
    m_txt1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_txt1->setAccessibleName(QStringLiteral("Spelers van de aangevinkte groepen"));
    m_Label6 = Maak(new QLabel(QStringLiteral("Aantal ....")), "Label6");
    // The captions in the overview's font, starting where its text starts, so that
    // padding them with blanks puts each over its column.
    m_lblKolommen = Maak(new QLabel, "lblKolommen");
    m_lblKolommen->setFont(m_txt1->font());
    m_lblKolommen->setContentsMargins(
        m_txt1->frameWidth() + m_txt1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_txt1) + 1, 0,
        0, 0);
    auto* leden = new QVBoxLayout;
    leden->addWidget(m_lblKolommen);
    leden->addWidget(m_txt1, 1);
    leden->addWidget(m_Label6);

    const char* vakNamen[] = {"naam1", "partner", "inval1", "inval3"};
    const QString vakTips[] = {QStringLiteral("'naam1' is 1e keuzevak op de Site"),
                               QStringLiteral("'partner' is 2e keuzevak op de Site of autom. getoonde Partner."),
                               QStringLiteral("\u00EDnval1' is 3e keuzevak op de Site"),
                               QStringLiteral("'inval3' is 4e keuzevak op de Site")};
    auto* vakken = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        m_txtB1[i] = Maak(new QLineEdit(QLatin1String(vakNamen[i])), "txtB1", vakTips[i]);
        m_txtB1[i]->setReadOnly(true);
        m_txtB1[i]->setFocusPolicy(Qt::NoFocus);
        m_txtB1[i]->setStyleSheet(QStringLiteral("background: #d4d0c8;"));
        m_txtB1[i]->setProperty("index", i);
        m_txtB1[i]->setAccessibleName(vakTips[i]);
        m_txtB2[i] = Maak(new QLineEdit, "txtB2",
                          i == 0 ? QStringLiteral("1 wil zeggen: de leden van bovenstaande groep 1")
                                 : QStringLiteral("1,3 wil zeggen: de leden van groep 1 EN 3."));
        m_txtB2[i]->setProperty("index", i);
        Toetsenbord::ZetTekenFilter(m_txtB2[i], [](QChar c) { return txtB2_KeyPress(c.unicode()) != 0; });
        m_txtB2[i]->setAccessibleName(QStringLiteral("SpelerGroepNummer(s) voor ") + QLatin1String(vakNamen[i]));
        // The boxes keep their height; the member overview gives way instead.
        m_txtB1[i]->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        m_txtB2[i]->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        vakken->addWidget(m_txtB1[i], i, 0);
        vakken->addWidget(m_txtB2[i], i, 1);
    }
    // In the cell of the 'partner' group box, so it stands exactly in front of it at any
    // size and font.
    m_Text1 = Maak(new QLineEdit(QStringLiteral("(partners)")), "Text1",
                   QStringLiteral("Partner van 'naam1' wordt automatisch getoond."));
    m_Text1->setReadOnly(true);
    m_Text1->setFocusPolicy(Qt::NoFocus);
    m_Text1->setStyleSheet(QStringLiteral("background: #d4d0c8;"));
    m_Text1->setAccessibleName(m_Text1->toolTip());
    m_Text1->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_Text1->hide();
    vakken->addWidget(m_Text1, 1, 1);
    m_chkPartnerOok = Maak(new QCheckBox(QStringLiteral("Speler 'Partner..' ook tonen")), "chkPartnerOok",
                           QStringLiteral("Ook de dummyleden 'Partner1' enz  in de lijsten, zodat losse spelers zich "
                                          "ook kunnen melden."));
    m_chkPartnerOok->setEnabled(false); // only the settings file changes it
    auto* fVakken = new QVBoxLayout;
    fVakken->addWidget(Label(QStringLiteral("Welk SpelerGroepNummer(s) naar welk keuzevak op de site:")));
    fVakken->addLayout(vakken);
    fVakken->addWidget(m_chkPartnerOok);
    auto* siteVakken = Frame(QStringLiteral("Site-naamvakken vullen:"), fVakken);
    m_Text1->raise();

    m_cmbPartner = Maak(new QComboBox, "cmbPartner",
                        QStringLiteral("Kies hier het vereiste parenbestand voor 'naam1' en 'partner'."));
    m_cmbPartner->setAccessibleName(QStringLiteral("Kies evt. Partnerbestand"));
    m_chkToonPartner = Maak(new QCheckBox(QStringLiteral("Toon Partner op website")), "chkToonPartner",
                            QStringLiteral("Aanvinken als u daadwerkelijk gebruik wil maken van deze optie. (niet "
                                           "verplicht)"));
    auto* cmdHelpPartner = Maak(new QPushButton(QStringLiteral("?")), "cmdHelpPartner");
    cmdHelpPartner->setAccessibleName(QStringLiteral("Partnerbestand"));
    cmdHelpPartner->setFixedWidth(28);
    auto* f8 = new QVBoxLayout;
    f8->addWidget(m_cmbPartner);
    f8->addWidget(m_chkToonPartner);
    m_Frame8 = Frame(QStringLiteral("Kies evt. Partnerbestand"), f8, "Frame8");
    // Help stays available while the frame is disabled, so it stands beside it.
    auto* partner = new QHBoxLayout;
    partner->addWidget(m_Frame8, 1);
    partner->addWidget(cmdHelpPartner, 0, Qt::AlignBottom);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(siteVakken);
    rechts->addLayout(partner);
    auto* f5 = new QHBoxLayout;
    f5->addWidget(Frame(QStringLiteral("Kies benodigde spelergroep(en)"), fGroepen), 2);
    f5->addLayout(leden, 3);
    f5->addLayout(rechts, 3);

    // Buttons
    m_lblSpeeldag = Maak(new QLabel, "lblSpeeldag");
    auto* cmdHelp = Maak(new QPushButton(QStringLiteral("Aanwijzingen")), "cmdHelp");
    auto* cmdKopInstellen = Maak(new QPushButton(QStringLiteral("Koptekst en logo instellen")), "cmdKopInstellen");
    auto* cmdOverzicht = Maak(new QPushButton(QStringLiteral("Bekijk overzicht")), "cmdOverzicht");
    auto* cmdVoorbeeld = Maak(new QPushButton(QStringLiteral("Voorbeeld afmeldsite")), "cmdVoorbeeld",
                              QStringLiteral("Toont de kop, de naamvakken en de speeldagen zoals de afmeldsite ze "
                                             "met de instellingen van nu vult. Er wordt niets opgeslagen."));
    auto* f10 = new QHBoxLayout;
    f10->addWidget(cmdKopInstellen);
    f10->addWidget(cmdOverzicht);
    f10->addWidget(cmdVoorbeeld);
    m_Frame10 = Frame(QStringLiteral("Site-koptekst maken"), f10, "Frame10");
    m_Frame10->hide();
    m_cmdEinde = Maak(new QPushButton(QStringLiteral("Indien OKE dan terug")), "cmdEinde");
    m_cmbAfbreken = Maak(new QPushButton(QStringLiteral("Afbreken (niet opslaan!)")), "cmbAfbreken");

    auto* boven = new QHBoxLayout;
    boven->addWidget(Frame(QStringLiteral("1. Kies Seizoenmaanden"), f1), 2);
    boven->addLayout(kalender, 3);
    boven->addWidget(Frame(QStringLiteral("2. Emailadr. van evt afmeldadr."), f2), 3);
    boven->addWidget(Frame(QStringLiteral("3. Te gebruiken afmeldadressen"), f3), 3);
    auto* midden = new QHBoxLayout;
    midden->addWidget(Frame(QStringLiteral("4. Diverse"), f4), 2);
    midden->addWidget(Frame(QStringLiteral("5 Spelergroep(en) kiezen"), f5), 9);
    auto* hulp = new QHBoxLayout;
    hulp->addWidget(m_lblSpeeldag);
    hulp->addWidget(cmdHelp);
    hulp->addWidget(m_Frame10);
    hulp->addStretch(1);
    auto* onder = new QHBoxLayout;
    onder->addStretch(1);
    onder->addWidget(m_cmdEinde);
    onder->addWidget(m_cmbAfbreken);
    // The settings scroll on a screen too small for them; the buttons that leave the window
    // stay in sight.
    auto* inhoud = new QWidget;
    auto* inhoudLayout = new QVBoxLayout(inhoud);
    inhoudLayout->setContentsMargins(0, 0, 0, 0);
    inhoudLayout->setSpacing(4);
    inhoudLayout->addLayout(boven, 4);
    inhoudLayout->addLayout(midden, 7);
    inhoudLayout->addLayout(hulp);
    m_schuif = Maak(new QScrollArea, "schuifInstellingen");
    m_schuif->setAccessibleName(QStringLiteral("Instellingen van de speeldag"));
    m_schuif->setFrameShape(QFrame::NoFrame);
    m_schuif->setWidgetResizable(true);
    m_schuif->setWidget(inhoud);
    m_schuif->setFocusPolicy(Qt::NoFocus); // Tab goes to the controls, never to the area that holds them
    auto* hoofd = new QVBoxLayout(this);
    hoofd->setContentsMargins(6, 6, 6, 6);
    hoofd->setSpacing(4);
    hoofd->addWidget(m_schuif, 1);
    hoofd->addLayout(onder);

    connect(cmdHelp, &QPushButton::clicked, this, &FrmAfmelden::cmdHelp_Click);
    connect(cmdHelpPartner, &QPushButton::clicked, this, &FrmAfmelden::cmdHelpPartner_Click);
    connect(cmdOverzicht, &QPushButton::clicked, this, &FrmAfmelden::cmdOverzicht_Click);
    connect(cmdVoorbeeld, &QPushButton::clicked, this, &FrmAfmelden::cmdVoorbeeld_Click);
    connect(cmdKopInstellen, &QPushButton::clicked, this, [this] {
        if (m_openKopOntwerper)
            m_openKopOntwerper(this);
    });
    connect(m_cmdEinde, &QPushButton::clicked, this, &QWidget::close);
    connect(m_cmbAfbreken, &QPushButton::clicked, this, &FrmAfmelden::cmbAfbreken_Click);

    // Keyboard: the captions keep their texts, so the buttons get Alt keys of their own.
    const std::pair<QPushButton*, char> sneltoetsen[] = {
        {m_cmdMaakDatums, 'M'}, {m_cmdSelect, 'S'}, {m_cmdDeselect, 'N'}, {cmdHelp, 'W'}, {cmdKopInstellen, 'K'}, {cmdOverzicht, 'B'}, {cmdVoorbeeld, 'V'}, {m_cmdEinde, 'O'}, {m_cmbAfbreken, 'A'}};
    for (const auto& [knop, letter] : sneltoetsen)
        Toetsenbord::ZetSneltoets(knop, QKeySequence(Qt::ALT | Qt::Key(letter)));
    // Enter in a text box never presses a button here: a dialog makes its buttons
    // auto-default otherwise. A focused button still takes Enter (Toetsenbord::EnterDruktKnop).
    for (QPushButton* knop : findChildren<QPushButton*>())
        knop->setAutoDefault(false);
    Toetsenbord::ZetTabVolgorde({m_cmbVan, m_cmbTot, m_cmdMaakDatums, m_chkWijzData, m_lstDagen, m_cmdSelect,
                                 m_cmdDeselect, m_txtEmailadressen, m_lstActEmails, m_chk1, m_chk2,
                                 m_txtContactPers, m_txtEindtijd, m_lst1, m_txt1, m_txtB2[0], m_txtB2[1],
                                 m_txtB2[2], m_txtB2[3], m_chkPartnerOok, m_cmbPartner, m_chkToonPartner,
                                 cmdHelpPartner, cmdHelp, cmdKopInstellen, cmdOverzicht, cmdVoorbeeld,
                                 m_cmdEinde, m_cmbAfbreken});
}
