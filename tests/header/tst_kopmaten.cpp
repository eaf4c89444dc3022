#include "header/kopmaten.h"
#include "header/kopopmaak.h"

#include <QTest>

class TstKopMaten : public QObject {
    Q_OBJECT
private slots:
    // The captions, and so the logo's share of a third of the width, rounded half up.
    void opschriften_data()
    {
        QTest::addColumn<int>("breedte");
        QTest::addColumn<int>("hoogte");
        QTest::addColumn<QString>("afmeting");
        QTest::addColumn<QString>("ruimte");
        QTest::newRow("750x100") << 750 << 100 << "Kopafmeting= 750x100 pixels" << "250 x 100";
        QTest::newRow("752 rounds up") << 752 << 100 << "Kopafmeting= 752x100 pixels" << "251 x 100";
        QTest::newRow("999x130") << 999 << 130 << "Kopafmeting= 999x130 pixels" << "333 x 130";
        QTest::newRow("500x70 rounds up") << 500 << 70 << "Kopafmeting= 500x70 pixels" << "167 x 70";
    }

    void opschriften()
    {
        QFETCH(int, breedte);
        QFETCH(int, hoogte);
        QFETCH(QString, afmeting);
        QFETCH(QString, ruimte);
        QCOMPARE(KopAfmeting(breedte, hoogte), afmeting);
        QCOMPARE(LogoRuimte(MaxLogoBreed(breedte), hoogte), ruimte);
    }

    // Without a picture the logo box is the area less its margin.
    void pasLogoIn_data()
    {
        QTest::addColumn<int>("breedte");
        QTest::addColumn<int>("hoogte");
        QTest::addColumn<int>("marge");
        QTest::addColumn<QSize>("beeld");
        QTest::addColumn<QRect>("p1");
        QTest::addColumn<QRect>("p2");
        QTest::newRow("no picture") << 750 << 100 << 5 << QSize() << QRect(0, 0, 250, 100) << QRect(5, 5, 240, 90);
        QTest::newRow("no picture, margin 30 height 70")
            << 750 << 70 << 30 << QSize() << QRect(0, 0, 250, 70) << QRect(30, 30, 190, 10);
        QTest::newRow("wide picture") << 750 << 100 << 5 << QSize(400, 100) << QRect(0, 0, 250, 100)
                                      << QRect(5, 5, 240, 60);
        QTest::newRow("tall picture shrinks the area")
            << 750 << 100 << 5 << QSize(100, 200) << QRect(0, 0, 55, 100) << QRect(5, 5, 45, 90);
        QTest::newRow("icon enlarged") << 750 << 100 << 0 << QSize(16, 16) << QRect(0, 0, 100, 100)
                                       << QRect(0, 0, 100, 100);
        QTest::newRow("same proportions fill the box")
            << 750 << 100 << 0 << QSize(500, 200) << QRect(0, 0, 250, 100) << QRect(0, 0, 250, 100);
        QTest::newRow("half pixel rounds") << 750 << 100 << 0 << QSize(400, 100) << QRect(0, 0, 250, 100)
                                           << QRect(0, 0, 250, 63);
        QTest::newRow("margin larger than the area")
            << 750 << 100 << 60 << QSize(100, 100) << QRect(0, 0, 120, 100) << QRect(60, 60, 0, 0);
    }

    void pasLogoIn()
    {
        QFETCH(int, breedte);
        QFETCH(int, hoogte);
        QFETCH(int, marge);
        QFETCH(QSize, beeld);
        QFETCH(QRect, p1);
        QFETCH(QRect, p2);
        const LogoVak vak = MaakLogoVak(MaxLogoBreed(breedte), hoogte, marge);
        if (beeld.isEmpty())
            QCOMPARE(vak, (LogoVak{p1, p2}));
        QCOMPARE(PasLogoIn(vak, beeld, marge), (LogoVak{p1, p2}));
    }

    void lijn1_data()
    {
        QTest::addColumn<QPoint>("p0");
        QTest::addColumn<QRect>("p1");
        QTest::addColumn<QLine>("verwacht");
        QTest::newRow("empty logo area") << QPoint(8, 30) << QRect(0, 0, 250, 100) << QLine(259, 25, 259, 135);
        QTest::newRow("shrunk logo area") << QPoint(8, 30) << QRect(0, 0, 55, 70) << QLine(64, 25, 64, 105);
    }

    void lijn1()
    {
        QFETCH(QPoint, p0);
        QFETCH(QRect, p1);
        QFETCH(QLine, verwacht);
        QCOMPARE(PlaatsLijn1(p0, LogoVak{p1, {}}), verwacht);
    }

    void koptekstLinks_data()
    {
        QTest::addColumn<int>("logojn");
        QTest::addColumn<int>("p1Breed");
        QTest::addColumn<double>("tekstBreed");
        QTest::addColumn<double>("verwacht");
        QTest::newRow("no logo: centred on the box") << 0 << 250 << 100.0 << 326.0;
        QTest::newRow("logo: centred right of it") << 1 << 250 << 100.0 << 451.0;
        QTest::newRow("shrunk logo area") << 1 << 55 << 200.0 << 303.5;
        QTest::newRow("logojn 2 counts as no logo") << 2 << 250 << 100.0 << 326.0;
        QTest::newRow("text wider than the box") << 0 << 250 << 900.0 << -74.0;
    }

    void koptekstLinks()
    {
        QFETCH(int, logojn);
        QFETCH(int, p1Breed);
        QFETCH(double, tekstBreed);
        QFETCH(double, verwacht);
        QCOMPARE(KoptekstLinks(750, qint16(logojn), p1Breed, tekstBreed), verwacht);
    }

    void hoekteksten_data()
    {
        QTest::addColumn<int>("logojn");
        QTest::addColumn<int>("p1Breed");
        QTest::addColumn<QPoint>("links");
        QTest::newRow("no logo") << 0 << 250 << QPoint(6, 81);
        QTest::newRow("logo") << 1 << 250 << QPoint(256, 81);
        QTest::newRow("shrunk logo") << 1 << 55 << QPoint(61, 81);
    }

    void hoekteksten()
    {
        QFETCH(int, logojn);
        QFETCH(int, p1Breed);
        QFETCH(QPoint, links);
        const HoekPlaatsen plek = PlaatsHoekteksten(750, 100, qint16(logojn), p1Breed, QSize(40, 16), QSize(120, 16));
        QCOMPARE(plek.links, links);
        QCOMPARE(plek.rechts, QPoint(624, 81));
    }

    void kleuren_data()
    {
        QTest::addColumn<int>("waarde");
        QTest::addColumn<QColor>("kleur");
        QTest::newRow("yellow") << 65535 << QColor(255, 255, 0);
        QTest::newRow("blue in the third byte") << 16711680 << QColor(0, 0, 255);
    }

    void kleuren()
    {
        QFETCH(int, waarde);
        QFETCH(QColor, kleur);
        QCOMPARE(KleurVan(waarde), kleur);
        QCOMPARE(KleurWaarde(kleur), waarde);
    }
};

QTEST_GUILESS_MAIN(TstKopMaten)
#include "tst_kopmaten.moc"
