#include "app/opstarten.h"
#include "app/speelmomenten.h"
#include "moment/frmafmelden.h"
#include "nodeharnas.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString kVoltooid = "\r\nHet Script-bestand voor 'donderdag-avond' is gemaakt.\r\n\r\nU moet het hierna nog "
                          "Uploaden.\r\n\r\nAls u ook een logoafbeelding hebt gemaakt of gewijzigd moet u die \u00F3\u00F3k "
                          "uploaden.";

// A copy of the demo Tafelwerk folder with donderdag-avond prepared, and its sign-off
// settings window, worked with the mouse and the keyboard; today is 15 March 2025.
struct Opstelling {
    QTemporaryDir dir;
    Werkruimte w;
    KopInstellingen kop;
    BewaardeMoment bewaard;
    MeldingRecorder meldingen;
    int ververst = 0;
    std::unique_ptr<FrmAfmelden> venster;

    explicit Opstelling(const QByteArray& ledenbestand = {})
    {
        TestPaden::KopieerMap(TestPaden::DemoMap(), dir.path());
        if (!ledenbestand.isEmpty())
            TestPaden::SchrijfBestand(dir.filePath("TWKspelers.txt"), ledenbestand);
        w.MapTwk = dir.path();
        w.MapSpelers = dir.path();
        w.BestandSpelers = dir.filePath("TWKspelers.txt");
        Opstarten::Init(w);
        Speelmomenten::BereidSpeelmomentVoor(w, "donderdag-avond", meldingen);
    }
    void Open()
    {
        venster = std::make_unique<FrmAfmelden>(
            w, kop, bewaard, StartKeuze{"donderdag-avond", "BC De Troef", 1, [this] { ++ververst; }}, meldingen,
            [] { return QDate(2025, 3, 15); });
        venster->ZetProgrammaMap(dir.path());
        venster->Form_Load();
        venster->show();
        QApplication::setActiveWindow(venster.get());
        QVERIFY(QTest::qWaitForWindowActive(venster.get()));
    }
    template <typename T> T* Control(const char* naam) const { return venster->findChild<T*>(QLatin1String(naam)); }
    QLineEdit* Vak(int i) const { return venster->findChildren<QLineEdit*>("txtB2").at(i); } // made in order
    // Scrolls `control` into sight, as a user on a small screen does, and clicks it.
    void Klik(QWidget* control, QPoint plek = {}) const
    {
        Control<QScrollArea>("schuifInstellingen")->ensureWidgetVisible(control);
        QTest::mouseClick(control, Qt::LeftButton, {}, plek.isNull() ? control->rect().center() : plek);
    }
    void Klik(const char* knop) const { Klik(Control<QPushButton>(knop)); }
    // Clicks a row of a list, then ticks or unticks it with the space bar.
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
        auto* l = Control<QListWidget>(lijst);
        for (int i = 0; i < l->count(); ++i)
            if (l->item(i)->checkState() == Qt::Checked)
                uit.append(i);
        return uit;
    }
    // Clicks into a box and types over its text, Enter between lines; Tab leaves it.
    void Typ(QWidget* vak, const QString& tekst, bool verlaten = true)
    {
        Klik(vak);
        QTest::keyClick(vak, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(vak, Qt::Key_Delete);
        for (const QChar teken : tekst)
            teken == u'\n' ? QTest::keyClick(vak, Qt::Key_Return) : QTest::keyClicks(vak, QString(teken));
        if (verlaten)
            QTest::keyClick(vak, Qt::Key_Tab);
    }
    void TypVak(int i, const QString& tekst) { Typ(Vak(i), tekst); }
    void TypAdressen(const QString& tekst) { Typ(Control<QPlainTextEdit>("txtEmailadressen"), tekst); }
    // Dates, an address, end time, groups A1 and MA and the four boxes.
    void VulIn()
    {
        Vink("lstDagen", 0);
        Vink("lstDagen", 1);
        Vink("lstDagen", 5);
        TypAdressen("secretaris@bctroef.nl\n\nwedstrijd@bctroef.nl");
        Vink("lstActEmails", 0);
        Typ(Control<QLineEdit>("txtContactPers"), "Jan de Vries");
        Typ(Control<QLineEdit>("txtEindtijd"), "15:30");
        Vink("lst1", 0);
        Vink("lst1", 3);
        TypVak(0, "1");
        TypVak(1, "1,4");
        TypVak(2, "4");
        TypVak(3, "1,4,");
    }
    void Einde() { Klik("cmdEinde"); }
    QString Script() const { return w.MapProgramma + "/donderdag-avond/hovelink.js"; }
    QString Ini() const { return w.MapProgramma + "/donderdag-avond/donderdag-avond.ini"; }
};

// The four name boxes and the dates the site preview shows while it is open; closes it.
struct VoorbeeldInhoud {
    QList<QStringList> vakken;
    QStringList dagen;
};

QStringList Regels(const QListWidget* lijst)
{
    QStringList uit;
    for (int i = 0; lijst && i < lijst->count(); ++i)
        uit.append(lijst->item(i)->text());
    return uit;
}

VoorbeeldInhoud BekijkVoorbeeld(const Opstelling& o)
{
    VoorbeeldInhoud inhoud;
    QTimer::singleShot(0, [&inhoud] {
        auto* venster = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!venster || venster->objectName() != "frmVoorbeeld")
            return;
        for (int k = 0; k < 4; ++k)
            inhoud.vakken.append(Regels(venster->findChild<QListWidget*>("lstVak" + QString::number(k))));
        inhoud.dagen = Regels(venster->findChild<QListWidget*>("lstSpeeldagen"));
        venster->accept();
    });
    o.Klik("cmdVoorbeeld");
    return inhoud;
}

} // namespace

class TstFrmAfmelden : public QObject {
    Q_OBJECT
private slots:
    void opent();
    void helemaalDoorlopen();
    void heropenenHerstelt();
    void partnersTonen();
    void nietVerder_data();
    void nietVerder();
    void groepenZonderLeden();
    void vakVerlaten_data();
    void vakVerlaten();
    void adressenOpnieuw();
    void adressenGemarkeerd();
};

void TstFrmAfmelden::opent()
{
    Opstelling o;
    // A first month stored before must not carry over to a moment without one: it starts today.
    o.bewaard.Startdatum = QDate(2024, 9, 1);
    o.Open();
    QCOMPARE(o.venster->windowTitle(), "Alle ingevoerde gegevens gelden voor Speeldag: donderdag-avond");
    QCOMPARE(o.Control<QLabel>("lblSpeeldag")->text(), "Speeldag: donderdag-avond");
    QCOMPARE(o.Control<QPushButton>("cmbAfbreken")->text(), "Afbreken\r\n(niet opslaan)");
    QVERIFY(o.Control<QWidget>("Frame10")->isVisible());
    // The keys stay out of the texts.
    QCOMPARE(o.Control<QComboBox>("cmbVan")->currentText(), "maart 2025");
    QCOMPARE(o.Control<QComboBox>("cmbTot")->currentData(), "2026-06-01");
    QVERIFY(o.Control<QComboBox>("cmbVan")->isEnabled());
    auto* dagen = o.Control<QListWidget>("lstDagen");
    QCOMPARE(dagen->item(0)->text(), "donderdag-avond 6 maart 2025");
    QCOMPARE(dagen->item(0)->data(Qt::UserRole), "20250306");
    QVERIFY(o.Control<QCheckBox>("chk1")->isChecked());
    QVERIFY(!o.Control<QCheckBox>("chk1")->isEnabled());
    QVERIFY(o.Control<QCheckBox>("chk2")->isChecked());
    QVERIFY(o.Control<QCheckBox>("chkPartnerOok")->isChecked());
    QVERIFY(!o.Control<QWidget>("Frame8")->isEnabled());
    QVERIFY(o.Control<QPushButton>("cmdHelpPartner")->isEnabled());
    // On a screen smaller than the window the buttons stay in sight; the settings scroll.
    QVERIFY(o.venster->screen()->availableGeometry().contains(o.venster->frameGeometry()));
    QVERIFY(o.venster->rect().contains(o.Control<QPushButton>("cmbAfbreken")->geometry()));
    QCOMPARE(o.kop.kopvakho, 0); // no settings file: no line to pass over
    o.Klik("cmdOverzicht");
    QCOMPARE(o.meldingen.Teksten(), QStringList{"Overzicht niet aanwezig!"});
}

void TstFrmAfmelden::helemaalDoorlopen()
{
    Opstelling o;
    o.Open();
    o.VulIn(); // groups A1 and MA; boxes 1, "1,4", 4 and "1,4,"
    QCOMPARE(o.Control<QLabel>("Label6")->text(), "Aantal regels: 23");
    const QAbstractItemModel* overzicht = o.Control<QAbstractItemView>("txt1")->model();
    QCOMPARE(overzicht->index(0, 0).data().toString(), "0001  01=(A1)  Anna Bakker");
    const QString koppen = o.Control<QLabel>("lblKolommen")->text();
    const QString rij = overzicht->index(0, 0).data().toString();
    QCOMPARE(koppen.indexOf("LedenGrNr"), rij.indexOf("01=("));
    QVERIFY(qAbs(koppen.indexOf("Speler") - rij.indexOf("Anna")) <= 1);

    const VoorbeeldInhoud inhoud = BekijkVoorbeeld(o);
    QCOMPARE(inhoud.vakken.size(), 4);
    QCOMPARE(inhoud.vakken[0].first(), "-----  KIES NAAM  -----");
    QCOMPARE(inhoud.dagen, (QStringList{"donderdag 6 maart 2025", "donderdag 13 maart 2025", "donderdag 10 april 2025"}));
    // Looking changes nothing.
    QVERIFY(o.meldingen.meldingen.isEmpty());
    QVERIFY(!QFileInfo::exists(o.Ini()));
    QVERIFY(!QFileInfo::exists(o.Script()));

    o.Einde();
    QCOMPARE(o.meldingen.Teksten(), QStringList{kVoltooid});
    QVERIFY(!o.venster->isVisible());
    QCOMPARE(o.ververst, 1);
    QCOMPARE(TestPaden::LeesBestand(o.Script()), TestPaden::LeesBestand(TestPaden::TestData("moment/doorlopen.js")));
    QCOMPARE(TestPaden::LeesBestand(o.Ini()), TestPaden::LeesBestand(TestPaden::TestData("moment/doorlopen.ini")));

    // The script passes node --check, and the site makes of it what the preview showed.
    NodeHarnas harnas;
    if (const QString fout = harnas.Fout(); !fout.isEmpty())
        QFAIL(qPrintable(fout));
    const QJsonObject js = harnas.DraaiBestand(o.Script(), {"naam1", "partner", "inval1", "inval3"});
    QVERIFY2(!js.isEmpty(), "node --check or the harness failed");
    for (int k = 0; k < 4; ++k) {
        QStringList opSite;
        for (const QJsonValue optie : js[u"vakken"].toArray().at(k)[u"opties"].toArray())
            opSite.append(optie[u"tekst"].toString());
        QCOMPARE(inhoud.vakken[k], opSite);
    }
    QCOMPARE(js[u"dag"].toArray().size(), inhoud.dagen.size());
}

void TstFrmAfmelden::heropenenHerstelt()
{
    Opstelling o;
    o.Open();
    o.VulIn();
    o.Einde();
    o.meldingen.meldingen.clear();
    o.Open();
    QVERIFY(o.meldingen.meldingen.isEmpty());
    QCOMPARE(o.Vinkjes("lstDagen"), (QList<int>{0, 1, 5}));
    QVERIFY(!o.Control<QComboBox>("cmbVan")->isEnabled());
    QCOMPARE(o.Control<QPlainTextEdit>("txtEmailadressen")->toPlainText(), "secretaris@bctroef.nl\nwedstrijd@bctroef.nl\n");
    QCOMPARE(o.kop.kopvakho, 100); // the empty line after the addresses
    // Every saved value came back: saving again unchanged writes the same bytes.
    const QByteArray eerst = TestPaden::LeesBestand(o.Ini());
    o.Einde();
    QCOMPARE(TestPaden::LeesBestand(o.Ini()), eerst);
    // Down and Space tick the next groups: the current row stays where the user is.
    o.Open();
    for (int i = 0; i < 2; ++i) {
        QTest::keyClick(o.Control<QListWidget>("lst1"), Qt::Key_Down);
        QTest::keyClick(o.Control<QListWidget>("lst1"), Qt::Key_Space);
    }
    QCOMPARE(o.Vinkjes("lst1"), (QList<int>{0, 1, 2, 3}));
}

void TstFrmAfmelden::partnersTonen()
{
    Opstelling o;
    o.Open();
    o.VulIn();
    // An assistive tool fills a box; the refresh after another partner file keeps it.
    QAccessible::queryAccessibleInterface(o.Vak(2))->setText(QAccessible::Value, "1");
    auto* partner = o.Control<QComboBox>("cmbPartner");
    QTest::keyClick(partner, Qt::Key_Down);
    QCOMPARE(partner->currentText(), "MA");
    QCOMPARE(o.Vak(2)->text(), "1");
    auto* toon = o.Control<QCheckBox>("chkToonPartner");
    QVERIFY(!toon->isChecked());
    QAccessible::queryAccessibleInterface(toon)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
    QVERIFY(o.Control<QLineEdit>("Text1")->isVisible());
    o.TypVak(0, "4");
    o.Einde();
    QCOMPARE(o.meldingen.Teksten(), QStringList{kVoltooid});
    const QString script = QString::fromLatin1(TestPaden::LeesBestand(o.Script()));
    QVERIFY(script.contains("alg[7]=1;"));
    QVERIFY(script.contains("var DUM11='#000#004';")); // box 1 takes the text of box 0
    QVERIFY(script.contains("='001037000001038004';"));
    QVERIFY(script.contains("='001038000001037004';"));
    QVERIFY(script.contains("='001001000000000001';")); // A1's pairs are not in MA's file
    QVERIFY(TestPaden::LeesBestand(o.Ini()).contains("txtb2b=4\r\ntxtb2c=1\r\n"));
    QVERIFY(TestPaden::LeesBestand(o.Ini()).contains("Partnerbest=MA\r\nToonpartner=1\r\n"));

    // Reopened, "(partners)" stands exactly in front of the 'partner' box at any size.
    o.Open();
    auto* text1 = o.Control<QLineEdit>("Text1");
    for (const QSize maat : {QSize(640, 480), QSize(1300, 900)}) {
        o.venster->resize(maat);
        QCoreApplication::processEvents();
        QVERIFY(text1->isVisible());
        QCOMPARE(text1->geometry(), o.Vak(1)->geometry());
    }
}

// Ways out of the filled-in window that stop short of writing, ask first or fail to write,
// and keys that must not leave it; %1 is the script's path, %2 the settings file's.
void TstFrmAfmelden::nietVerder_data()
{
    const QString geenAdres = "Er zijn nog g\u00E9\u00E9n Afmeld-emailadres(sen) geselecteerd!\r\nDat is niet verplicht, "
                              "wel een extra zekerheid.\r\n\r\nWilt u toch doorgaan?.";
    QTest::addColumn<QString>("actie");
    QTest::addColumn<QStringList>("meldingen");
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("script");
    QTest::addColumn<bool>("ini");
    QTest::newRow("Afbreken") << "afbreken" << QStringList{"Er is afgebroken, de wijzigingen worden niet bewaard!"}
                              << false << false << false;
    QTest::newRow("no date ticked")
        << "geen datum" << QStringList{"Er zijn g\u00E9\u00E9n speeldagen geselecteerd in de speelkalender!"} << true
        << false << false;
    QTest::newRow("no address ticked, No stays") << "geen adres nee" << QStringList{geenAdres} << true << false << false;
    QTest::newRow("no address ticked, Yes goes on")
        << "geen adres ja" << QStringList{geenAdres, kVoltooid} << false << true << true;
    QTest::newRow("script cannot be written: nothing saved")
        << "script map" << QStringList{"Het Script-bestand kon niet worden opgeslagen:\r\n%1\r\n\r\nFilename refers to a directory"} << true << false << false;
    QTest::newRow("settings cannot be written")
        << "ini map" << QStringList{kVoltooid, "Het instellingenbestand kon niet worden opgeslagen:\r\n%2\r\n\r\nFilename refers to a directory"} << true
        << true << false;
    // Enter never presses a button (here "Maak de speelkalender" would untick the dates).
    for (const char* control : {"Enter:txtEindtijd", "Enter:txtContactPers", "Enter:txtB2", "Escape:txtEindtijd"})
        QTest::newRow(control) << control << QStringList{} << true << false << false;
}

void TstFrmAfmelden::nietVerder()
{
    QFETCH(QString, actie);
    QFETCH(QStringList, meldingen);
    QFETCH(bool, open);
    QFETCH(bool, script);
    QFETCH(bool, ini);
    Opstelling o;
    o.Open();
    o.VulIn();
    if (actie == "geen datum")
        o.Klik("cmdDeselect");
    if (actie.startsWith("geen adres")) {
        o.Vink("lstActEmails", 0, false);
        o.meldingen.ZetVolgendAntwoord(actie.endsWith("ja") ? Meldingen::Antwoord::Ja : Meldingen::Antwoord::Nee);
    }
    if (actie.endsWith("map")) // a folder where the file belongs
        QVERIFY(QDir().mkpath(actie == "script map" ? o.Script() : o.Ini()));
    if (const qsizetype dubbelepunt = actie.indexOf(u':'); dubbelepunt > 0) {
        const QString naam = actie.mid(dubbelepunt + 1);
        QWidget* control = naam == "txtB2" ? o.Vak(2) : o.Control<QWidget>(qPrintable(naam));
        o.Klik(control);
        QTest::keyClick(control, actie.startsWith("Escape") ? Qt::Key_Escape : Qt::Key_Return);
    } else {
        o.Klik(actie == "afbreken" ? "cmbAfbreken" : "cmdEinde");
    }
    meldingen.replaceInStrings("%1", QDir::toNativeSeparators(o.Script()));
    meldingen.replaceInStrings("%2", QDir::toNativeSeparators(o.Ini()));
    QCOMPARE(o.meldingen.Teksten(), meldingen);
    if (actie.endsWith("map"))
        QCOMPARE(o.meldingen.meldingen.last().pictogram, Meldingen::Pictogram::Kritiek);
    QCOMPARE(o.venster->isVisible(), open);
    QCOMPARE(o.Vinkjes("lstDagen").isEmpty(), actie == "geen datum");
    QCOMPARE(QFileInfo(o.Script()).isFile(), script);
    QCOMPARE(QFileInfo(o.Ini()).isFile(), ini);
    QCOMPARE(o.ververst, script ? 1 : 0);
}

void TstFrmAfmelden::groepenZonderLeden()
{
    QByteArray leden = "kop\r\n";
    for (int i = 0; i < 3; ++i)
        leden += "1,500" + QByteArray::number(i) + ",X,Jan,,Dood" + QByteArray::number(i) + ",,,,,,,,,,Overleden,,\r\n";
    Opstelling o(leden);
    o.Open();
    o.Klik("cmdSelect");
    o.TypAdressen("a@b.nl");
    o.Vink("lstActEmails", 0);
    o.Vink("lst1", 0);
    for (int i = 0; i < 4; ++i)
        o.TypVak(i, "1");
    o.Einde();
    QCOMPARE(o.meldingen.Teksten(),
             QStringList{"Er wordt g\u00E9\u00E9n scriptbestand aangemaakt want er moeten spelers beschikbaar zijn!"});
    QVERIFY(!QFileInfo::exists(o.Script()));
    QVERIFY(QFileInfo::exists(o.Ini()));
    QVERIFY(!o.venster->isVisible());
    QCOMPARE(o.ververst, 1);
}

// A box's check runs when the user goes to another control of the window (end time -1,
// group boxes 0 to 3; groups 1 and 4 ticked), not when another window takes over, a
// context menu opens or the user aborts.
void TstFrmAfmelden::vakVerlaten_data()
{
    const QString schrijfwijze = "De schrijfwijze is niet juist!\r\n\r\nEnkele voorbeelden: 09:00, 15:00, 18:35.";
    const QString alleVakken = "Alle vakken moeten voorzien zijn van een groepsnummer!\r\nVak 1 mag slechts 1 groep "
                               "bevatten, de overige mogen meer groepen hebben.\r\nSchrijfwijze bijv: 1,3,5";
    QTest::addColumn<int>("vak");
    QTest::addColumn<QString>("getypt");
    QTest::addColumn<QString>("hoe");
    QTest::addColumn<QString>("inBox");
    QTest::addColumn<QStringList>("meldingen");
    QTest::addColumn<bool>("geel");
    QTest::newRow("end time 9:30, Tab") << -1 << "9:30" << "Tab" << "9:30" << QStringList{schrijfwijze} << false;
    QTest::newRow("end time letters dropped") << -1 << "1a5:b30" << "Tab" << "15:30" << QStringList{} << false;
    QTest::newRow("end time 9:3, other window") << -1 << "9:3" << "venster" << "9:3" << QStringList{} << false;
    QTest::newRow("end time 9:3, context menu") << -1 << "9:3" << "menu" << "9:3" << QStringList{} << false;
    QTest::newRow("end time 9:3, Afbreken")
        << -1 << "9:3" << "Afbreken" << "9:3"
        << QStringList{"Er is afgebroken, de wijzigingen worden niet bewaard!"} << false;
    QTest::newRow("end time 9:3, mouse on OK")
        << -1 << "9:3" << "OK" << "9:3" << QStringList{schrijfwijze, alleVakken} << false;
    QTest::newRow("end time 9:3, Alt+O")
        << -1 << "9:3" << "Alt+O" << "9:3" << QStringList{schrijfwijze, alleVakken} << false;
    QTest::newRow("two groups in naam1")
        << 0 << "1,4" << "Tab" << "" << QStringList{"In vak 'naam1' mag slechts 1 groep gebruikt worden!"} << false;
    QTest::newRow("group not ticked")
        << 2 << "1,3" << "Tab" << "" << QStringList{"Groep 3 is niet geselecteerd in bovenstaande lijst!"} << true;
    QTest::newRow("group not ticked, other window") << 2 << "1,3" << "venster" << "1,3" << QStringList{} << false;
    QTest::newRow("only digits and commas") << 3 << u"a1 ;,\u00B2-b4"_qs << "Tab" << "1,4" << QStringList{} << false;
}

void TstFrmAfmelden::vakVerlaten()
{
    QFETCH(int, vak);
    QFETCH(QString, getypt);
    QFETCH(QString, hoe);
    QFETCH(QString, inBox);
    QFETCH(QStringList, meldingen);
    QFETCH(bool, geel);
    Opstelling o;
    o.Open();
    o.Vink("lst1", 0);
    o.Vink("lst1", 3);
    QLineEdit* box = vak < 0 ? o.Control<QLineEdit>("txtEindtijd") : o.Vak(vak);
    o.Typ(box, getypt, false);
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
        QTest::keyClick(box, Qt::Key_O, Qt::AltModifier);
    } else {
        o.Klik(hoe == "OK" ? "cmdEinde" : "cmbAfbreken");
    }
    QCOMPARE(box->text(), inBox);
    QCOMPARE(o.meldingen.Teksten(), meldingen);
    QCOMPARE(box->styleSheet().contains("#ffff00"), geel);
    QCOMPARE(o.venster->isVisible(), hoe != "Afbreken");
}

void TstFrmAfmelden::adressenOpnieuw()
{
    Opstelling o;
    o.Open();
    o.TypAdressen("a\n\nb\n\n");
    QCOMPARE(o.Control<QPlainTextEdit>("txtEmailadressen")->toPlainText(), "a\nb\n");
    o.Vink("lstActEmails", 1);
    o.TypAdressen("   ");
    QCOMPARE(o.Vinkjes("lstActEmails"), QList<int>{1}); // an empty box keeps the rows
    o.TypAdressen("a\nb\nc");
    QCOMPARE(o.Control<QListWidget>("lstActEmails")->count(), 3);
    QVERIFY(o.Vinkjes("lstActEmails").isEmpty());
}

// Addresses that look wrong or occur twice are marked; the rows stay as typed.
void TstFrmAfmelden::adressenGemarkeerd()
{
    Opstelling o;
    o.Open();
    o.TypAdressen("secretaris@bctroef.nl\nwedstrijd@bctroef\nSecretaris@BCTroef.nl\njan@bctroef.nl");
    auto* lijst = o.Control<QListWidget>("lstActEmails");
    QCOMPARE(Regels(lijst), (QStringList{"secretaris@bctroef.nl", "wedstrijd@bctroef", "Secretaris@BCTroef.nl",
                                         "jan@bctroef.nl"}));
    const QString dubbel = "Dit adres staat twee keer in de lijst.";
    QStringList tips;
    for (int i = 0; i < lijst->count(); ++i)
        tips << lijst->item(i)->toolTip();
    QCOMPARE(tips, (QStringList{dubbel, "Dit lijkt geen geldig e-mailadres.", dubbel, QString()}));
    QCOMPARE(lijst->item(3)->background().style(), Qt::NoBrush);
    QVERIFY(lijst->item(0)->background() != lijst->item(1)->background());
}

QTEST_MAIN(TstFrmAfmelden)
#include "tst_frmafmelden.moc"
