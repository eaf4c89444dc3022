#include "app/f1handleiding.h"
#include "app/frmstart.h"
#include "app/helpvensters.h"
#include "app/opstarten.h"
#include "app/speelmomenten.h"
#include "header/frmsitekop.h"
#include "moment/afmeldhelp.h"
#include "moment/frmafmelden.h"
#include "moment/frmvoorbeeld.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Header dialogs that are never answered: no test here opens one.
class GeenDialogen : public KopDialogen {
public:
    std::optional<QString> KiesLettertype(QWidget*, const QString&) override { return {}; }
    std::optional<QColor> KiesKleur(QWidget*) override { return {}; }
    std::optional<QString> KiesAfbeelding(QWidget*, const QString&, const QString&) override { return {}; }
};

// One window of the program, opened on a copy of the demo Tafelwerk folder as the program
// opens it.
struct Venster {
    QTemporaryDir dir;
    Werkruimte w;
    KopInstellingen kop;
    BewaardeMoment bewaard;
    MeldingRecorder meldingen;
    GeenDialogen dialogen;
    std::unique_ptr<QWidget> venster;

    explicit Venster(const QString& naam, bool laden = true)
    {
        TestPaden::KopieerMap(TestPaden::DemoMap(), dir.path());
        w.MapTwk = dir.path();
        w.MapSpelers = dir.path();
        w.BestandSpelers = dir.filePath("TWKspelers.txt");
        Opstarten::Init(w);
        if (naam == "frmStart") {
            auto* start = new FrmStart(w, meldingen);
            venster.reset(start);
            start->Laden();
        } else if (naam == "frmAfmelden") {
            Speelmomenten::BereidSpeelmomentVoor(w, "donderdag-avond", meldingen);
            auto* afmelden = new FrmAfmelden(w, kop, bewaard, StartKeuze{"donderdag-avond", "BC De Troef", 1, {}},
                                             meldingen, [] { return QDate(2025, 3, 15); });
            venster.reset(afmelden);
            afmelden->ZetProgrammaMap(dir.path());
            if (laden)
                afmelden->Form_Load();
        } else if (naam == "frmSitekop") {
            venster = std::make_unique<frmSitekop>(kop, dir.path(), "donderdag-avond", "BC De Troef", meldingen,
                                                   dialogen);
        } else if (naam == "frmVoorbeeld") {
            SiteVoorbeeld v;
            v.namen = {"naam1", "partner", "inval1", "inval3"};
            kop.kopvakbr = 750;
            kop.kopvakho = 100;
            venster = std::make_unique<FrmVoorbeeld>(v, kop, dir.path());
        } else if (naam == "diaSitestructuur") {
            venster = std::make_unique<DiaSitestructuur>();
        } else if (naam == "frmHelp2") {
            venster = std::make_unique<FrmHelp2>(nullptr);
        } else if (naam == "frmHelpPartner") {
            venster = std::make_unique<FrmHelpPartner>(PartnerHulpTekst(), nullptr);
        }
        if (venster)
            venster->show();
    }
};

// What a screen reader stops at: inputs, and pictures.
bool IsInvoer(const QWidget* w)
{
    const auto* label = qobject_cast<const QLabel*>(w);
    return (label && !label->pixmap().isNull()) || qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractSpinBox*>(w);
}

// An object name that tells the four group boxes and site box names apart.
QString Naam(const QWidget* w)
{
    const QVariant index = w->property("index");
    return index.isValid() ? w->objectName() + index.toString() : w->objectName();
}

// The name a screen reader announces. A combo box announces its value as its name on
// Linux and relies on its label there, as it names itself by its buddy on Windows.
QString Toegankelijk(const QWidget* w)
{
    if (const auto* keuze = qobject_cast<const QComboBox*>(w)) {
        if (!keuze->accessibleName().isEmpty())
            return keuze->accessibleName();
        for (const QLabel* label : w->window()->findChildren<QLabel*>())
            if (label->buddy() == w)
                return label->text();
        return {};
    }
    QAccessibleInterface* ai = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(w));
    return ai ? ai->text(QAccessible::Name) : QString();
}

QString Tekst(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The widgets that Tab visits, in the window's focus chain order.
QStringList TabVolgorde(QWidget* venster)
{
    QStringList uit;
    for (QWidget* w = venster->nextInFocusChain(); w && w != venster; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->window() == venster && !w->objectName().isEmpty())
            uit.append(Naam(w));
    }
    return uit;
}

QKeySequence Sneltoets(const QAbstractButton* knop)
{
    const auto* sneltoets = knop->findChild<QShortcut*>(QString(), Qt::FindDirectChildrenOnly);
    return sneltoets ? sneltoets->key() : QKeySequence();
}

const QStringList kVensters = {"frmStart",    "frmAfmelden", "frmSitekop",     "frmVoorbeeld",
                               "diaSitestructuur", "frmHelp2", "frmHelpPartner"};

} // namespace

class TstToegankelijkheid : public QObject {
    Q_OBJECT
private slots:
    void namen_data()
    {
        QTest::addColumn<QString>("venster");
        for (const QString& naam : kVensters)
            QTest::newRow(qPrintable(naam)) << naam;
    }

    void namen()
    {
        QFETCH(QString, venster);
        Venster v(venster);
        QVERIFY(v.venster);
        QStringList zonderNaam;
        int invoer = 0;
        for (QWidget* w : v.venster->findChildren<QWidget*>()) {
            // The drop-down lists of combo boxes are windows of their own.
            if (!IsInvoer(w) || w->window() != v.venster.get())
                continue;
            ++invoer;
            if (Toegankelijk(w).trimmed().isEmpty())
                zonderNaam.append(Naam(w) + " (" + w->metaObject()->className() + ")");
        }
        QCOMPARE(zonderNaam, QStringList());
        QVERIFY(invoer > 0 || venster == "frmHelp2");
    }

    void tabVolgorde_data()
    {
        QTest::addColumn<QString>("venster");
        QTest::addColumn<QStringList>("volgorde");
        QTest::newRow("frmAfmelden")
            << "frmAfmelden"
            << QStringList{"cmbVan",         "cmbTot",        "cmdMaakDatums",    "chkWijzData",  "lstDagen",
                           "cmdSelect",      "cmdDeselect",   "txtEmailadressen", "lstActEmails", "chk1",
                           "chk2",           "txtContactPers", "txtEindtijd",     "lst1",         "txt1",
                           "txtB20",         "txtB21",        "txtB22",           "txtB23",       "chkPartnerOok",
                           "cmbPartner",     "cmdHelpPartner", "chkToonPartner",  "cmdHelp",      "cmdKopInstellen",
                           "cmdOverzicht",   "cmdVoorbeeld",  "cmdEinde",         "cmbAfbreken"};
        QTest::newRow("frmSitekop") << "frmSitekop"
                                    << QStringList{"txtKopVakBr", "cmbKopVakHo", "cmbMa",      "cmdKiesAfb",
                                                   "chkLogojanee", "txtKopTekst", "cmdKopFont", "cmbKopHoog",
                                                   "chkKopVet",   "cmdKopKleur", "cmdKopBack", "cmbKopVert",
                                                   "txtTL",       "txtTR",       "cmdAnnu",    "cmdAkkoord"};
        QTest::newRow("frmVoorbeeld") << "frmVoorbeeld"
                                      << QStringList{"lstVak0", "lstVak1", "lstVak2", "lstVak3", "lstSpeeldagen",
                                                     "cmdSluiten"};
    }

    void tabVolgorde()
    {
        QFETCH(QString, venster);
        QFETCH(QStringList, volgorde);
        Venster v(venster);
        QStringList chain = TabVolgorde(v.venster.get());
        // The chain is a ring: read it from the first of the window's main inputs.
        const qsizetype begin = chain.indexOf(volgorde.first());
        QVERIFY(begin >= 0);
        chain = chain.mid(begin) + chain.mid(0, begin);
        QStringList bezocht;
        for (const QString& naam : chain)
            if (volgorde.contains(naam))
                bezocht.append(naam);
        QCOMPARE(bezocht, volgorde);
    }

    void tabToets()
    {
        Venster v("frmStart");
        QApplication::setActiveWindow(v.venster.get());
        QVERIFY(QTest::qWaitForWindowActive(v.venster.get()));
        auto* club = v.venster->findChild<QWidget*>("txtClubnaam");
        club->setFocus();
        // The play moment is not chosen, so "Maak de AFMELD-data" is disabled and passed over,
        // and with no play moment selected so is "Open map".
        const QStringList verwacht{"txtClubnaam", "chkToonInvallers", "cmbSpeeldag", "cmdUploaden", "Command1",
                                   "lstHulp", "cmdVerwijderDag", "cmdOver", "cmdEinde", "txtClubnaam"};
        QStringList bezocht{Naam(QApplication::focusWidget())};
        while (bezocht.size() < verwacht.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            bezocht.append(Naam(QApplication::focusWidget()));
        }
        QCOMPARE(bezocht, verwacht);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(Naam(QApplication::focusWidget()), "cmdEinde");
    }

    void sneltoetsen_data()
    {
        QTest::addColumn<QString>("venster");
        QTest::addColumn<QString>("knop");
        QTest::addColumn<QString>("opschrift");
        QTest::addColumn<QKeySequence>("toets");
        const auto rij = [](const char* venster, const char* knop, const QString& opschrift, Qt::Key toets) {
            QTest::addRow("%s %s", venster, knop) << venster << knop << opschrift << QKeySequence(Qt::ALT | toets);
        };
        rij("frmStart", "cmdAfmeld", "Maak de AFMELD-data", Qt::Key_M);
        rij("frmStart", "Command1", "Zie voorbeeld site-structuur", Qt::Key_Z);
        rij("frmStart", "cmdVerwijderDag", "Verwijder geselecteerde speeldag ...", Qt::Key_V);
        rij("frmStart", "cmdEinde", "Einde", Qt::Key_E);
        rij("frmAfmelden", "cmdMaakDatums", "Maak de speelkalender", Qt::Key_M);
        rij("frmAfmelden", "cmdSelect", "Selecteer alles", Qt::Key_S);
        rij("frmAfmelden", "cmdDeselect", "Selecteer niets", Qt::Key_N);
        rij("frmAfmelden", "cmdHelp", "Aanwijzingen", Qt::Key_W);
        rij("frmAfmelden", "cmdKopInstellen", "Koptekst en logo instellen", Qt::Key_K);
        rij("frmAfmelden", "cmdOverzicht", "Bekijk overzicht", Qt::Key_B);
        rij("frmAfmelden", "cmdVoorbeeld", "Voorbeeld afmeldsite", Qt::Key_V);
        rij("frmAfmelden", "cmdEinde", "Indien OKE dan terug", Qt::Key_O);
        rij("frmAfmelden", "cmbAfbreken", "Afbreken\r\n(niet opslaan)", Qt::Key_A);
        rij("frmSitekop", "cmdKiesAfb", "Kies een afbeelding", Qt::Key_K);
        rij("frmSitekop", "cmdKopFont", "Lettertype ", Qt::Key_L);
        rij("frmSitekop", "cmdKopKleur", "Tekstkleur", Qt::Key_T);
        rij("frmSitekop", "cmdKopBack", "Achtergrondkleur", Qt::Key_G);
        rij("frmSitekop", "cmdAnnu", "Annuleren", Qt::Key_N);
        rij("frmSitekop", "cmdAkkoord", "Akkoord en opslaan", Qt::Key_A);
        rij("diaSitestructuur", "cmdTerug", "Terug", Qt::Key_T);
    }

    void sneltoetsen()
    {
        QFETCH(QString, venster);
        QFETCH(QString, knop);
        QFETCH(QString, opschrift);
        QFETCH(QKeySequence, toets);
        Venster v(venster);
        auto* k = v.venster->findChild<QAbstractButton*>(knop);
        QVERIFY(k);
        // The caption stays exactly as it is; the key comes beside it.
        QCOMPARE(k->text(), opschrift);
        QCOMPARE(Sneltoets(k), toets);
        QCOMPARE(k->toolTip().split(u'\n').last(), toets.toString(QKeySequence::NativeText));
        QVERIFY(k->accessibleDescription().endsWith("Sneltoets: " + toets.toString(QKeySequence::NativeText)));
        // No other button of the window answers to the same key.
        for (const QAbstractButton* ander : v.venster->findChildren<QAbstractButton*>())
            QVERIFY2(ander == k || Sneltoets(ander) != toets, qPrintable(ander->objectName()));
    }

    void sneltoetsDrukt_data()
    {
        QTest::addColumn<QString>("venster");
        QTest::addColumn<QKeySequence>("toets");
        QTest::addColumn<QString>("melding");
        QTest::addColumn<bool>("blijftOpen");
        QTest::newRow("start: Alt+V without a chosen day")
            << "frmStart" << QKeySequence(Qt::ALT | Qt::Key_V) << "Er is geen dag geselecteerd!" << true;
        // Without a play moment the button is disabled and so is its key.
        QTest::newRow("start: Alt+M while disabled") << "frmStart" << QKeySequence(Qt::ALT | Qt::Key_M) << "" << true;
        QTest::newRow("start: Alt+E closes") << "frmStart" << QKeySequence(Qt::ALT | Qt::Key_E) << "" << false;
        QTest::newRow("sign-off: Alt+B without the guide")
            << "frmAfmelden" << QKeySequence(Qt::ALT | Qt::Key_B) << "Overzicht niet aanwezig!" << true;
        QTest::newRow("sign-off: Alt+A aborts") << "frmAfmelden" << QKeySequence(Qt::ALT | Qt::Key_A)
                                                << "Er is afgebroken, de wijzigingen worden niet bewaard!" << false;
        QTest::newRow("designer: Alt+N cancels") << "frmSitekop" << QKeySequence(Qt::ALT | Qt::Key_N) << "" << false;
        QTest::newRow("site structure: Alt+T") << "diaSitestructuur" << QKeySequence(Qt::ALT | Qt::Key_T) << "" << false;
        for (const char* help : {"diaSitestructuur", "frmHelp2", "frmHelpPartner"})
            QTest::addRow("%s: Escape stays", help) << help << QKeySequence(Qt::Key_Escape) << "" << true;
    }

    void sneltoetsDrukt()
    {
        QFETCH(QString, venster);
        QFETCH(QKeySequence, toets);
        QFETCH(QString, melding);
        QFETCH(bool, blijftOpen);
        Venster v(venster);
        QApplication::setActiveWindow(v.venster.get());
        QVERIFY(QTest::qWaitForWindowActive(v.venster.get()));
        QTest::keySequence(v.venster.get(), toets);
        QCOMPARE(v.meldingen.Teksten(), melding.isEmpty() ? QStringList() : QStringList{melding});
        QCOMPARE(v.venster->isVisible(), blijftOpen);
    }

    void f1OpentHandleiding_data()
    {
        namen_data();
    }

    void f1OpentHandleiding()
    {
        // As the program installs it; the folder holds no guide, so opening it says so, once.
        QFETCH(QString, venster);
        Venster v(venster);
        F1Handleiding f1(v.dir.path(), v.meldingen);
        qApp->installEventFilter(&f1);
        QApplication::setActiveWindow(v.venster.get());
        QVERIFY(QTest::qWaitForWindowActive(v.venster.get()));
        QTest::keyClick(v.venster->windowHandle(), Qt::Key_F1);
        QCOMPARE(v.meldingen.Teksten(), QStringList{"Overzicht niet aanwezig!"});
    }

    void passtOpScherm_data()
    {
        QTest::addColumn<QString>("venster");
        for (const QString& naam : kVensters)
            QTest::newRow(qPrintable(naam)) << naam;
    }

    // Run under Xvfb at common screen sizes and scale factors (see CMakeLists.txt): the whole
    // window on the available screen, and no caption cut off.
    void passtOpScherm()
    {
        if (QGuiApplication::platformName() == "offscreen")
            QSKIP("runs under Xvfb on real screen sizes");
        QFETCH(QString, venster);
        Venster v(venster);
        QVERIFY(QTest::qWaitForWindowExposed(v.venster.get()));
        const QRect beschikbaar = v.venster->screen()->availableGeometry();
        QStringList fouten;
        if (!beschikbaar.contains(v.venster->frameGeometry()))
            fouten << QStringLiteral("venster %1 buiten %2").arg(Tekst(v.venster->frameGeometry()), Tekst(beschikbaar));
        // The start window keeps its own size where the screen has room for it.
        if (venster == "frmStart" && beschikbaar.width() >= 1024 && beschikbaar.height() >= 576 && v.venster->size() != QSize(1024, 576))
            fouten << "startvenster " + Tekst(v.venster->geometry());
        for (QWidget* w : v.venster->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(w);
            if (!w->isVisibleTo(v.venster.get()) || (!label && !qobject_cast<QAbstractButton*>(w)))
                continue;
            // A push button's size hint has the style's minimum width (80): "?" needs only its text.
            const auto* knop = qobject_cast<QPushButton*>(w);
            const int nodig = knop ? knop->fontMetrics().size(Qt::TextShowMnemonic, knop->text()).width() : w->sizeHint().width();
            const bool afgekapt = label && label->wordWrap() ? w->height() < w->heightForWidth(w->width())
                                                             : w->width() < nodig;
            if (afgekapt)
                fouten << Naam(w) + ": " + Tekst(w->geometry()) + ", nodig " + QString::number(nodig);
        }
        QVERIFY2(fouten.isEmpty(), qPrintable(fouten.join(u'\n')));
    }

    void verborgenKnop()
    {
        // Before the opening sequence the header buttons are hidden: their keys do nothing.
        Venster v("frmAfmelden", false);
        QApplication::setActiveWindow(v.venster.get());
        QVERIFY(QTest::qWaitForWindowActive(v.venster.get()));
        QVERIFY(!v.venster->findChild<QWidget*>("cmdOverzicht")->isVisible());
        QTest::keySequence(v.venster.get(), QKeySequence(Qt::ALT | Qt::Key_B));
        QVERIFY(v.meldingen.meldingen.isEmpty());
    }
};

QTEST_MAIN(TstToegankelijkheid)
#include "tst_toegankelijkheid.moc"
