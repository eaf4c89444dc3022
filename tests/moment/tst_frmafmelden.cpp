#include "app/opstarten.h"
#include "app/speelmomenten.h"
#include "common/venstertoetsenbord.h"
#include "moment/frmafmelden.h"
#include "nodeharnas.h"
#include "support/demowerkplek.h"
#include "support/meldingrecorder.h"
#include "support/tabel.h"
#include "support/testpaden.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QJsonArray>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QTest>
#include <QTimer>

namespace {

const QString kVoltooid = "\r\nHet Script-bestand voor 'donderdag-avond' is gemaakt.\r\n\r\nU moet het hierna nog "
                          "Uploaden.\r\n\r\nAls u ook een logoafbeelding hebt gemaakt of gewijzigd moet u die \u00F3\u00F3k "
                          "uploaden.";
const QString kAfgebroken = "Er is afgebroken, de wijzigingen worden niet bewaard!";

// The demo folder with donderdag-avond prepared and its window; today is 15 March 2025.
struct Opstelling : DemoWerkplek {
    int ververst = 0;
    std::unique_ptr<FrmAfmelden> venster;

    void Open()
    {
        venster = OpenAfmelden([this] { ++ververst; });
        venster->show();
        QApplication::setActiveWindow(venster.get());
        QVERIFY(QTest::qWaitForWindowActive(venster.get()));
    }
    template <typename T = QWidget>
    T* Control(const QString& naam) const
    {
        return venster->findChild<T*>(naam);
    }
    QLineEdit* Vak(int i) const { return venster->findChildren<QLineEdit*>("txtB2").at(i); }
    void Klik(QWidget* control, QPoint plek = {}) const
    {
        Control<QScrollArea>("schuifInstellingen")->ensureWidgetVisible(control);
        QTest::mouseClick(control, Qt::LeftButton, {}, plek.isNull() ? control->rect().center() : plek);
    }
    void Klik(const char* knop) const { Klik(Control(knop)); }
    void Vink(const char* lijst, int rij, bool aan = true)
    {
        auto* l = Control<QListWidget>(lijst);
        l->scrollToItem(l->item(rij));
        Klik(l->viewport(), l->visualItemRect(l->item(rij)).center());
        if ((l->item(rij)->checkState() == Qt::Checked) != aan)
            QTest::keyClick(l, Qt::Key_Space);
    }
    QList<int> Vinkjes(const char* lijst) const
    {
        QList<int> uit;
        for (const QListWidgetItem* rij : Control<QListWidget>(lijst)->findItems("", Qt::MatchContains))
            if (rij->checkState() == Qt::Checked)
                uit.append(rij->listWidget()->row(rij));
        return uit;
    }
    void Typ(QWidget* vak, const QString& tekst, bool verlaten = true, bool plakken = false)
    {
        Klik(vak);
        QTest::keyClick(vak, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(vak, Qt::Key_Delete);
        if (plakken)
            QGuiApplication::clipboard()->setText(tekst), QTest::keyClick(vak, Qt::Key_V, Qt::ControlModifier);
        for (const QChar teken : plakken ? QString() : tekst)
            teken == u'\n' ? QTest::keyClick(vak, Qt::Key_Return) : QTest::keyClicks(vak, QString(teken));
        if (verlaten)
            QTest::keyClick(vak, Qt::Key_Tab);
    }
    // Dates, addresses, contact, end time, groups A1 and MA and the boxes 1, "1,4", 4 and "1,4," (the
    // last two pasted, with a letter each).
    void VulIn()
    {
        for (const int rij : {0, 1, 5})
            Vink("lstDagen", rij);
        Typ(Control("txtEmailadressen"), "secretaris@bctroef.nl\n\nwedstrijd@bctroef.nl");
        Vink("lstActEmails", 0);
        Typ(Control("txtContactPers"), "Jan de Vries");
        Typ(Control("txtEindtijd"), "15:30 uur", true, true); // pasted: only digits and ":" stay
        Vink("lst1", 0);
        Vink("lst1", 3);
        const QStringList vakken{"1", "1,4", "4", "1,4,x"};
        for (int i = 0; i < 4; ++i)
            Typ(Vak(i), vakken[i], true, i == 3);
    }
    QString Script() const { return w.MapProgramma + "/donderdag-avond/hovelink.js"; }
    QString Ini() const { return w.MapProgramma + "/donderdag-avond/donderdag-avond.ini"; }
};

// The box typed in (-1: the end time), its text, typed or pasted, how the box or window is left, and the messages.
struct VertrekRij {
    int vak = -1;
    QString tekst;
    bool geplakt = false;
    QString hoe;
    QStringList meldingen;
};

} // namespace

class TstFrmAfmelden : public QObject {
    Q_OBJECT
    Toetsenbord::EnterDruktKnop m_enter; // as the program has it
private slots:
    void initTestCase() { qApp->installEventFilter(&m_enter); }

    // Filled in by keys: Enter and Escape press nothing, Tab goes round, the help stands in its corner.
    void toetsen()
    {
        Opstelling o;
        o.Open();
        o.VulIn();
        // Enter never presses a button ("Maak de speelkalender" would untick the dates); Escape does nothing.
        for (QWidget* control : {o.Control("txtEindtijd"), o.Control("txtContactPers"), static_cast<QWidget*>(o.Vak(2))}) {
            o.Klik(control);
            QTest::keyClick(control, Qt::Key_Return);
            QTest::keyClick(control, Qt::Key_Escape);
        }
        QVERIFY(o.venster->isVisible() && o.meldingen.meldingen.isEmpty());
        QCOMPARE(o.Vinkjes("lstDagen"), (QList<int>{0, 1, 5}));
        // Passing through the address box keeps the ticked address. Tab visits "?" after "Toon Partner op
        // website", never the area that scrolls the controls.
        o.Klik(o.Control("txtEmailadressen"));
        QStringList volgorde;
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            volgorde << QApplication::focusWidget()->objectName();
        }
        QVERIFY(volgorde.contains("lstDagen") && !volgorde.contains("schuifInstellingen"));
        QCOMPARE(volgorde.indexOf("cmdHelpPartner"), volgorde.indexOf("chkToonPartner") + 1);
        // "Aanwijzingen" stands 200 twips inside the window's bottom left corner, frames included.
        QRect help;
        QTimer::singleShot(0, [&help] {
            help = QApplication::activeModalWidget()->frameGeometry();
            QApplication::activeModalWidget()->close();
        });
        o.Klik("cmdHelp");
        const QRect venster = o.venster->frameGeometry();
        QVERIFY2(help.left() - venster.left() == 13 && venster.bottom() - help.bottom() == 13, qPrintable(QDebug::toString(help)));
    }

    // The site that node makes of the saved script shows what the preview showed; reopened, every value is back.
    void bewaren()
    {
        Opstelling o;
        o.Open();
        o.VulIn();
        QList<QStringList> voorbeeld;
        QTimer::singleShot(0, [&voorbeeld] {
            auto* venster = QApplication::activeModalWidget();
            for (int k = 0; venster && k < 5; ++k) {
                auto* lijst = venster->findChild<QListWidget*>(k < 4 ? "lstVak" + QString::number(k) : "lstSpeeldagen");
                voorbeeld.append(QStringList());
                for (int i = 0; i < lijst->count(); ++i)
                    voorbeeld.last().append(lijst->item(i)->text());
            }
            venster->close();
        });
        o.Klik("cmdVoorbeeld");
        QCOMPARE(voorbeeld.size(), 5);
        QCOMPARE(voorbeeld[4], (QStringList{"donderdag 6 maart 2025", "donderdag 13 maart 2025", "donderdag 10 april 2025"}));

        o.Klik("cmdEinde");
        QCOMPARE(o.meldingen.Teksten(), QStringList{kVoltooid});
        QVERIFY(!o.venster->isVisible());
        QCOMPARE(o.ververst, 1);
        // What the window entered; the rest of the format has its golden file in the script tests.
        const QByteArray script = TestPaden::LeesBestand(o.Script());
        for (const char* deel : {"alg[0]='BC De Troef';\r\nalg[1]='donderdag-avond';\r\nalg[2]=1;\r\nalg[3]=1;\r\n"
                                 "alg[4]='Jan de Vries';\r\nalg[5]='15:30';\r\nalg[6]=1;\r\nalg[7]=0;\r\n",
                                 "{\r\nactem[0]='secretaris@bctroef.nl';\r\n}",
                                 "{\r\ndag[0]='20250306';\r\ndag[1]='20250313';\r\ndag[2]='20250410';\r\n}",
                                 "DUM10='#000#001';\r\nvar DUM11='#000#001#004';\r\nvar DUM12='#000#004';\r\nvar DUM13='#000#001#004';"})
            QVERIFY2(script.contains(deel), deel);
        QCOMPARE(TestPaden::LeesBestand(o.Ini()), TestPaden::LeesBestand(TestPaden::TestData("moment/doorlopen.ini")));

        NodeHarnas harnas;
        const QJsonObject js = harnas.DraaiBestand(o.Script(), {"naam1", "partner", "inval1", "inval3"});
        QVERIFY2(!js.isEmpty(), "node --check or the harness failed");
        for (int k = 0; k < 4; ++k) {
            QStringList opSite;
            for (const QJsonValue optie : js[u"vakken"].toArray().at(k)[u"opties"].toArray())
                opSite.append(optie[u"tekst"].toString());
            QCOMPARE(voorbeeld[k], opSite);
        }
        QCOMPARE(js[u"dag"].toArray().size(), voorbeeld[4].size());

        // Reopened, every value is back: saving again writes the same bytes.
        o.Open();
        QCOMPARE(o.Vinkjes("lstDagen"), (QList<int>{0, 1, 5}));
        QCOMPARE(o.kop.kopvakho, 100); // the empty line after the addresses
        o.Klik("cmdEinde");
        QCOMPARE(TestPaden::LeesBestand(o.Ini()), TestPaden::LeesBestand(TestPaden::TestData("moment/doorlopen.ini")));
        // Down and Space tick the next groups: the current row stays where the user is.
        o.Open();
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(o.Control("lst1"), Qt::Key_Down);
            QTest::keyClick(o.Control("lst1"), Qt::Key_Space);
        }
        QCOMPARE(o.Vinkjes("lst1"), (QList<int>{0, 1, 2, 3}));
        QCOMPARE(o.meldingen.Teksten(), (QStringList{kVoltooid, kVoltooid}));
    }

    void partnersTonen()
    {
        Opstelling o;
        o.Open();
        o.VulIn();
        QTest::keyClick(o.Control("cmbPartner"), Qt::Key_Down); // MA
        o.Klik(o.Control("chkToonPartner"));
        QVERIFY(o.Control("Text1")->isVisible());
        o.Typ(o.Vak(0), "4");
        // A script that cannot be written keeps the window open and saves nothing.
        QVERIFY(QDir().mkpath(o.Script()));
        o.Klik("cmdEinde");
        QVERIFY(o.venster->isVisible() && !QFileInfo::exists(o.Ini()));
        QCOMPARE(o.meldingen.Teksten(), QStringList{"Het Script-bestand kon niet worden opgeslagen:\r\n" +
                                                    QDir::toNativeSeparators(o.Script()) +
                                                    "\r\n\r\nFilename refers to a directory"});
        QVERIFY(QDir(o.Script()).removeRecursively());
        o.Klik("cmdEinde");
        QCOMPARE(o.meldingen.Teksten().last(), kVoltooid);
        const QByteArray script = TestPaden::LeesBestand(o.Script());
        QVERIFY(script.contains("alg[7]=1;") && script.contains("var DUM11='#000#004';")); // box 1 takes box 0's text
        QVERIFY(TestPaden::LeesBestand(o.Ini()).contains("txtb2b=4\r\ntxtb2c=4\r\n"));

        // Reopened, "(partners)" stands exactly in front of the 'partner' box at any size.
        o.Open();
        for (const QSize maat : {QSize(640, 480), QSize(1300, 900)}) {
            o.venster->resize(maat);
            QCoreApplication::processEvents();
            QVERIFY(o.Control("Text1")->isVisible());
            QCOMPARE(o.Control("Text1")->geometry(), o.Vak(1)->geometry());
        }
    }

    // A box is checked when the focus moves within the window only; a refused end time reaches no
    // file however it came in and the window is left. The rest is filled in; groups 1 and 4.
    void vakVerlaten_data()
    {
        const QString schrijfwijze = "De schrijfwijze is niet juist!\r\n\r\nEnkele voorbeelden: 09:00, 15:00, 18:35.";
        const QString groep3 = "Groep 3 is niet geselecteerd in bovenstaande lijst!";
        RijKolom<VertrekRij>();
        QTest::newRow("end time, Tab") << VertrekRij{.tekst = "9:3", .hoe = "Tab", .meldingen = {schrijfwijze}};
        QTest::newRow("end time, context menu") << VertrekRij{.tekst = "9:3", .hoe = "menu"};
        QTest::newRow("end time, Afbreken") << VertrekRij{.tekst = "9:3", .hoe = "Afbreken", .meldingen = {kAfgebroken}};
        QTest::newRow("24:00, Alt+O") << VertrekRij{.tekst = "24:00", .hoe = "Alt+O", .meldingen = {"Het maximum is 23 uur!"}};
        QTest::newRow("12:60 pasted, mouse on OK") << VertrekRij{.tekst = "12:60", .geplakt = true, .hoe = "OK", .meldingen = {"Het maximum is 59 minuten!"}};
        QTest::newRow("hh:mm pasted, close box") << VertrekRij{.tekst = "hh:mm", .geplakt = true, .hoe = "sluitvak", .meldingen = {schrijfwijze}};
        QTest::newRow("emptied, Alt+O") << VertrekRij{.tekst = "", .hoe = "Alt+O", .meldingen = {schrijfwijze}};
        QTest::newRow("group not ticked, Tab") << VertrekRij{.vak = 2, .tekst = "1,3", .hoe = "Tab", .meldingen = {groep3}};
        QTest::newRow("group not ticked, other window") << VertrekRij{.vak = 2, .tekst = "1,3", .hoe = "venster"};
    }
    void vakVerlaten()
    {
        const auto& [vak, tekst, geplakt, hoe, meldingen] = DezeRij<VertrekRij>();
        Opstelling o;
        o.Open();
        o.VulIn();
        QLineEdit* box = vak < 0 ? o.Control<QLineEdit>("txtEindtijd") : o.Vak(vak);
        o.Typ(box, tekst, false, geplakt);
        QWidget ander;
        if (hoe == "Tab") {
            QTest::keyClick(box, Qt::Key_Tab);
        } else if (hoe == "venster") {
            ander.show();
            QApplication::setActiveWindow(&ander);
            QVERIFY(QTest::qWaitForWindowActive(&ander));
        } else if (hoe == "menu") {
            QContextMenuEvent menu(QContextMenuEvent::Mouse, box->rect().center(), box->mapToGlobal(box->rect().center()));
            QApplication::sendEvent(box, &menu);
            QVERIFY(QApplication::activePopupWidget());
            QApplication::activePopupWidget()->close();
        } else if (hoe == "Alt+O") {
            QTest::keySequence(o.venster->windowHandle(), QKeySequence(Qt::ALT | Qt::Key_O));
        } else if (hoe == "sluitvak") {
            o.venster->close();
        } else {
            o.Klik(hoe == "OK" ? "cmdEinde" : "cmbAfbreken");
        }
        const bool groepWeg = vak >= 0 && !meldingen.isEmpty();
        if (!geplakt)
            QCOMPARE(box->text(), groepWeg ? "" : tekst);
        QCOMPARE(box->styleSheet().contains("#ffff00"), groepWeg);
        QCOMPARE(o.meldingen.Teksten(), meldingen);
        QCOMPARE(o.venster->isVisible(), hoe != "Afbreken");
        QVERIFY(!QFileInfo::exists(o.Script()) && !QFileInfo::exists(o.Ini()));
        if (o.venster->isVisible() && !meldingen.isEmpty())
            QCOMPARE(QApplication::focusWidget(), box);
    }
};

QTEST_MAIN(TstFrmAfmelden)
#include "tst_frmafmelden.moc"
