#include "koptest.h"

#include "header/kopbestand.h"
#include "support/testpaden.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>

using Wijziging = std::function<void(KopInstellingen&)>;
Q_DECLARE_METATYPE(Wijziging)

class TstKopBestand : public QObject {
    Q_OBJECT
private slots:
    void leesKop_data();
    void leesKop();
    void leesKopZonderBestand();
    void schrijfKop_data();
    void schrijfKop();
    void schrijfKopVoorbeeld();
    void rondgang_data();
    void rondgang();
};

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

void TstKopBestand::leesKop_data()
{
    QTest::addColumn<QByteArray>("inhoud");
    QTest::addColumn<Wijziging>("verwacht");

    QTest::newRow("example file") << TestPaden::LeesBestand(TestPaden::TestData("header/inikop_750x100.ini"))
                                  << Wijziging([](KopInstellingen& k) { k = VoorbeeldKop(); });
    QTest::newRow("key in mixed case") << QByteArray("x\r\ny\r\nKopVakBr=800\r\n")
                                       << Wijziging([](KopInstellingen& k) { k.kopvakbr = 800; });
    QTest::newRow("leading number") << QByteArray("kopvakbr=800px\r\n")
                                    << Wijziging([](KopInstellingen& k) { k.kopvakbr = 800; });
    QTest::newRow("empty width gives 0") << QByteArray("kopvakbr=\r\n")
                                         << Wijziging([](KopInstellingen& k) { k.kopvakbr = 0; });
    QTest::newRow("width beyond 16 bits") << QByteArray("kopvakbr=99999\r\n")
                                          << Wijziging([](KopInstellingen& k) { k.kopvakbr = 99999; });
    QTest::newRow("text after first =") << QByteArray("Koptekst=Bridge=Fun\r\n")
                                        << Wijziging([](KopInstellingen& k) { k.koptekst = QStringLiteral("Bridge=Fun"); });
    QTest::newRow("text keeps blanks") << QByteArray("tekstlo=  a b  \r\n")
                                       << Wijziging([](KopInstellingen& k) { k.tekstlo = QStringLiteral("  a b  "); });
    QTest::newRow("text in code page") << QByteArray("koptekst=Caf\xe9 \x80\r\n")
                                       << Wijziging([](KopInstellingen& k) { k.koptekst = QStringLiteral(u"Café €"); });
    QTest::newRow("empty colour ends reading")
        << QByteArray("kopvakbr=600\r\nkopkleur=\r\nkopback=255\r\nkoptekst=Nieuw\r\n")
        << Wijziging([](KopInstellingen& k) { k.kopvakbr = 600; });
    QTest::newRow("colour with text ends reading")
        << QByteArray("kopback=12px\r\nkoptekst=Nieuw\r\n") << Wijziging([](KopInstellingen&) {});
    QTest::newRow("colour with blanks around") << QByteArray("kopback=  255  \r\nkopkleur=-1\r\n")
                                               << Wijziging([](KopInstellingen& k) {
                                                      k.kopback = 255;
                                                      k.kopkleur = -1;
                                                  });
    QTest::newRow("height beyond 16 bits ends reading")
        << QByteArray("kophoogi=3\r\nkophoog=99999\r\nkopvet=1\r\n")
        << Wijziging([](KopInstellingen& k) { k.kophoogi = 3; });
    QTest::newRow("width beyond 32 bits ends reading")
        << QByteArray("kopvakbr=3000000000\r\nkoptekst=Nieuw\r\n") << Wijziging([](KopInstellingen&) {});
    QTest::newRow("club name line read as key")
        << QByteArray("donderdag\r\nkoptekst=Club\r\n")
        << Wijziging([](KopInstellingen& k) { k.koptekst = QStringLiteral("Club"); });
    QTest::newRow("play moment line read as key")
        << QByteArray("Kopvet=sterk\r\nBC De Troef\r\n") << Wijziging([](KopInstellingen& k) { k.kopvet = 0; });
    QTest::newRow("nothing cleared") << QByteArray("kopvakbr=600\r\n")
                                     << Wijziging([](KopInstellingen& k) { k.kopvakbr = 600; });
    QTest::newRow("last line wins") << QByteArray("kopvakbr=600\r\nkopvakbr=700\r\n")
                                    << Wijziging([](KopInstellingen& k) { k.kopvakbr = 700; });
    QTest::newRow("values out of range kept")
        << QByteArray("logomarge=45\r\nkopvet=7\r\nkophoogi=99\r\nlogojn=-2\r\n")
        << Wijziging([](KopInstellingen& k) {
               k.logomarge = 45;
               k.kopvet = 7;
               k.kophoogi = 99;
               k.logojn = -2;
           });
    QTest::newRow("similar keys kept apart") << QByteArray("kopverti=4\r\nkopvert=8\r\nkophoog=44\r\n")
                                             << Wijziging([](KopInstellingen& k) {
                                                    k.kopverti = 4;
                                                    k.kopvert = 8;
                                                    k.kophoog = 44;
                                                });
    QTest::newRow("blank before = is another key") << QByteArray("kopvakbr =800\r\n")
                                                   << Wijziging([](KopInstellingen&) {});
    QTest::newRow("bare line feeds") << QByteArray("kopvakho=90\nlogofile=000002.gif\n")
                                     << Wijziging([](KopInstellingen& k) {
                                            k.kopvakho = 90;
                                            k.logofile = QStringLiteral("000002.gif");
                                        });
    QTest::newRow("half goes to even") << QByteArray("logomarge=2.5\r\n")
                                       << Wijziging([](KopInstellingen& k) { k.logomarge = 2; });
}

void TstKopBestand::leesKop()
{
    QFETCH(QByteArray, inhoud);
    QFETCH(Wijziging, verwacht);
    QTemporaryDir map;
    QVERIFY(TestPaden::SchrijfBestand(map.filePath(QStringLiteral("IniKop.ini")), inhoud));

    KopInstellingen kop = Begin();
    LeesKop(map.path(), QStringLiteral("IniKop.ini"), kop);

    KopInstellingen uitkomst = Begin();
    verwacht(uitkomst);
    QCOMPARE(kop, uitkomst);
}

void TstKopBestand::leesKopZonderBestand()
{
    QTemporaryDir map;
    KopInstellingen kop = Begin();
    LeesKop(map.path(), StandaardNaamKop, kop);
    QCOMPARE(kop, Begin());
}

void TstKopBestand::schrijfKop_data()
{
    QTest::addColumn<KopInstellingen>("kop");
    QTest::addColumn<QString>("clubnaam");
    QTest::addColumn<QByteArray>("verwacht");

    const QByteArray staart = "koptekst=\r\nkopfont=\r\nkopkleur=0\r\nkophoogi=0\r\nkophoog=0\r\nkopvet=0\r\n"
                              "kopback=0\r\nkopverti=0\r\nkopvert=0\r\ntekstlo=\r\ntekstro=\r\nlogofile=\r\n"
                              "logomarge=0\r\nlogojn=0\r\n";
    QTest::newRow("zero sizes become 750 by 100")
        << KopInstellingen{} << QStringLiteral("BC De Troef")
        << "dinsdag\r\nBC De Troef\r\nkopvakbr=750\r\nkopvakho=100\r\n" + staart;

    KopInstellingen ander;
    ander.kopvakbr = 999;
    ander.kopvakho = 72;
    QTest::newRow("club name trimmed of blanks only")
        << ander << QStringLiteral("  \tBC De Troef  ")
        << "dinsdag\r\n\tBC De Troef\r\nkopvakbr=999\r\nkopvakho=72\r\n" + staart;

    KopInstellingen teken;
    teken.kopvakbr = -1;
    teken.kopvakho = 100;
    teken.kopkleur = -16777216;
    teken.koptekst = QStringLiteral(u"Café  ");
    QTest::newRow("negatives and code page")
        << teken << QStringLiteral("Club")
        << QByteArray("dinsdag\r\nClub\r\nkopvakbr=-1\r\nkopvakho=100\r\nkoptekst=Caf\xe9  \r\nkopfont=\r\n"
                      "kopkleur=-16777216\r\n") +
               staart.mid(staart.indexOf("kophoogi"));
}

void TstKopBestand::schrijfKop()
{
    QFETCH(KopInstellingen, kop);
    QFETCH(QString, clubnaam);
    QFETCH(QByteArray, verwacht);
    QTemporaryDir map;

    const qint32 breedte = kop.kopvakbr == 0 ? 750 : kop.kopvakbr;
    const qint32 hoogte = kop.kopvakho == 0 ? 100 : kop.kopvakho;
    QVERIFY(SchrijfKop(map.path(), StandaardNaamKop, QStringLiteral("dinsdag"), clubnaam, kop).ok);
    QCOMPARE(TestPaden::LeesBestand(map.filePath(StandaardNaamKop)), verwacht);
    QCOMPARE(kop.kopvakbr, breedte);
    QCOMPARE(kop.kopvakho, hoogte);
}

void TstKopBestand::schrijfKopVoorbeeld()
{
    QTemporaryDir map;
    KopInstellingen kop = VoorbeeldKop();
    QVERIFY(SchrijfKop(map.path(), StandaardNaamKop, QStringLiteral("donderdag-avond"),
                       QStringLiteral("BC De Troef"), kop)
                .ok);
    const QByteArray bytes = TestPaden::LeesBestand(map.filePath(StandaardNaamKop));
    QCOMPARE(bytes.count("\r\n"), 18);
    QCOMPARE(bytes, TestPaden::LeesBestand(TestPaden::TestData("header/inikop_750x100.ini")));
}

void TstKopBestand::rondgang_data()
{
    QTest::addColumn<KopInstellingen>("kop");
    QTest::newRow("example") << VoorbeeldKop();
    KopInstellingen vreemd = VoorbeeldKop();
    vreemd.koptekst = QStringLiteral(" = Bridge=Fun ");
    vreemd.tekstro = QStringLiteral(u"één@club.nl");
    vreemd.kopkleur = 16711680;
    vreemd.kopback = -5;
    vreemd.kophoog = -32768;
    vreemd.logomarge = 32767;
    QTest::newRow("blanks, signs and extremes") << vreemd;
}

void TstKopBestand::rondgang()
{
    QFETCH(KopInstellingen, kop);
    QTemporaryDir map;
    KopInstellingen geschreven = kop;
    QVERIFY(SchrijfKop(map.path(), StandaardNaamKop, QStringLiteral("maandag"), QStringLiteral("Club"),
                       geschreven)
                .ok);
    KopInstellingen gelezen;
    LeesKop(map.path(), StandaardNaamKop, gelezen);
    QCOMPARE(gelezen, kop);
}

QTEST_GUILESS_MAIN(TstKopBestand)
#include "tst_kopbestand.moc"
