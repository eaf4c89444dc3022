#include "app/diasitestructuur.h"
#include "app/f1handleiding.h"
#include "app/frmstart.h"
#include "app/opstarten.h"
#include "app/speelmomenten.h"
#include "common/openextern.h"
#include "common/venstertoetsenbord.h"
#include "header/frmsitekop.h"
#include "moment/afmeldhelpvenster.h"
#include "moment/frmafmelden.h"
#include "moment/frmvoorbeeld.h"
#include "moment/partnerhulptekst.h"
#include "support/demowerkplek.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

// One window of the program, opened on a copy of the demo Tafelwerk folder as the program opens it.
struct Venster : DemoWerkplek {
    DialogAntwoorden dialogen;
    std::unique_ptr<QWidget> venster;

    explicit Venster(const QString& naam)
    {
        if (naam == "frmStart") {
            venster = std::make_unique<FrmStart>(w, meldingen);
            Start()->Laden();
        } else if (naam == "frmAfmelden") {
            venster = OpenAfmelden();
        } else if (naam == "frmSitekop") {
            venster = std::make_unique<FrmSitekop>(kop, dir.path(), "donderdag-avond", "BC De Troef", meldingen, dialogen);
        } else if (naam == "frmVoorbeeld") {
            kop.kopvakbr = 750;
            kop.kopvakho = 100;
            SiteVoorbeeld voorbeeld;
            voorbeeld.namen = {"naam1", "partner", "inval1", "inval3"};
            venster = std::make_unique<FrmVoorbeeld>(voorbeeld, kop, dir.path());
        } else if (naam == "diaSitestructuur") {
            venster = std::make_unique<DiaSitestructuur>();
        } else if (naam == "frmHelp2") {
            venster = std::make_unique<FrmHelp2>(nullptr);
        } else {
            venster = std::make_unique<FrmHelpPartner>(PartnerHulpTekst(), nullptr);
        }
        venster->show();
    }
    FrmStart* Start() const { return static_cast<FrmStart*>(venster.get()); }
    template <typename T = QPushButton>
    T* Deel(const char* naam) const
    {
        return venster->findChild<T*>(naam);
    }
};

const QStringList kVensters = {"frmStart", "frmAfmelden", "frmSitekop", "frmVoorbeeld",
                               "diaSitestructuur", "frmHelp2", "frmHelpPartner"};

} // namespace

class TstVensters : public QObject {
    Q_OBJECT
private slots:
    void toetsen_data()
    {
        QTest::addColumn<QString>("venster");
        QTest::addColumn<QKeySequence>("toets");
        QTest::addColumn<QString>("melding");
        QTest::addColumn<bool>("blijftOpen");
        QTest::newRow("start: Alt+V without a chosen day")
            << "frmStart" << QKeySequence(Qt::ALT | Qt::Key_V) << "Er is geen dag geselecteerd!" << true;
        QTest::newRow("start: Alt+M while disabled") << "frmStart" << QKeySequence(Qt::ALT | Qt::Key_M) << "" << true;
        QTest::newRow("start: Alt+E closes") << "frmStart" << QKeySequence(Qt::ALT | Qt::Key_E) << "" << false;
        QTest::newRow("sign-off: Alt+A aborts") << "frmAfmelden" << QKeySequence(Qt::ALT | Qt::Key_A)
                                                << "Er is afgebroken, de wijzigingen worden niet bewaard!" << false;
        QTest::newRow("designer: Alt+N cancels") << "frmSitekop" << QKeySequence(Qt::ALT | Qt::Key_N) << "" << false;
        QTest::newRow("site structure: Alt+T") << "diaSitestructuur" << QKeySequence(Qt::ALT | Qt::Key_T) << "" << false;
        // Enter presses the button Shift+Tab goes to from the first box, never from a text box.
        QTest::newRow("start: Enter in the club name") << "frmStart" << QKeySequence(Qt::Key_Return) << "" << true;
        QTest::newRow("sign-off: Enter on Afbreken")
            << "frmAfmelden" << QKeySequence(Qt::Key_Backtab, Qt::Key_Return)
            << "Er is afgebroken, de wijzigingen worden niet bewaard!" << false;
        QTest::newRow("sign-off: keypad Enter on Afbreken") << "frmAfmelden" << QKeySequence(QKeyCombination(Qt::Key_Backtab), Qt::KeypadModifier | Qt::Key_Enter) << "Er is afgebroken, de wijzigingen worden niet bewaard!" << false;
        QTest::newRow("start: Enter on Over Hovelink...")
            << "frmStart" << QKeySequence(Qt::Key_Backtab, Qt::Key_Backtab, Qt::Key_Return) << "Hovelink Versie 100e (pakketversie" << true;
        for (const char* help : {"diaSitestructuur", "frmHelp2", "frmHelpPartner"})
            QTest::addRow("%s: Escape stays", help) << help << QKeySequence(Qt::Key_Escape) << "" << true;
        // The folder holds no guide, so F1 says so, once; with the guide, the opener's exit status counts.
        for (const QString& naam : kVensters)
            QTest::addRow("%s: F1", qPrintable(naam)) << naam << QKeySequence(Qt::Key_F1) << "Overzicht niet aanwezig!" << true;
        const QString nietGeopend = "Het bestand kon niet worden geopend; u vindt het hier:\r\n";
        QTest::newRow("start: F1, opener fails") << "frmStart" << QKeySequence(Qt::Key_F1) << nietGeopend << true;
        QTest::newRow("sign-off: Alt+B, no opener") << "frmAfmelden" << QKeySequence(Qt::ALT | Qt::Key_B) << nietGeopend << true;
        QTest::newRow("sign-off: Alt+B, opened") << "frmAfmelden" << QKeySequence(Qt::ALT | Qt::Key_B) << "" << true;
    }

    void toetsen()
    {
        QFETCH(QString, venster);
        QFETCH(QKeySequence, toets);
        QFETCH(QString, melding);
        QFETCH(bool, blijftOpen);
        Venster v(venster);
        // A guide for the rows about xdg-open, which ends with 3 ("fails"), 0 ("opened") or is not there.
        const QString tag = QTest::currentDataTag(), status = tag.endsWith("fails") ? "3" : tag.endsWith("opened") ? "0"
                                                                                                                   : "";
        const QString gids = v.dir.filePath("Overzicht werking hovelink.pdf"), xdg = v.dir.filePath("bin/xdg-open");
        QVERIFY(!tag.contains("opene") || TestPaden::SchrijfBestand(gids, "%PDF"));
        QVERIFY(status.isEmpty() || (TestPaden::SchrijfBestand(xdg, "#!/bin/sh\necho \"$1\" >\"$0.arg\"\nexit " + status.toUtf8()) &&
                                     QFile::setPermissions(xdg, QFile::ReadOwner | QFile::ExeOwner)));
        const QByteArray path = qgetenv("PATH");
        const auto herstel = qScopeGuard([path] { qputenv("PATH", path); });
        qputenv("PATH", v.dir.filePath("bin").toUtf8());
        F1Handleiding f1(v.dir.path(), v.meldingen);
        Toetsenbord::EnterDruktKnop enter;
        qApp->installEventFilter(&f1);
        qApp->installEventFilter(&enter);
        QApplication::setActiveWindow(v.venster.get());
        QVERIFY(QTest::qWaitForWindowActive(v.venster.get()));
        QTest::keySequence(v.venster->windowHandle(), toets);
        QTRY_COMPARE(TestPaden::LeesBestand(xdg + ".arg"), status.isEmpty() ? QByteArray() : gids.toUtf8() + "\n");
        QTest::qWait(status.isEmpty() ? 0 : 100);                                    // the exit status comes after the opener has run
        QTRY_COMPARE(v.meldingen.Teksten().join("|").left(melding.size()), melding); // "Over" and the opener's end in paths
        QCOMPARE(v.meldingen.meldingen.size(), melding.isEmpty() ? 0 : 1);
        QCOMPARE(v.venster->isVisible(), blijftOpen);
    }

    // Under Xvfb at common screen sizes (see CMakeLists.txt): the whole window on the screen, no
    // caption cut off, and no picture, button or input box without a name for a screen reader.
    void passtOpScherm_data()
    {
        QTest::addColumn<QString>("venster");
        for (const QString& naam : kVensters)
            QTest::newRow(qPrintable(naam)) << naam;
    }

    void passtOpScherm()
    {
        if (QGuiApplication::platformName() == "offscreen")
            QSKIP("runs under Xvfb on real screen sizes");
        QFETCH(QString, venster);
        Venster v(venster);
        QVERIFY(QTest::qWaitForWindowExposed(v.venster.get()));
        const QRect scherm = v.venster->screen()->availableGeometry();
        QVERIFY(scherm.contains(v.venster->frameGeometry()));
        if (venster == "frmStart" && scherm.width() >= 1024 && scherm.height() >= 576)
            QCOMPARE(v.venster->size(), QSize(1024, 576));
        for (QWidget* w : v.venster->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(w);
            if ((label && !label->pixmap().isNull()) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w))
                QVERIFY2(!QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(w->objectName()));
            if (!w->isVisibleTo(v.venster.get()) || (!label && !qobject_cast<QAbstractButton*>(w)))
                continue;
            // A push button's size hint has the style's minimum width (80): "?" needs only its text.
            const auto* knop = qobject_cast<QPushButton*>(w);
            const int nodig = knop ? knop->fontMetrics().size(Qt::TextShowMnemonic, knop->text()).width() : w->sizeHint().width();
            const bool afgekapt = label && label->wordWrap() ? w->height() < w->heightForWidth(w->width()) : w->width() < nodig;
            QVERIFY2(!afgekapt, qPrintable(w->objectName()));
        }
    }

    // The site-structure help shows both of its example pictures, drawn as in tests/data/app.
    void plaatjes()
    {
        Venster v("diaSitestructuur");
        QStringList getoond;
        for (const QLabel* label : v.venster->findChildren<QLabel*>()) {
            const QImage beeld = label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
            for (const char* naam : {"app/sitestructuur_boom.png", "app/sitestructuur_rechten.png"})
                if (label->isVisible() && beeld == QImage(TestPaden::TestData(naam)).convertToFormat(QImage::Format_RGB32))
                    getoond << naam;
        }
        QCOMPARE(getoond, (QStringList{"app/sitestructuur_boom.png", "app/sitestructuur_rechten.png"}));
    }

    // Deleting a moment removes the links inside it, never what they point to; "Open map" follows the selection.
    void verwijderen()
    {
        Venster v("frmStart");
        const QString buiten = v.dir.filePath("buiten"), moment = v.w.MapProgramma + "/donderdag-avond";
        for (const char* bestand : {"donderdag-avond/hovelink.js", "donderdag-avond/donderdag-avond.ini", "dinsdag/hovelink.js"})
            QVERIFY(TestPaden::SchrijfBestand(v.w.MapProgramma + "/" + bestand, "x"));
        QVERIFY(TestPaden::SchrijfBestand(buiten + "/hovelink.js", "leden"));
        QVERIFY(QFile::link(buiten, v.w.MapProgramma + "/link") && QFile::link(buiten, moment + "/map") &&
                QFile::link(buiten + "/hovelink.js", moment + "/leden.txt"));
        v.Start()->Scipts_naar_lstHulp();
        QVERIFY(QTest::qWaitForWindowExposed(v.venster.get()));
        auto* lijst = v.Deel<QListWidget>("lstHulp");
        const auto klik = [&](const char* knop, Meldingen::Antwoord antwoord = Meldingen::Antwoord::Ok) {
            v.meldingen.meldingen.clear();
            v.meldingen.ZetVolgendAntwoord(antwoord);
            QTest::mouseClick(v.Deel(knop), Qt::LeftButton);
            return v.meldingen.Teksten().join("");
        };
        for (const int rij : {0, 1})
            QTest::mouseClick(lijst->viewport(), Qt::LeftButton, rij ? Qt::ControlModifier : Qt::NoModifier,
                              lijst->visualItemRect(lijst->item(rij)).center());
        QVERIFY(!v.Deel("cmdOpenMap")->isEnabled());
        QCOMPARE(v.Deel("cmdOpenMap")->toolTip(), "Alt+O");
        QCOMPARE(klik("cmdVerwijderDag"), "U mag slechts 1 dag tegelijk verwijderen!");
        QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, lijst->visualItemRect(lijst->item(1)).center());
        QVERIFY(v.Deel("cmdOpenMap")->isEnabled());
        QCOMPARE(v.Deel("cmdOpenMap")->toolTip(), QDir::toNativeSeparators(moment) + "\nAlt+O");
        QCOMPARE(OpenExtern::NietGeopend(moment), "De map kon niet worden geopend; u vindt haar hier:\r\n" + QDir::toNativeSeparators(moment));
        const QString vraag = "Weet u zeker dat u ALLE gegevens van deze dag wilt verwijderen?";
        QCOMPARE(klik("cmdVerwijderDag", Meldingen::Antwoord::Annuleren), vraag);
        QCOMPARE(lijst->count(), 2);
        QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, lijst->visualItemRect(lijst->item(1)).center());
        QCOMPARE(klik("cmdVerwijderDag"), vraag);
        QCOMPARE(lijst->count(), 1);
        QVERIFY(!QFileInfo::exists(moment));
        QCOMPARE(TestPaden::LeesBestand(buiten + "/hovelink.js"), QByteArray("leden"));
    }
};

QTEST_MAIN(TstVensters)
#include "tst_vensters.moc"
