#include "common/instellingen.h"
#include "common/lijstvolgorde.h"
#include "common/rijlijst.h"
#include "common/tekstbestand.h"
#include "support/testpaden.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TstTekstBestand : public QObject {
    Q_OBJECT
private slots:
    void schrijfRegels_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("latin-1, euro and quotes") << u"Zoë €‘’“”"_qs << QByteArray("Zo\xEB \x80\x91\x92\x93\x94\r\n");
        QTest::newRow("missing, outside the BMP, lone surrogate at the end")
            << u"Łó😀"_qs + QChar(0xD83D) << QByteArray("?\xF3??\r\n");
    }
    void schrijfRegels()
    {
        QFETCH(QString, tekst);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QVERIFY(TekstBestand::SchrijfRegels(dir.filePath("uit.ini"), {tekst}).gelukt());
        QCOMPARE(TestPaden::LeesBestand(dir.filePath("uit.ini")), bytes);
    }

    // A save never writes through a link (to a file outside, a missing one, a folder): the link becomes a real file.
    void koppelingen()
    {
        QTemporaryDir dir;
        QVERIFY(TestPaden::SchrijfBestand(dir.filePath("buiten/geheim.ini"), "geheim"));
        for (const char* doel : {"buiten/geheim.ini", "buiten/weg.ini", "buiten"}) {
            const QString pad = dir.filePath("Travenza/Upload.ini");
            QFile::remove(pad);
            QVERIFY(QDir().mkpath(dir.filePath("Travenza")) && QFile::link(dir.filePath(doel), pad));
            QVERIFY(TekstBestand::SchrijfRegels(pad, {"Server=s"}).gelukt());
            QVERIFY(!QFileInfo(pad).isSymLink());
            QCOMPARE(TestPaden::LeesBestand(pad), "Server=s\r\n");
            QCOMPARE(QDir(dir.filePath("buiten")).entryList(QDir::Files), QStringList{"geheim.ini"});
            QCOMPARE(TestPaden::LeesBestand(dir.filePath("buiten/geheim.ini")), "geheim");
        }
    }

    // Leftovers of interrupted saves of our files go when their folder is written next; nothing else does.
    void restanten()
    {
        QTemporaryDir dir;
        const QString map = dir.filePath("dinsdag/");
        for (const char* naam : {"hovelink.js.oYgMTU", "dinsdag.ini.Ab12Cd", "IniKop.ini.zzzzzz", "hovelink.js.bak",
                                 "hovelink.js.abcdefg", "maandag.ini.abcdef", "notities.txt.abcdef"})
            QVERIFY(TestPaden::SchrijfBestand(map + naam, "half"));
        QVERIFY(QDir().mkpath(map + "hovelink.js.MAPMAP"));
        QVERIFY(QFile::link(map + "notities.txt.abcdef", map + "Kwintel.ini.LINKxx"));
        QVERIFY(TekstBestand::SchrijfBytes(map + "hovelink.js", "x").gelukt());
        QCOMPARE(QDir(map).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                 (QStringList{"hovelink.js", "hovelink.js.abcdefg", "hovelink.js.bak", "hovelink.js.MAPMAP",
                              "Kwintel.ini.LINKxx", "maandag.ini.abcdef", "notities.txt.abcdef"}));
    }

    void rijlijst()
    {
        QList<Vinkregel> rijen(120);
        for (const int rij : {12, 0, 3, 100})
            rijen[rij].aangevinkt = true;
        QCOMPARE(Rijlijst::Schrijf(rijen), "000312"); // rows after 99 left out
        QCOMPARE(Rijlijst::Lees("000312"), (QList<int>{0, 3, 12}));
        QCOMPARE(Rijlijst::Lees("1234567"), (QList<int>{12, 34, 56, 7})); // 3.5 pairs round to 4
        QCOMPARE(Rijlijst::Lees(" 105"), (QList<int>{1, 5}));             // each pair's leading number
        QCOMPARE(Instellingen::Getal32("  255  ").value_or(0), 255);      // a whole value, blanks around
        QVERIFY(!Instellingen::Getal32("12px"));
    }

    void volgorde_data()
    {
        QTest::addColumn<QStringList>("uit"); // the list order
        QTest::newRow("case ignored, then the exact text") << QStringList{"a", "ABC", "Abc", "abc", "B"};
        QTest::newRow("digits as text") << QStringList{"1", "10", "11", "2"};
        QTest::newRow("hyphen and apostrophe ignored, blank counts")
            << QStringList{"D-Amsel", "de Wit", "Dewaal", "Dijk", "'t Hart", "Tromp"};
        QTest::newRow("accent near its base letter") << QStringList{u"Émile"_qs, "Fons", u"Zoë"_qs, "Zwart"};
        QTest::newRow("accent after its own letter") << QStringList{"Muller", u"Müller"_qs, "Mullers"};
        QTest::newRow("a letter beyond ASCII against a plain one") << QStringList{"Oa", u"Ølaf"_qs, "Om"};
    }
    void volgorde()
    {
        QFETCH(QStringList, uit);
        QStringList lijst(uit.crbegin(), uit.crend());
        LijstVolgorde::Sorteer(lijst);
        QCOMPARE(lijst, uit);
        for (qsizetype i = 1; i < uit.size(); ++i)
            QVERIFY(LijstVolgorde::Vergelijk(uit.at(i - 1), uit.at(i)) < 0);
    }
};

QTEST_GUILESS_MAIN(TstTekstBestand)
#include "tst_tekstbestand.moc"
