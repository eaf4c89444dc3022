#include "common/instellingen.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<qint64>)

class TstInstellingen : public QObject {
    Q_OBJECT
private slots:
    void past_data()
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

    void past()
    {
        QFETCH(QString, regel);
        QFETCH(QString, sleutel);
        QFETCH(bool, verwacht);
        QCOMPARE(Instellingen::Past(regel, sleutel), verwacht);
    }

    void waarde_data()
    {
        QTest::addColumn<QString>("regel");
        QTest::addColumn<QString>("verwacht");
        QTest::newRow("plain") << "Clubnaam=BC De Troef" << "BC De Troef";
        QTest::newRow("second =") << "Clubnaam=De Kwaliteit=Goed" << "De Kwaliteit=Goed";
        QTest::newRow("untrimmed") << "tekstlo=  a b  " << "  a b  ";
        QTest::newRow("empty value") << "Speeldag=" << "";
        QTest::newRow("no =") << "Speeldag" << "";
    }

    void waarde()
    {
        QFETCH(QString, regel);
        QFETCH(QString, verwacht);
        QCOMPARE(Instellingen::Waarde(regel), verwacht);
    }

    // Geheel16 and Geheel32 take a leading number, rounded half to even; Getal32 the whole value.
    void getal_data()
    {
        QTest::addColumn<int>("soort"); // 16, 32, or 0 for Getal32
        QTest::addColumn<QString>("waarde");
        QTest::addColumn<std::optional<qint64>>("verwacht");
        const auto rij = [](const char* naam, int soort, const char* waarde, std::optional<qint64> verwacht) {
            QTest::addRow("%d: %s", soort, naam) << soort << QString::fromUtf8(waarde) << verwacht;
        };
        rij("plain", 16, "4", 4);
        rij("negative", 16, "-1", -1);
        rij("leading blanks", 16, "   12", 12);
        rij("trailing text", 16, "800px", 800);
        rij("empty", 16, "", 0);
        rij("not a number", 16, "abc", 0);
        rij("half to even down", 16, "2.5", 2);
        rij("half to even up", 16, "3.5", 4);
        rij("fraction", 16, "7.6", 8);
        rij("max", 16, "32767", 32767);
        rij("min", 16, "-32768", -32768);
        rij("too large", 16, "99999", std::nullopt);
        rij("too small", 16, "-32769", std::nullopt);
        rij("rounds over the edge", 16, "32767.5", std::nullopt);
        rij("leading zero", 16, "0750", 750);
        rij("tab is not a blank", 16, "\t5", 0);
        rij("exponent", 16, "1e2", 100);
        rij("lone dot", 16, ".", 0);
        rij("16-bit overflow fits", 32, "99999", 99999);
        rij("trailing text", 32, "800px", 800);
        rij("max", 32, "2147483647", 2147483647);
        rij("too large", 32, "2147483648", std::nullopt);
        rij("empty", 32, "", 0);
        rij("plain", 0, "65535", 65535);
        rij("blanks around", 0, "  255  ", 255);
        rij("empty is an error", 0, "", std::nullopt);
        rij("text is an error", 0, "geel", std::nullopt);
        rij("trailing text is an error", 0, "12px", std::nullopt);
        rij("negative", 0, "-1", -1);
    }

    void getal()
    {
        QFETCH(int, soort);
        QFETCH(QString, waarde);
        QFETCH(std::optional<qint64>, verwacht);
        std::optional<qint64> getal;
        if (soort == 16) {
            if (const auto g = Instellingen::Geheel16(waarde))
                getal = *g;
        } else if (const auto g = soort == 32 ? Instellingen::Geheel32(waarde) : Instellingen::Getal32(waarde)) {
            getal = *g;
        }
        QCOMPARE(getal, verwacht);
    }
};

QTEST_GUILESS_MAIN(TstInstellingen)
#include "tst_instellingen.moc"
