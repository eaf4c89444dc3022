#include "koptest.h"

#include "header/kopbestand.h"
#include "header/logobestand.h"
#include "support/testpaden.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using Wijziging = std::function<void(KopInstellingen&)>;
Q_DECLARE_METATYPE(Wijziging)

// A record that reading starts from: values that no row's file sets, so that "kept" shows.
static KopInstellingen Begin()
{
    KopInstellingen k = VoorbeeldKop();
    k.kopvakbr = 640;
    k.koptekst = QStringLiteral("Oud");
    k.kopback = 123;
    k.kophoog = 30;
    k.kopvet = 0;
    return k;
}

class TstKopBestand : public QObject {
    Q_OBJECT
private slots:
    void leesKop_data()
    {
        QTest::addColumn<QByteArray>("inhoud"); // null: no file
        QTest::addColumn<Wijziging>("verwacht");

        QTest::newRow("example file") << TestPaden::LeesBestand(TestPaden::TestData("header/inikop_750x100.ini"))
                                      << Wijziging([](KopInstellingen& k) { k = VoorbeeldKop(); });
        QTest::newRow("no file") << QByteArray() << Wijziging([](KopInstellingen&) {});
        QTest::newRow("empty colour ends reading")
            << QByteArray("kopvakbr=600\r\nkopkleur=\r\nkopback=255\r\nkoptekst=Nieuw\r\n")
            << Wijziging([](KopInstellingen& k) { k.kopvakbr = 600; });
        QTest::newRow("background with text ends reading")
            << QByteArray("kopback=12px\r\nkoptekst=Nieuw\r\n") << Wijziging([](KopInstellingen&) {});
        QTest::newRow("height beyond 16 bits ends reading")
            << QByteArray("kophoogi=3\r\nkophoog=99999\r\nkopvet=1\r\n")
            << Wijziging([](KopInstellingen& k) { k.kophoogi = 3; });
        QTest::newRow("play moment and club name lines are read as keys")
            << QByteArray("koptekst=Club\r\nBC De Troef\r\n")
            << Wijziging([](KopInstellingen& k) { k.koptekst = QStringLiteral("Club"); });
        QTest::newRow("last line wins") << QByteArray("kopvakbr=600\r\nkopvakbr=700\r\n")
                                        << Wijziging([](KopInstellingen& k) { k.kopvakbr = 700; });
        QTest::newRow("values the designer cannot make read as defaults")
            << QByteArray("kopvakbr=-750\r\nkopvakho=0\r\nkopkleur=-1\r\nkophoogi=99\r\nkophoog=91\r\n"
                          "kopverti=36\r\nlogomarge=45\r\nlogojn=2\r\n")
            << Wijziging([](KopInstellingen& k) {
                   k.kopvakbr = 750;
                   k.kopvakho = 0;
                   k.kophoogi = 7;
                   k.kophoog = 24;
                   k.kopverti = 0;
                   k.logomarge = 0;
                   k.logojn = 0;
               });
        QTest::newRow("logo outside the folder is no logo")
            << QByteArray("logofile=../../TWKspelers.txt\r\n") << Wijziging([](KopInstellingen& k) { k.logofile.clear(); });
        QTest::newRow("similar keys kept apart") << QByteArray("kopverti=4\r\nkopvert=8\r\n")
                                                 << Wijziging([](KopInstellingen& k) { k.kopverti = 4, k.kopvert = 8; });
    }

    void leesKop()
    {
        QFETCH(QByteArray, inhoud);
        QFETCH(Wijziging, verwacht);
        QTemporaryDir map;
        if (!inhoud.isNull())
            QVERIFY(TestPaden::SchrijfBestand(map.filePath(StandaardNaamKop), inhoud));
        KopInstellingen kop = Begin();
        LeesKop(map.path(), StandaardNaamKop, kop);
        KopInstellingen uitkomst = Begin();
        verwacht(uitkomst);
        QCOMPARE(kop, uitkomst);
    }

    // The bytes written; reading them back gives the record as written (750 by 100 for zeros).
    void schrijfKop_data()
    {
        QTest::addColumn<KopInstellingen>("kop");
        QTest::addColumn<QString>("speeldag");
        QTest::addColumn<QString>("clubnaam");
        QTest::addColumn<QByteArray>("verwacht");

        QTest::newRow("example file") << VoorbeeldKop() << "donderdag-avond" << "BC De Troef"
                                      << TestPaden::LeesBestand(TestPaden::TestData("header/inikop_750x100.ini"));
        const QByteArray staart = "koptekst=\r\nkopfont=\r\nkopkleur=0\r\nkophoogi=0\r\nkophoog=0\r\nkopvet=0\r\n"
                                  "kopback=0\r\nkopverti=0\r\nkopvert=0\r\ntekstlo=\r\ntekstro=\r\nlogofile=\r\n"
                                  "logomarge=0\r\nlogojn=0\r\n";
        QTest::newRow("zero sizes become 750 by 100")
            << KopInstellingen{} << "dinsdag" << "BC De Troef"
            << "dinsdag\r\nBC De Troef\r\nkopvakbr=750\r\nkopvakho=100\r\n" + staart;

        KopInstellingen ander;
        ander.kopvakbr = 999;
        ander.kopvakho = 72;
        QTest::newRow("club name trimmed of blanks only")
            << ander << "dinsdag" << "  \tBC De Troef  "
            << "dinsdag\r\n\tBC De Troef\r\nkopvakbr=999\r\nkopvakho=72\r\n" + staart;

        KopInstellingen teken;
        teken.kopvakbr = 500;
        teken.kopvakho = 100;
        teken.kopkleur = 16777215;
        teken.koptekst = QStringLiteral(u"Café  ");
        QTest::newRow("code page")
            << teken << "dinsdag" << "Club"
            << QByteArray("dinsdag\r\nClub\r\nkopvakbr=500\r\nkopvakho=100\r\nkoptekst=Caf\xe9  \r\nkopfont=\r\n"
                          "kopkleur=16777215\r\n") +
                   staart.mid(staart.indexOf("kophoogi"));

    }

    void schrijfKop()
    {
        QFETCH(KopInstellingen, kop);
        QFETCH(QString, speeldag);
        QFETCH(QString, clubnaam);
        QFETCH(QByteArray, verwacht);
        QTemporaryDir map;
        QVERIFY(SchrijfKop(map.path(), StandaardNaamKop, speeldag, clubnaam, kop).ok);
        QCOMPARE(TestPaden::LeesBestand(map.filePath(StandaardNaamKop)), verwacht);
        KopInstellingen gelezen;
        LeesKop(map.path(), StandaardNaamKop, gelezen);
        QCOMPARE(gelezen, kop);
    }
    // Saving: a new picture gets the first free six-digit name, a stored logo keeps its name,
    // every other picture goes. "bron/": chosen from outside, "map/": from inside the folder.
    void bewaarLogo_data()
    {
        QTest::addColumn<QStringList>("aanwezig");
        QTest::addColumn<QString>("logofile");
        QTest::addColumn<QString>("gekozen");
        QTest::addColumn<QString>("verwacht"); // logofile after saving; the only picture left
        QTest::newRow("new gif beside 000001.jpg") << QStringList{"000001.jpg"} << "000001.jpg" << "bron/logo.gif" << "000001.gif";
        QTest::newRow("new gif beside 000001.gif") << QStringList{"000001.gif"} << "000001.gif" << "bron/logo.gif" << "000002.gif";
        QTest::newRow("extension kept as typed") << QStringList{} << "" << "bron/Logo.Club.BMP" << "000001.BMP";
        QTest::newRow("without logo every picture goes")
            << QStringList{"a.jpg", "B.BMP", "c.gif", "d.ico", "e.png", "notities.txt"} << "" << "" << "";
        QTest::newRow("stored logo keeps its name") << QStringList{"000001.jpg", "oud.gif"} << "000001.jpg" << "" << "000001.jpg";
        QTest::newRow("chosen file inside the folder")
            << QStringList{"000001.jpg", "000002.gif"} << "000002.gif" << "map/000001.jpg" << "000002.jpg";
        QTest::newRow("missing stored logo is forgotten") << QStringList{"000003.jpg"} << "000007.jpg" << "" << "";
        QTest::newRow("logo outside the folder is no logo") << QStringList{"../buiten.jpg"} << "../buiten.jpg" << "" << "";
    }

    void bewaarLogo()
    {
        QFETCH(QStringList, aanwezig);
        QFETCH(QString, logofile);
        QFETCH(QString, gekozen);
        QFETCH(QString, verwacht);
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
        QStringList blijft = aanwezig.filter(".txt");
        if (!verwacht.isEmpty())
            blijft.prepend(verwacht);
        QCOMPARE(QDir(map.path()).entryList(QDir::Files, QDir::Name), blijft);
        if (!verwacht.isEmpty())
            QCOMPARE(TestPaden::LeesBestand(map.filePath(verwacht)), inhoud);
        QFile::remove(map.filePath("../buiten.jpg"));
    }

    // A logo name has no folder parts; up to 1 MB is an ordinary logo; a file Qt cannot read is none.
    void keurLogo()
    {
        for (const char* naam : {"a/b.jpg", "a\\b.jpg", "c:b.jpg", "..b.jpg", "b.txt"})
            QVERIFY2(!GeldigeLogoNaam(naam), naam);
        QVERIFY(GeldigeLogoNaam("000001.JPEG"));
        QTemporaryDir map;
        QImage beeld(8, 8, QImage::Format_RGB32);
        beeld.fill(Qt::red);
        QVERIFY(beeld.save(map.filePath("a.bmp")));
        QByteArray bmp = TestPaden::LeesBestand(map.filePath("a.bmp"));
        QVERIFY(TestPaden::SchrijfBestand(map.filePath("mb.bmp"), bmp + QByteArray(1024 * 1024 - bmp.size(), '\0')));
        QVERIFY(TestPaden::SchrijfBestand(map.filePath("groot.bmp"), bmp + QByteArray(1024 * 1024 - bmp.size() + 1, '\0')));
        QVERIFY(TestPaden::SchrijfBestand(map.filePath("tekst.jpg"), "geen plaatje"));
        QCOMPARE(KeurLogo(map.filePath("mb.bmp")), LogoKeuring::Goed);
        QCOMPARE(KeurLogo(map.filePath("groot.bmp")), LogoKeuring::Groot);
        QCOMPARE(KeurLogo(map.filePath("tekst.jpg")), LogoKeuring::GeenAfbeelding);
    }
};

QTEST_GUILESS_MAIN(TstKopBestand)
#include "tst_kopbestand.moc"
