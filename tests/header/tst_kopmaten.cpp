#include "header/kopmaten.h"
#include "header/kopopmaak.h"

#include <QTest>

class TstKopMaten : public QObject {
    Q_OBJECT
private slots:
    void maxLogoBreed_data();
    void maxLogoBreed();
    void toonMaat_data();
    void toonMaat();
    void maakLogoVak_data();
    void maakLogoVak();
    void pasLogoIn_data();
    void pasLogoIn();
    void lijn1_data();
    void lijn1();
    void koptekstLinks_data();
    void koptekstLinks();
    void hoekteksten_data();
    void hoekteksten();
    void opschriften_data();
    void opschriften();
    void pasVensterAan_data();
    void pasVensterAan();
    void kleuren_data();
    void kleuren();
};

void TstKopMaten::maxLogoBreed_data()
{
    QTest::addColumn<int>("breedte");
    QTest::addColumn<int>("verwacht");
    QTest::newRow("750") << 750 << 250;
    QTest::newRow("500 rounds up") << 500 << 167;
    QTest::newRow("751 rounds down") << 751 << 250;
    QTest::newRow("752 rounds up") << 752 << 251;
    QTest::newRow("999") << 999 << 333;
}

void TstKopMaten::maxLogoBreed()
{
    QFETCH(int, breedte);
    QFETCH(int, verwacht);
    QCOMPARE(MaxLogoBreed(breedte), verwacht);
}

void TstKopMaten::toonMaat_data()
{
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("verwacht");
    QTest::newRow("ordinary") << 750 << 750;
    QTest::newRow("negative from a hand-edited file") << -5 << 0;
    QTest::newRow("huge from a hand-edited file") << 99999 << 4000;
}

void TstKopMaten::toonMaat()
{
    QFETCH(int, pixels);
    QFETCH(int, verwacht);
    QCOMPARE(ToonMaat(pixels), verwacht);
}

void TstKopMaten::maakLogoVak_data()
{
    QTest::addColumn<int>("breedte");
    QTest::addColumn<int>("hoogte");
    QTest::addColumn<int>("marge");
    QTest::addColumn<QRect>("p1");
    QTest::addColumn<QRect>("p2");
    QTest::newRow("750x100 margin 5") << 750 << 100 << 5 << QRect(0, 0, 250, 100) << QRect(5, 5, 240, 90);
    QTest::newRow("margin 30 height 70") << 750 << 70 << 30 << QRect(0, 0, 250, 70) << QRect(30, 30, 190, 10);
    QTest::newRow("no margin") << 500 << 130 << 0 << QRect(0, 0, 167, 130) << QRect(0, 0, 167, 130);
}

void TstKopMaten::maakLogoVak()
{
    QFETCH(int, breedte);
    QFETCH(int, hoogte);
    QFETCH(int, marge);
    QFETCH(QRect, p1);
    QFETCH(QRect, p2);
    const LogoVak vak = MaakLogoVak(MaxLogoBreed(breedte), hoogte, marge);
    QCOMPARE(vak.p1, p1);
    QCOMPARE(vak.p2, p2);
}

void TstKopMaten::pasLogoIn_data()
{
    QTest::addColumn<int>("breedte");
    QTest::addColumn<int>("hoogte");
    QTest::addColumn<int>("marge");
    QTest::addColumn<QSize>("beeld");
    QTest::addColumn<QRect>("p1");
    QTest::addColumn<QRect>("p2");
    QTest::newRow("wide picture") << 750 << 100 << 5 << QSize(400, 100) << QRect(0, 0, 250, 100)
                                  << QRect(5, 5, 240, 60);
    QTest::newRow("tall picture shrinks the area") << 750 << 100 << 5 << QSize(100, 200)
                                                   << QRect(0, 0, 55, 100) << QRect(5, 5, 45, 90);
    QTest::newRow("icon enlarged") << 750 << 100 << 0 << QSize(16, 16) << QRect(0, 0, 100, 100)
                                   << QRect(0, 0, 100, 100);
    QTest::newRow("same proportions fill the box") << 750 << 100 << 0 << QSize(500, 200)
                                                   << QRect(0, 0, 250, 100) << QRect(0, 0, 250, 100);
    QTest::newRow("widest header, highest box") << 999 << 130 << 5 << QSize(400, 100)
                                                << QRect(0, 0, 333, 130) << QRect(5, 5, 323, 81);
    QTest::newRow("half pixel rounds") << 750 << 100 << 0 << QSize(400, 100) << QRect(0, 0, 250, 100)
                                       << QRect(0, 0, 250, 63);
    QTest::newRow("margin larger than the area") << 750 << 100 << 60 << QSize(100, 100)
                                                 << QRect(0, 0, 120, 100) << QRect(60, 60, 0, 0);
    QTest::newRow("no picture changes nothing") << 750 << 100 << 5 << QSize() << QRect(0, 0, 250, 100)
                                                << QRect(5, 5, 240, 90);
}

void TstKopMaten::pasLogoIn()
{
    QFETCH(int, breedte);
    QFETCH(int, hoogte);
    QFETCH(int, marge);
    QFETCH(QSize, beeld);
    QFETCH(QRect, p1);
    QFETCH(QRect, p2);
    const LogoVak vak = PasLogoIn(MaakLogoVak(MaxLogoBreed(breedte), hoogte, marge), beeld, marge);
    QCOMPARE(vak.p1, p1);
    QCOMPARE(vak.p2, p2);
}

void TstKopMaten::lijn1_data()
{
    QTest::addColumn<QPoint>("p0");
    QTest::addColumn<QRect>("p1");
    QTest::addColumn<QLine>("verwacht");
    QTest::newRow("empty logo area") << QPoint(8, 30) << QRect(0, 0, 250, 100) << QLine(259, 25, 259, 135);
    QTest::newRow("shrunk logo area") << QPoint(8, 30) << QRect(0, 0, 55, 70) << QLine(64, 25, 64, 105);
    QTest::newRow("at the origin") << QPoint(0, 0) << QRect(0, 0, 333, 130) << QLine(334, -5, 334, 135);
}

void TstKopMaten::lijn1()
{
    QFETCH(QPoint, p0);
    QFETCH(QRect, p1);
    QFETCH(QLine, verwacht);
    QCOMPARE(PlaatsLijn1(p0, LogoVak{p1, {}}), verwacht);
}

void TstKopMaten::koptekstLinks_data()
{
    QTest::addColumn<int>("breedte");
    QTest::addColumn<int>("logojn");
    QTest::addColumn<int>("p1Breed");
    QTest::addColumn<double>("tekstBreed");
    QTest::addColumn<double>("verwacht");
    QTest::newRow("no logo: centred on the box") << 750 << 0 << 250 << 100.0 << 326.0;
    QTest::newRow("logo: centred right of it") << 750 << 1 << 250 << 100.0 << 451.0;
    QTest::newRow("shrunk logo area") << 750 << 1 << 55 << 200.0 << 303.5;
    QTest::newRow("logojn 2 counts as no logo") << 750 << 2 << 250 << 100.0 << 326.0;
    QTest::newRow("text wider than the box") << 750 << 0 << 250 << 900.0 << -74.0;
}

void TstKopMaten::koptekstLinks()
{
    QFETCH(int, breedte);
    QFETCH(int, logojn);
    QFETCH(int, p1Breed);
    QFETCH(double, tekstBreed);
    QFETCH(double, verwacht);
    QCOMPARE(KoptekstLinks(breedte, qint16(logojn), p1Breed, tekstBreed), verwacht);
}

void TstKopMaten::hoekteksten_data()
{
    QTest::addColumn<int>("logojn");
    QTest::addColumn<int>("p1Breed");
    QTest::addColumn<QPoint>("links");
    QTest::addColumn<QPoint>("rechts");
    QTest::newRow("no logo") << 0 << 250 << QPoint(6, 81) << QPoint(624, 81);
    QTest::newRow("logo") << 1 << 250 << QPoint(256, 81) << QPoint(624, 81);
    QTest::newRow("shrunk logo") << 1 << 55 << QPoint(61, 81) << QPoint(624, 81);
}

void TstKopMaten::hoekteksten()
{
    QFETCH(int, logojn);
    QFETCH(int, p1Breed);
    QFETCH(QPoint, links);
    QFETCH(QPoint, rechts);
    const HoekPlaatsen plek = PlaatsHoekteksten(750, 100, qint16(logojn), p1Breed, QSize(40, 16), QSize(120, 16));
    QCOMPARE(plek.links, links);
    QCOMPARE(plek.rechts, rechts);
}

void TstKopMaten::opschriften_data()
{
    QTest::addColumn<int>("breedte");
    QTest::addColumn<int>("hoogte");
    QTest::addColumn<QString>("afmeting");
    QTest::addColumn<QString>("ruimte");
    QTest::newRow("750x100") << 750 << 100 << "Kopafmeting= 750x100 pixels" << "250 x 100";
    QTest::newRow("999x130") << 999 << 130 << "Kopafmeting= 999x130 pixels" << "333 x 130";
    QTest::newRow("500x70") << 500 << 70 << "Kopafmeting= 500x70 pixels" << "167 x 70";
}

void TstKopMaten::opschriften()
{
    QFETCH(int, breedte);
    QFETCH(int, hoogte);
    QFETCH(QString, afmeting);
    QFETCH(QString, ruimte);
    QCOMPARE(KopAfmeting(breedte, hoogte), afmeting);
    QCOMPARE(LogoRuimte(MaxLogoBreed(breedte), hoogte), ruimte);
}

void TstKopMaten::pasVensterAan_data()
{
    QTest::addColumn<int>("breedte");
    QTest::addColumn<int>("frameRechts");
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("binnen");
    QTest::addColumn<int>("akkoord");
    QTest::addColumn<int>("annuleren");
    // w1 = (2 x 8 + W + 8) x 15; w2 = frame x 15 + 200.
    QTest::newRow("controls decide") << 750 << 778 << 11870 << 783 << 775 << 605;
    QTest::newRow("preview decides") << 999 << 778 << 15345 << 1015 << 1007 << 837;
    QTest::newRow("narrowest header, preview decides") << 500 << 500 << 7860 << 516 << 508 << 338;
    QTest::newRow("fraction of a pixel rounded") << 500 << 600 << 9200 << 605 << 597 << 427;
}

void TstKopMaten::pasVensterAan()
{
    QFETCH(int, breedte);
    QFETCH(int, frameRechts);
    QFETCH(int, twips);
    QFETCH(int, binnen);
    QFETCH(int, akkoord);
    QFETCH(int, annuleren);
    const VensterMaten maten = PasVensterAan(8, breedte, frameRechts, 150);
    QCOMPARE(maten.breedteTwips, twips);
    QCOMPARE(maten.binnenBreedte, binnen);
    QCOMPARE(maten.akkoordRechts, akkoord);
    QCOMPARE(maten.annulerenRechts, annuleren);
}

void TstKopMaten::kleuren_data()
{
    QTest::addColumn<int>("waarde");
    QTest::addColumn<QColor>("kleur");
    QTest::newRow("yellow") << 65535 << QColor(255, 255, 0);
    QTest::newRow("red in the lowest byte") << 255 << QColor(255, 0, 0);
    QTest::newRow("blue in the third byte") << 16711680 << QColor(0, 0, 255);
    QTest::newRow("mixed") << 0x123456 << QColor(0x56, 0x34, 0x12);
    QTest::newRow("black") << 0 << QColor(0, 0, 0);
}

void TstKopMaten::kleuren()
{
    QFETCH(int, waarde);
    QFETCH(QColor, kleur);
    QCOMPARE(KleurVan(waarde), kleur);
    QCOMPARE(KleurWaarde(kleur), waarde);
}

QTEST_GUILESS_MAIN(TstKopMaten)
#include "tst_kopmaten.moc"
