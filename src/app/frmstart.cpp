#include "app/frmstart.h"

#include "app/algemeen.h"
#include "app/diasitestructuur.h"
#include "app/overhovelink.h"
#include "app/speeldagmappen.h"
#include "app/speelmomenten.h"
#include "app/startcontrole.h"
#include "common/openextern.h"
#include "common/paden.h"
#include "common/schrijfmelding.h"
#include "common/tekst.h"
#include "common/vensteropscherm.h"
#include "common/venstertoetsenbord.h"
#include "common/vinkstaat.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>

namespace {

// Only a caption that may not fit on one line of its frame wraps: a wrapping label lays its
// text out anew for every width the layout tries, which made showing this window slow.
QLabel* Label(const QString& tekst, const QString& naam = {}, bool afbreken = true)
{
    auto* label = new QLabel(tekst);
    label->setWordWrap(afbreken && (tekst.isEmpty() || tekst.size() > 40));
    if (!naam.isEmpty())
        label->setObjectName(naam);
    return label;
}

QGroupBox* Frame(const QString& titel, QLayout* inhoud)
{
    auto* frame = new QGroupBox(titel);
    frame->setLayout(inhoud);
    return frame;
}

} // namespace

FrmStart::FrmStart(Werkruimte& werkruimte, Meldingen& meldingen, QWidget* parent)
    : QWidget(parent), m_werkruimte(werkruimte), m_meldingen(meldingen)
{
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(QStringLiteral(
        "Maak hier een Databestand (=Script) tbv de internet AFMELD-site. (vanuit Tafelwerk)"));
    BouwVenster();
    resize(1024, 576); // 15360 by 8640 twips
    if (const QScreen* scherm = screen())
        move(scherm->availableGeometry().left() + (scherm->availableGeometry().width() - width()) / 2,
             scherm->availableGeometry().top());
    HoudOpScherm(*this);
}

void FrmStart::BouwVenster()
{
    // 1. General settings
    m_txtClubnaam = new QLineEdit;
    m_txtClubnaam->setObjectName(QStringLiteral("txtClubnaam"));
    auto* clubRegel = new QHBoxLayout;
    auto* clubLabel = Label(QStringLiteral("Clubnaam:"));
    clubLabel->setBuddy(m_txtClubnaam);
    clubRegel->addWidget(clubLabel);
    clubRegel->addWidget(m_txtClubnaam, 1);
    m_chkToonInvallers = new QCheckBox(QStringLiteral("Toon op de site de knop: 'Beschikbare spelers'. "));
    m_chkToonInvallers->setObjectName(QStringLiteral("chkToonInvallers"));
    auto* f1 = new QVBoxLayout;
    f1->addLayout(clubRegel);
    f1->addWidget(Label(QStringLiteral(
        "Deze clubnaam verschijnt in de emails en de bevestigingen ( NIET in de Site-kop).")));
    f1->addWidget(m_chkToonInvallers);
    f1->addWidget(Label(QStringLiteral("(Voor als men een invaller zoekt)")));

    // 2. Play moment
    m_cmbSpeeldag = new QComboBox;
    m_cmbSpeeldag->setObjectName(QStringLiteral("cmbSpeeldag"));
    m_cmbSpeeldag->setMaxVisibleItems(25);
    m_cmdAfmeld = new QPushButton(QStringLiteral("Maak de AFMELD-data"));
    m_cmdAfmeld->setObjectName(QStringLiteral("cmdAfmeld"));
    auto* f2 = new QVBoxLayout;
    auto* kiesLabel = Label(QStringLiteral("Kies een speeldag"));
    kiesLabel->setBuddy(m_cmbSpeeldag);
    f2->addWidget(kiesLabel);
    f2->addWidget(Label(QStringLiteral(
        "Nieuw AANMAKEN of WIJZIGEN van de data voor de gekozen speeldag (of speelmoment)")));
    auto* kiesRegel = new QHBoxLayout;
    kiesRegel->addWidget(m_cmbSpeeldag, 1);
    kiesRegel->addWidget(Label(QStringLiteral("Voor deze speeldag:"), {}, false));
    kiesRegel->addWidget(m_cmdAfmeld);
    f2->addLayout(kiesRegel);

    // 3. Upload help
    auto* command1 = new QPushButton(QStringLiteral("Zie voorbeeld site-structuur"));
    command1->setObjectName(QStringLiteral("Command1"));
    auto* f3 = new QVBoxLayout;
    f3->setSpacing(2);
    for (const char* naam : {"Label7", "Label14", "Label16", "Label8", "Label9", "Label33", "Label13"})
        f3->addWidget(Label(QString(), QLatin1String(naam)));
    auto* cmdUploaden = new QPushButton(QStringLiteral("Uploaden..."));
    cmdUploaden->setObjectName(QStringLiteral("cmdUploaden"));
    auto* command1Regel = new QHBoxLayout;
    command1Regel->addWidget(cmdUploaden);
    command1Regel->addStretch(1);
    command1Regel->addWidget(command1);
    f3->addLayout(command1Regel);
    f3->addWidget(Label(QStringLiteral(
        "Zie menu 3, knop  'Deze zitting indelen' > knop 'Internet afmeldingen'. ")));
    f3->addWidget(Label(QStringLiteral(
        "De respons van de afmeldingen kunt u gebruiken voor de zittingindeling.")));

    // Existing play moments
    m_lstHulp = new QListWidget;
    m_lstHulp->setObjectName(QStringLiteral("lstHulp"));
    m_lstHulp->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_cmdVerwijderDag = new QPushButton(QStringLiteral("Verwijder geselecteerde speeldag ..."));
    m_cmdVerwijderDag->setObjectName(QStringLiteral("cmdVerwijderDag"));
    m_cmdVerwijderDag->setToolTip(QStringLiteral("Hiermee worden alle gegevens van deze speeldag gewist. "));
    // Where the generated files are: the secretary uploads them from there.
    m_cmdOpenMap = new QPushButton(QStringLiteral("Open map"));
    m_cmdOpenMap->setObjectName(QStringLiteral("cmdOpenMap"));
    auto* knoppenRegel = new QHBoxLayout;
    knoppenRegel->addWidget(m_cmdOpenMap);
    knoppenRegel->addWidget(m_cmdVerwijderDag, 1);
    auto* fv = new QVBoxLayout;
    auto* bestaandLabel = Label(QStringLiteral("Bestaande speeldagen:"));
    bestaandLabel->setBuddy(m_lstHulp);
    m_lstHulp->setAccessibleName(bestaandLabel->text()); // lists do not take the buddy's text
    fv->addWidget(bestaandLabel);
    fv->addWidget(m_lstHulp, 1);
    fv->addLayout(knoppenRegel);

    // Explanation
    auto* ft = new QVBoxLayout;
    ft->setSpacing(1);
    for (const char* tekst :
         {"Doel:", "De internet-AANMELD-site voorzien van de juiste clubgegevens.", "Waarom:",
          "Gestructureerde datarespons en daardoor automatische verwerking van de meldingen mogelijk.",
          "Benodigde gegevens zijn o.a.:", "- Speelkalender.", "- Afmeld-emailadressen.",
          "- Namen van de spelers.", "Doorloop achtereenvolgend de vensters 1 t/m 3.",
          "1. Algemene gegevens. (eenmalig)", "2. Aanmaken/wijzigen van de data. (per speeldag)",
          "3. Het UPLOADEN van de data voor die speeldag."})
        ft->addWidget(Label(QString::fromUtf8(tekst)));
    ft->addStretch(1);

    auto* cmdOver = new QPushButton(QStringLiteral("Over Hovelink..."));
    cmdOver->setObjectName(QStringLiteral("cmdOver"));
    m_cmdEinde = new QPushButton(QStringLiteral("Einde"));
    m_cmdEinde->setObjectName(QStringLiteral("cmdEinde"));

    auto* links = new QVBoxLayout;
    links->addWidget(Frame(QStringLiteral("1. Algemene instellingen"), f1));
    links->addWidget(Frame(QStringLiteral("2. Aanmaken van data voor de Internetsite"), f2));
    links->addWidget(Frame(QStringLiteral("3. Uploaden"), f3));
    links->addStretch(1);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(Frame(QStringLiteral("Speeldagen verwijderen van de pc"), fv), 1);
    rechts->addWidget(Frame(QStringLiteral("Toelichting en werkwijze"), ft), 1);
    auto* kolommen = new QHBoxLayout;
    kolommen->addLayout(links, 3);
    kolommen->addLayout(rechts, 2);
    auto* onder = new QHBoxLayout;
    onder->addWidget(Label(QStringLiteral("Alle ingevoerde gegevens worden per speelmoment bewaard."), {}, false));
    onder->addStretch(1);
    onder->addWidget(Label(OverHovelink::SchermVersie()));
    onder->addSpacing(20);
    onder->addWidget(cmdOver);
    onder->addWidget(m_cmdEinde);
    auto* hoofd = new QVBoxLayout(this);
    hoofd->setContentsMargins(7, 7, 7, 7); // cmdEinde sits 100 twips inside the edges
    hoofd->addLayout(kolommen, 1);
    hoofd->addLayout(onder);

    connect(m_cmbSpeeldag, &QComboBox::currentIndexChanged, this,
            [this](int positie) { m_cmdAfmeld->setEnabled(positie >= 1); });
    connect(m_cmdAfmeld, &QPushButton::clicked, this, &FrmStart::cmdAfmeld_Click);
    connect(command1, &QPushButton::clicked, this, &FrmStart::Command1_Click);
    connect(cmdUploaden, &QPushButton::clicked, this, &FrmStart::cmdUploaden_Click);
    connect(m_cmdVerwijderDag, &QPushButton::clicked, this, &FrmStart::cmdVerwijderDag_Click);
    connect(m_cmdEinde, &QPushButton::clicked, this, &QWidget::close);
    connect(m_lstHulp, &QListWidget::itemSelectionChanged, this, &FrmStart::VolgKeuzeSpeeldag);
    connect(m_cmdOpenMap, &QPushButton::clicked, this,
            [this] { OpenExtern::Open(m_gekozenMap, m_meldingen, this); });
    connect(cmdOver, &QPushButton::clicked, this, [this] {
        m_meldingen.Toon(OverHovelink::Tekst(m_werkruimte, QSettings().fileName()),
                         Meldingen::Pictogram::Informatie, Meldingen::Knoppen::Ok, QStringLiteral("Over Hovelink"));
    });
    VolgKeuzeSpeeldag();

    // Keyboard: the captions keep their texts, so the buttons get Alt keys of their own.
    Toetsenbord::ZetSneltoets(m_cmdAfmeld, QKeySequence(Qt::ALT | Qt::Key_M));
    Toetsenbord::ZetSneltoets(command1, QKeySequence(Qt::ALT | Qt::Key_Z));
    Toetsenbord::ZetSneltoets(cmdUploaden, QKeySequence(Qt::ALT | Qt::Key_U));
    Toetsenbord::ZetSneltoets(m_cmdVerwijderDag, QKeySequence(Qt::ALT | Qt::Key_V));
    Toetsenbord::ZetSneltoets(m_cmdEinde, QKeySequence(Qt::ALT | Qt::Key_E));
    Toetsenbord::ZetSneltoets(m_cmdOpenMap, QKeySequence(Qt::ALT | Qt::Key_O));
    Toetsenbord::ZetSneltoets(cmdOver, QKeySequence(Qt::ALT | Qt::Key_H));
    Toetsenbord::ZetTabVolgorde({m_txtClubnaam, m_chkToonInvallers, m_cmbSpeeldag, m_cmdAfmeld, cmdUploaden, command1,
                                 m_lstHulp, m_cmdOpenMap, m_cmdVerwijderDag, cmdOver, m_cmdEinde});
}

void FrmStart::Laden()
{
    m_txtClubnaam->clear();
    m_cmbSpeeldag->clear();
    m_cmbSpeeldag->addItems(Speelmomenten::VulSpeeldagen());
    m_cmbSpeeldag->setCurrentIndex(0);

    AlgemeneInstellingen algemeen;
    Algemeen::LeesAlgemeen(Paden::Samen(m_werkruimte.MapProgramma, m_werkruimte.NaamAlgemeen), algemeen);
    m_cmbSpeeldag->setCurrentIndex(algemeen.Speeldag);
    m_txtClubnaam->setText(algemeen.Clubnaam);
    m_chkToonInvallers->setCheckState(VinkStaat::Staat(algemeen.Tooninval));
    m_cmdAfmeld->setEnabled(m_cmbSpeeldag->currentIndex() >= 1);

    Scipts_naar_lstHulp();

    const QPair<const char*, const char*> hulp[] = {
        {"Label7", "Het nieuwe of gewijzigde Script-bestand heeft altijd de naam: 'hovelink.js'."},
        {"Label14", "Een eventueel Logo-bestand heeft de naam 'logofile.xxx', waarbij xxx staat voor: jpg, "
                    "bmp, gif of ico."},
        {"Label16", "Alleen een nieuw of gewijzigd Logo-bestand moet men uploaden."},
        {"Label8", "Deze bestand(en) bevinden zich op deze pc in de map: 'Tafelwerk\\Travenza\\donderdag' "
                   "(of een ander speelmoment)."},
        {"Label9", "Elk speelmoment heeft zijn eigen map."},
        {"Label33", "U moet de bestand(en) dus uploaden naar de internetsite, dat kunt u doen met bijv "
                    "'WinSCP' of 'FileZilla'."},
        {"Label13", "De site-structuur is '.../afm/donderdag"},
    };
    for (const auto& [naam, tekst] : hulp)
        findChild<QLabel*>(QLatin1String(naam))->setText(QString::fromUtf8(tekst));
}

void FrmStart::Scipts_naar_lstHulp()
{
    m_lstHulp->clear();
    m_lstHulp->addItems(SpeeldagMappen::ScriptsAanwezig(m_werkruimte.MapProgramma, m_werkruimte.NaamScript));
}

void FrmStart::VolgKeuzeSpeeldag()
{
    // One play moment selected: its folder, shown in full where the user points.
    const QList<QListWidgetItem*> gekozen = m_lstHulp->selectedItems();
    m_gekozenMap = gekozen.size() == 1 ? Paden::Samen(m_werkruimte.MapProgramma, gekozen.first()->text()) : QString();
    m_cmdOpenMap->setEnabled(!m_gekozenMap.isEmpty());
    Toetsenbord::ZetTip(m_cmdOpenMap, Paden::Toon(m_gekozenMap));
}

QString FrmStart::GekozenSpeeldag() const { return m_cmbSpeeldag->currentText(); }

QString FrmStart::Clubnaam() const { return m_txtClubnaam->text(); }

int FrmStart::ToonInvallers() const { return VinkStaat::Waarde(m_chkToonInvallers->checkState()); }

void FrmStart::SchrijfAlgemeen()
{
    AlgemeneInstellingen algemeen;
    algemeen.Speeldag = m_cmbSpeeldag->currentIndex();
    algemeen.Clubnaam = m_txtClubnaam->text();
    algemeen.Tooninval = ToonInvallers();
    const QString pad = Paden::Samen(m_werkruimte.MapProgramma, m_werkruimte.NaamAlgemeen);
    MeldAlsNietOpgeslagen(Algemeen::SchrijfAlgemeen(pad, algemeen), pad, m_meldingen);
}

void FrmStart::Weiger(const StartControle::Weigering& weigering)
{
    m_meldingen.Toon(weigering.tekst, Meldingen::Pictogram::Uitroep);
    QWidget* const vakken[] = {m_cmbSpeeldag, m_txtClubnaam, m_lstHulp};
    vakken[int(weigering.veld)]->setFocus();
}

void FrmStart::cmdAfmeld_Click()
{
    if (const auto controle = StartControle::ControleerAfmelden(m_cmbSpeeldag->currentIndex(), m_txtClubnaam->text()); !controle) {
        Weiger(controle.melding());
        return;
    }
    SchrijfAlgemeen();
    Speelmomenten::BereidSpeelmomentVoor(m_werkruimte, m_cmbSpeeldag->currentText(), m_meldingen);
    if (m_werkruimte.Fout != 1 && m_openAfmelden)
        m_openAfmelden();
}

void FrmStart::cmdVerwijderDag_Click()
{
    const QList<QListWidgetItem*> gekozen = m_lstHulp->selectedItems();
    if (const Uitkomst<> controle = StartControle::ControleerVerwijderen(gekozen.size()); !controle) {
        m_meldingen.Toon(controle.melding(), Meldingen::Pictogram::Uitroep);
        return;
    }
    const Meldingen::Antwoord antwoord = m_meldingen.Toon(
        QStringLiteral("Weet u zeker dat u ALLE gegevens van deze dag wilt verwijderen?"),
        Meldingen::Pictogram::Geen, Meldingen::Knoppen::OkAnnuleren);
    if (antwoord == Meldingen::Antwoord::Ok) {
        const QString naam = gekozen.first()->text();
        if (!SpeeldagMappen::VerwijderSpeeldag(m_werkruimte.MapProgramma, naam)) {
            m_meldingen.Toon(QStringLiteral("De map van deze speeldag kon niet helemaal worden verwijderd:") +
                                 Tekst::CrLf + Paden::Toon(Paden::Samen(m_werkruimte.MapProgramma, naam)),
                             Meldingen::Pictogram::Uitroep);
        }
    }
    Scipts_naar_lstHulp();
}

void FrmStart::Command1_Click()
{
    DiaSitestructuur venster(this);
    venster.exec();
}

void FrmStart::cmdUploaden_Click()
{
    const QList<QListWidgetItem*> gekozen = m_lstHulp->selectedItems();
    if (const auto controle = StartControle::ControleerUploaden(gekozen.size()); !controle) {
        Weiger(controle.melding());
        return;
    }
    if (m_openUpload)
        m_openUpload(gekozen.first()->text());
}

void FrmStart::closeEvent(QCloseEvent* event)
{
    SchrijfAlgemeen();
    event->accept();
}
