#include "app/algemeen.h"
#include "app/speeldagmappen.h"
#include "support/testpaden.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstAlgemeen : public QObject {
    Q_OBJECT
private slots:
    void schrijf()
    {
        QTemporaryDir dir;
        const QString pad = dir.filePath("Kwintel.ini");
        QVERIFY(Algemeen::SchrijfAlgemeen(pad, {4, "  BC De Tr\u00EBf  ", 1}).ok);
        QCOMPARE(TestPaden::LeesBestand(pad), QByteArray("Speeldag=4\r\nClubnaam=BC De Tr\xEB""f\r\nTooninval=1\r\n"));
        AlgemeneInstellingen terug;
        Algemeen::LeesAlgemeen(pad, terug);
        QCOMPARE(terug.Speeldag, 4);
        QCOMPARE(terug.Clubnaam, u"BC De Tr\u00EBf"_qs);
        QCOMPARE(terug.Tooninval, 1);
    }

    void lees_data()
    {
        // How single values are parsed is tested with common/instellingen.
        QTest::addColumn<QByteArray>("inhoud"); // null: no file
        QTest::addColumn<int>("speeldag");
        QTest::addColumn<QString>("clubnaam");
        QTest::addColumn<int>("tooninval");
        QTest::newRow("no file") << QByteArray() << 0 << "" << 0;
        QTest::newRow("empty Speeldag selects 0") << QByteArray("Speeldag=7\r\nSpeeldag=\r\n") << 0 << "" << 0;
        QTest::newRow("99 ends reading") << QByteArray("Clubnaam=A\r\nSpeeldag=99\r\nClubnaam=B\r\n") << 0 << "A" << 0;
        QTest::newRow("-1 selects nothing") << QByteArray("Speeldag=-1\r\n") << -1 << "" << 0;
        QTest::newRow("-2 ends reading") << QByteArray("Speeldag=-2\r\nClubnaam=B\r\n") << 0 << "" << 0;
        QTest::newRow("tooninval 2 accepted") << QByteArray("Tooninval=2\r\n") << 0 << "" << 2;
        QTest::newRow("tooninval 3 ends reading") << QByteArray("Tooninval=3\r\nClubnaam=B\r\n") << 0 << "" << 0;
        QTest::newRow("beyond 16 bits ends reading") << QByteArray("Speeldag=70000\r\nClubnaam=B\r\n") << 0 << "" << 0;
        QTest::newRow("other order and unknown lines") << QByteArray("x=1\nTooninval=1\nClubnaam= C \nSpeeldag=24\n")
                                                       << 24 << " C " << 1;
    }

    void lees()
    {
        QFETCH(QByteArray, inhoud);
        QFETCH(int, speeldag);
        QFETCH(QString, clubnaam);
        QFETCH(int, tooninval);
        QTemporaryDir dir;
        const QString pad = dir.filePath("Kwintel.ini");
        if (!inhoud.isNull())
            QVERIFY(TestPaden::SchrijfBestand(pad, inhoud));
        AlgemeneInstellingen instellingen;
        Algemeen::LeesAlgemeen(pad, instellingen);
        QCOMPARE(instellingen.Speeldag, speeldag);
        QCOMPARE(instellingen.Clubnaam, clubnaam);
        QCOMPARE(instellingen.Tooninval, tooninval);
    }

    void mappenLijst()
    {
        QTemporaryDir dir;
        const QString p = dir.path();
        QVERIFY(SpeeldagMappen::ScriptsAanwezig(p, "hovelink.js").isEmpty());
        QVERIFY(TestPaden::SchrijfBestand(p + "/donderdag-avond/hovelink.js", "x"));
        QVERIFY(TestPaden::SchrijfBestand(p + "/anders/hovelink.js", "x"));
        QVERIFY(TestPaden::SchrijfBestand(p + "/donderdag/donderdag.ini", "x"));
        QVERIFY(TestPaden::SchrijfBestand(p + "/maandag", "a file, not a folder"));
        QVERIFY(QDir().mkpath(p + "/dinsdag/hovelink.js")); // a folder with the script's name
        QCOMPARE(SpeeldagMappen::ScriptsAanwezig(p, "hovelink.js"), (QStringList{"anders", "donderdag-avond"}));
    }

    void verwijderMetSubmap()
    {
        QTemporaryDir dir;
        const QString p = dir.path();
        QVERIFY(TestPaden::SchrijfBestand(p + "/vrijdag/hovelink.js", "x"));
        QVERIFY(TestPaden::SchrijfBestand(p + "/vrijdag/oud/bewaar.txt", "x"));
        QVERIFY(!SpeeldagMappen::VerwijderSpeeldag(p, "vrijdag"));
        QVERIFY(!QFileInfo::exists(p + "/vrijdag/hovelink.js"));
        QVERIFY(QFileInfo::exists(p + "/vrijdag/oud/bewaar.txt"));
    }
};

QTEST_GUILESS_MAIN(TstAlgemeen)
#include "tst_algemeen.moc"
