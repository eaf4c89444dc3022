#include "common/instellingen.h"

#include <QTest>

class TstInstellingen : public QObject {
    Q_OBJECT
private slots:
    void past_data();
    void past();
    void waarde_data();
    void waarde();
    void geheel16_data();
    void geheel16();
    void geheel32_data();
    void geheel32();
    void getal32_data();
    void getal32();
};

void TstInstellingen::past_data()
{
    QTest::addColumn<QString>("regel");
    QTest::addColumn<QString>("sleutel");
    QTest::addColumn<bool>("verwacht");
    QTest::newRow("exact") << "Speeldag=4" << "SPEELDAG=" << true;
    QTest::newRow("lower case") << "speeldag=3" << "SPEELDAG=" << true;
    QTest::newRow("mixed case") << "tWkMaP=D:\\Data" << "TWKMAP=" << true;
    QTest::newRow("blank before =") << "TWKMAP = D:\\Data" << "TWKMAP=" << false;
    QTest::newRow("blank before key") << " Speeldag=4" << "SPEELDAG=" << false;
    QTest::newRow("too short") << "Speel" << "SPEELDAG=" << false;
    QTest::newRow("empty line") << "" << "SPEELDAG=" << false;
    QTest::newRow("longer key shares prefix") << "kophoogi=7" << "KOPHOOG=" << false;
}

void TstInstellingen::past()
{
    QFETCH(QString, regel);
    QFETCH(QString, sleutel);
    QFETCH(bool, verwacht);
    QCOMPARE(Instellingen::Past(regel, sleutel), verwacht);
}

void TstInstellingen::waarde_data()
{
    QTest::addColumn<QString>("regel");
    QTest::addColumn<QString>("verwacht");
    QTest::newRow("plain") << "Clubnaam=BC De Troef" << "BC De Troef";
    QTest::newRow("second =") << "Clubnaam=De Kwaliteit=Goed" << "De Kwaliteit=Goed";
    QTest::newRow("untrimmed") << "tekstlo=  a b  " << "  a b  ";
    QTest::newRow("empty value") << "Speeldag=" << "";
    QTest::newRow("no =") << "Speeldag" << "";
}

void TstInstellingen::waarde()
{
    QFETCH(QString, regel);
    QFETCH(QString, verwacht);
    QCOMPARE(Instellingen::Waarde(regel), verwacht);
}

void TstInstellingen::geheel16_data()
{
    QTest::addColumn<QString>("waarde");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("verwacht");
    QTest::newRow("plain") << "4" << true << 4;
    QTest::newRow("negative") << "-1" << true << -1;
    QTest::newRow("leading blanks") << "   12" << true << 12;
    QTest::newRow("trailing text") << "800px" << true << 800;
    QTest::newRow("empty") << "" << true << 0;
    QTest::newRow("not a number") << "abc" << true << 0;
    QTest::newRow("half to even down") << "2.5" << true << 2;
    QTest::newRow("half to even up") << "3.5" << true << 4;
    QTest::newRow("fraction") << "7.6" << true << 8;
    QTest::newRow("max") << "32767" << true << 32767;
    QTest::newRow("min") << "-32768" << true << -32768;
    QTest::newRow("too large") << "99999" << false << 0;
    QTest::newRow("too small") << "-32769" << false << 0;
    QTest::newRow("rounds over the edge") << "32767.5" << false << 0;
    QTest::newRow("leading zero") << "0750" << true << 750;
    QTest::newRow("tab is not a blank") << "\t5" << true << 0;
    QTest::newRow("exponent") << "1e2" << true << 100;
    QTest::newRow("lone dot") << "." << true << 0;
}

void TstInstellingen::geheel16()
{
    QFETCH(QString, waarde);
    QFETCH(bool, ok);
    QFETCH(int, verwacht);
    const std::optional<qint16> getal = Instellingen::Geheel16(waarde);
    QCOMPARE(getal.has_value(), ok);
    if (ok)
        QCOMPARE(int(*getal), verwacht);
}

void TstInstellingen::geheel32_data()
{
    QTest::addColumn<QString>("waarde");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("verwacht");
    QTest::newRow("16-bit overflow fits 32") << "99999" << true << qint64(99999);
    QTest::newRow("max") << "2147483647" << true << qint64(2147483647);
    QTest::newRow("too large") << "2147483648" << false << qint64(0);
    QTest::newRow("empty") << "" << true << qint64(0);
}

void TstInstellingen::geheel32()
{
    QFETCH(QString, waarde);
    QFETCH(bool, ok);
    QFETCH(qint64, verwacht);
    const std::optional<qint32> getal = Instellingen::Geheel32(waarde);
    QCOMPARE(getal.has_value(), ok);
    if (ok)
        QCOMPARE(qint64(*getal), verwacht);
}

void TstInstellingen::getal32_data()
{
    QTest::addColumn<QString>("waarde");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("verwacht");
    QTest::newRow("plain") << "65535" << true << qint64(65535);
    QTest::newRow("blanks around") << "  255  " << true << qint64(255);
    QTest::newRow("empty is an error") << "" << false << qint64(0);
    QTest::newRow("text is an error") << "geel" << false << qint64(0);
    QTest::newRow("trailing text is an error") << "12px" << false << qint64(0);
    QTest::newRow("negative") << "-1" << true << qint64(-1);
}

void TstInstellingen::getal32()
{
    QFETCH(QString, waarde);
    QFETCH(bool, ok);
    QFETCH(qint64, verwacht);
    const std::optional<qint32> getal = Instellingen::Getal32(waarde);
    QCOMPARE(getal.has_value(), ok);
    if (ok)
        QCOMPARE(qint64(*getal), verwacht);
}

QTEST_GUILESS_MAIN(TstInstellingen)
#include "tst_instellingen.moc"
