#include "koptest.h"

#include "header/kopbestand.h"
#include "header/kopkeuzes.h"
#include "header/logobestand.h"
#include "support/tabel.h"
#include "support/testpaden.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The numbers in file order, then the texts: what a failing row shows.
QString Velden(const KopInstellingen& k)
{
    QStringList getallen;
    for (const int v : {int(k.kopvakbr), int(k.kopvakho), int(k.kopkleur), int(k.kophoogi), int(k.kophoog), int(k.kopvet),
                        int(k.kopback), int(k.kopverti), int(k.kopvert), int(k.logomarge), int(k.logojn)})
        getallen << QString::number(v);
    return QStringList{getallen.join(u' '), k.koptekst, k.kopfont, k.tekstlo, k.tekstro, k.logofile}.join(u'|');
}

const QString Tekst = "|Oud|Arial|abcde|info@bridgeclub.nl|000001.jpg"; // of the record reading starts from

struct LogoRij {
    QStringList aanwezig;
    QString logofile;
    QString gekozen;  // "bron/": from outside, "map/": from inside the folder
    QString verwacht; // logofile after saving; the only picture left
};

} // namespace

class TstKopBestand : public QObject {
    Q_OBJECT
private slots:
    void leesKop_data()
    {
        QTest::addColumn<QByteArray>("inhoud"); // null: no file
        QTest::addColumn<QString>("verwacht");
        QTest::newRow("example file") << TestPaden::LeesBestand(TestPaden::TestData("header/inikop_750x100.ini"))
                                      << "750 100 0 7 24 1 65535 10 20 5 1|BC bridgeclub|Arial|abcde|info@bridgeclub.nl|000001.jpg";
        QTest::newRow("no file") << QByteArray() << "640 100 0 7 30 0 123 10 20 5 1" + Tekst;
        QTest::newRow("empty colour ends reading") << QByteArray("kopvakbr=600\r\nkopkleur=\r\nkopback=255\r\nkoptekst=Nieuw\r\n")
                                                   << "600 100 0 7 30 0 123 10 20 5 1" + Tekst;
        QTest::newRow("height beyond 16 bits ends reading") << QByteArray("kophoogi=3\r\nkophoog=99999\r\nkopvet=1\r\n")
                                                            << "640 100 0 3 30 0 123 10 20 5 1" + Tekst;
        QTest::newRow("club name line read as a key, similar keys kept apart")
            << QByteArray("koptekst=Club\r\nBC De Troef\r\nkopverti=4\r\nkopvert=8\r\n") << "640 100 0 7 30 0 123 4 8 5 1|Club|Arial|abcde|info@bridgeclub.nl|000001.jpg";
        QTest::newRow("values the designer cannot make read as defaults")
            << QByteArray("kopvakbr=-750\r\nkopvakho=0\r\nkopkleur=-1\r\nkophoogi=99\r\nkophoog=91\r\nkopverti=36\r\nlogomarge=45\r\nlogojn=2\r\n")
            << "750 0 0 7 24 0 123 0 20 0 0" + Tekst;
        QTest::newRow("logo outside the folder is no logo")
            << QByteArray("logofile=../../TWKspelers.txt\r\n") << "640 100 0 7 30 0 123 10 20 5 1|Oud|Arial|abcde|info@bridgeclub.nl|";
    }

    void leesKop()
    {
        QFETCH(QByteArray, inhoud);
        QFETCH(QString, verwacht);
        QTemporaryDir map;
        if (!inhoud.isNull())
            QVERIFY(TestPaden::SchrijfBestand(map.filePath(StandaardNaamKop), inhoud));
        KopInstellingen kop = VoorbeeldKop();
        kop.kopvakbr = 640, kop.koptekst = "Oud", kop.kopback = 123, kop.kophoog = 30, kop.kopvet = 0;
        LeesKop(map.path(), StandaardNaamKop, kop);
        QCOMPARE(Velden(kop), verwacht);
    }

    // The bytes written; reading them back gives the record as written (750 by 100 for zeros).
    void schrijfKop_data()
    {
        QTest::addColumn<KopInstellingen>("kop");
        QTest::addColumn<QString>("clubnaam");
        QTest::addColumn<QByteArray>("verwacht");
        QTest::newRow("example file") << VoorbeeldKop() << "BC De Troef"
                                      << TestPaden::LeesBestand(TestPaden::TestData("header/inikop_750x100.ini"));
        QTest::newRow("zero sizes become 750 by 100, club name trimmed of blanks only")
            << KopInstellingen{} << "  \tBC De Troef  "
            << QByteArray("donderdag-avond\r\n\tBC De Troef\r\nkopvakbr=750\r\nkopvakho=100\r\nkoptekst=\r\nkopfont=\r\nkopkleur=0\r\nkophoogi=0\r\n"
                          "kophoog=0\r\nkopvet=0\r\nkopback=0\r\nkopverti=0\r\nkopvert=0\r\ntekstlo=\r\ntekstro=\r\nlogofile=\r\nlogomarge=0\r\nlogojn=0\r\n");
    }

    void schrijfKop()
    {
        QFETCH(KopInstellingen, kop);
        QFETCH(QString, clubnaam);
        QFETCH(QByteArray, verwacht);
        QTemporaryDir map;
        QVERIFY(SchrijfKop(map.path(), StandaardNaamKop, "donderdag-avond", clubnaam, kop).gelukt());
        QCOMPARE(TestPaden::LeesBestand(map.filePath(StandaardNaamKop)), verwacht);
        KopInstellingen gelezen;
        LeesKop(map.path(), StandaardNaamKop, gelezen);
        QCOMPARE(Velden(gelezen), Velden(kop));
    }

    // A new logo gets the first free six-digit name, a stored one keeps its name, other pictures go.
    void bewaarLogo_data()
    {
        RijKolom<LogoRij>();
        QTest::newRow("new gif beside 000001.gif") << LogoRij{.aanwezig = {"000001.gif"}, .logofile = "000001.gif", .gekozen = "bron/logo.gif", .verwacht = "000002.gif"};
        QTest::newRow("extension kept as typed") << LogoRij{.gekozen = "bron/Logo.Club.BMP", .verwacht = "000001.BMP"};
        QTest::newRow("without logo every picture goes") << LogoRij{.aanwezig = {"a.jpg", "B.BMP", "c.gif", "d.ico", "e.png", "notities.txt"}};
        QTest::newRow("stored logo keeps its name") << LogoRij{.aanwezig = {"000001.jpg", "oud.gif"}, .logofile = "000001.jpg", .verwacht = "000001.jpg"};
        QTest::newRow("chosen file inside the folder") << LogoRij{.aanwezig = {"000001.jpg", "000002.gif"}, .logofile = "000002.gif", .gekozen = "map/000001.jpg", .verwacht = "000002.jpg"};
        QTest::newRow("missing stored logo is forgotten") << LogoRij{.aanwezig = {"000003.jpg"}, .logofile = "000007.jpg"};
    }

    void bewaarLogo()
    {
        const auto& [aanwezig, logofile, gekozen, verwacht] = DezeRij<LogoRij>();
        QTemporaryDir bron, map;
        for (const QString& naam : aanwezig)
            QVERIFY(TestPaden::SchrijfBestand(map.filePath(naam), naam.toUtf8()));
        const QString pad = gekozen.isEmpty() ? QString() : (gekozen.startsWith("bron/") ? bron.path() : map.path()) + gekozen.mid(gekozen.indexOf('/'));
        if (gekozen.startsWith("bron/"))
            QVERIFY(TestPaden::SchrijfBestand(pad, "nieuw"));
        const QByteArray inhoud = TestPaden::LeesBestand(pad.isEmpty() ? map.filePath(logofile) : pad);
        KopInstellingen kop = VoorbeeldKop();
        kop.logofile = logofile;
        BewaarLogo(map.path(), pad, kop);
        QCOMPARE(kop.logofile, verwacht);
        QCOMPARE(QDir(map.path()).entryList(QDir::Files, QDir::Name), (verwacht.isEmpty() ? QStringList() : QStringList{verwacht}) + aanwezig.filter(".txt"));
        QCOMPARE(TestPaden::LeesBestand(map.filePath(verwacht)), verwacht.isEmpty() ? QByteArray() : inhoud);
    }

    // The designer's lists (first, second, last entry and count), its widths, and a header never designed
    // (its letter height comes from the list entry kophoogi selects).
    void ontwerp()
    {
        QStringList lijsten;
        for (const QStringList& lijst : {KopKeuzes(&KopInstellingen::kopvakho), KopKeuzes(&KopInstellingen::logomarge), KopKeuzes(&KopInstellingen::kopvert), KopKeuzes(&KopInstellingen::kophoog)})
            lijsten << QStringList{lijst.value(0), lijst.value(1), lijst.last(), QString::number(lijst.size())}.join(u' ');
        QCOMPARE(lijsten, (QStringList{"70 72 130 31", "0 1 30 31", "0 2 70 36", "10 12 90 41"}));
        QCOMPARE((QList<bool>{KopBreedteGoed(499), KopBreedteGoed(500), KopBreedteGoed(999), KopBreedteGoed(1000)}), (QList<bool>{false, true, true, false}));
        KopInstellingen nieuw;
        VulOntwerpStandaarden(nieuw);
        QCOMPARE(Velden(nieuw), "750 100 0 7 0 0 65535 0 0 0 0|BC bridgeclub|Arial|abcde|info@bridgeclub.nl|");
    }

    // Names without folder parts; up to 1 MB ordinary; unreadable is none; the choice starts in the profile.
    void keurLogo()
    {
        for (const char* naam : {"a/b.jpg", "a\\b.jpg", "c:b.jpg", "..b.jpg", "b.txt"})
            QVERIFY2(!GeldigeLogoNaam(naam), naam);
        QVERIFY(GeldigeLogoNaam("000001.JPEG"));
        QTemporaryDir map;
        QImage beeld(8, 8, QImage::Format_RGB32);
        beeld.fill(Qt::red);
        QVERIFY(beeld.save(map.filePath("a.bmp")));
        const QByteArray bmp = TestPaden::LeesBestand(map.filePath("a.bmp"));
        QVERIFY(TestPaden::SchrijfBestand(map.filePath("mb.bmp"), bmp + QByteArray(1024 * 1024 - bmp.size(), '\0')));
        QVERIFY(TestPaden::SchrijfBestand(map.filePath("groot.bmp"), bmp + QByteArray(1024 * 1024 - bmp.size() + 1, '\0')));
        QVERIFY(TestPaden::SchrijfBestand(map.filePath("tekst.jpg"), "geen plaatje"));
        QVERIFY(TestPaden::SchrijfBestand(map.filePath("zonder"), bmp));
        QStringList oordelen;
        for (const char* naam : {"mb.bmp", "groot.bmp", "tekst.jpg", "zonder"}) {
            const LogoOordeel oordeel = BeoordeelLogo(map.filePath(naam));
            oordelen << QString::number(oordeel.genomen) + oordeel.melding.section(u':', 0, 0).section(u'.', 0, 0);
        }
        QCOMPARE(oordelen, (QStringList{"1", "1Deze afbeelding is groter dan 1 MB", "0Dit bestand is geen afbeelding die Hovelink kan lezen",
                                        "0Kies een afbeelding met de extensie "}));
        qputenv("USERPROFILE", map.path().toLocal8Bit());
        QCOMPARE(LogoStartMap(), map.path());
        qunsetenv("USERPROFILE");
    }
};

QTEST_GUILESS_MAIN(TstKopBestand)
#include "tst_kopbestand.moc"
