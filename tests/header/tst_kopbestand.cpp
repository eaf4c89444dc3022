#include "koptest.h"

#include "header/kopbestand.h"
#include "support/testpaden.h"

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

// How single values are parsed is tested with common/instellingen; these rows are about
// which key fills which field, with which kind of number, and when reading stops.
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
        QTest::newRow("similar keys kept apart") << QByteArray("kopverti=4\r\nkopvert=8\r\nkophoog=44\r\n")
                                                 << Wijziging([](KopInstellingen& k) {
                                                        k.kopverti = 4;
                                                        k.kopvert = 8;
                                                        k.kophoog = 44;
                                                    });
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

    // The bytes written; reading them back gives the record as writing left it (750 by 100 for zeros).
    void schrijfKop_data()
    {
        QTest::addColumn<KopInstellingen>("kop");
        QTest::addColumn<QString>("speeldag");
        QTest::addColumn<QString>("clubnaam");
        QTest::addColumn<QByteArray>("verwacht"); // empty: not compared

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

        KopInstellingen vreemd = VoorbeeldKop();
        vreemd.koptekst = QStringLiteral(" = Bridge=Fun ");
        vreemd.tekstro = QStringLiteral(u"één@club.nl");
        vreemd.kopkleur = 16711680;
        vreemd.kopback = 16777215;
        vreemd.kophoog = 90;
        vreemd.logomarge = 30;
        QTest::newRow("blanks and extremes read back") << vreemd << "maandag" << "Club" << QByteArray();
    }

    void schrijfKop()
    {
        QFETCH(KopInstellingen, kop);
        QFETCH(QString, speeldag);
        QFETCH(QString, clubnaam);
        QFETCH(QByteArray, verwacht);
        QTemporaryDir map;
        QVERIFY(SchrijfKop(map.path(), StandaardNaamKop, speeldag, clubnaam, kop).ok);
        if (!verwacht.isEmpty())
            QCOMPARE(TestPaden::LeesBestand(map.filePath(StandaardNaamKop)), verwacht);
        KopInstellingen gelezen;
        LeesKop(map.path(), StandaardNaamKop, gelezen);
        QCOMPARE(gelezen, kop);
    }
};

QTEST_GUILESS_MAIN(TstKopBestand)
#include "tst_kopbestand.moc"
