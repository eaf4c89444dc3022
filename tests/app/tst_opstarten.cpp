#include "app/enkelexemplaar.h"
#include "app/opstarten.h"
#include "app/speelmomenten.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TstOpstarten : public QObject {
    Q_OBJECT
private slots:
    void padMappenIni_data()
    {
        QTest::addColumn<QString>("programmaMap");
        QTest::addColumn<QString>("verwacht");
        QTest::newRow("inside Hovelink folder") << "C:/Tafelwerk/Hovelink" << "C:/Tafelwerk/Mappen.ini";
        QTest::newRow("case ignored, hovelink2") << "c:/tafelwerk/hovelink2" << "c:/tafelwerk/Mappen.ini";
        QTest::newRow("plain folder") << "C:/Tafelwerk" << "C:/Tafelwerk/Mappen.ini";
        QTest::newRow("hovelink higher up") << "/home/a/hovelink/build/bin" << "/home/a/hovelink/build/Mappen.ini";
    }

    void padMappenIni()
    {
        QFETCH(QString, programmaMap);
        QFETCH(QString, verwacht);
        QCOMPARE(Opstarten::PadMappenIni(programmaMap), verwacht);
    }

    void leesMappenIni_data()
    {
        // How single values are parsed is tested with common/instellingen.
        QTest::addColumn<QByteArray>("inhoud");
        QTest::addColumn<QString>("mapTwk");
        QTest::addColumn<QString>("mapSpelers");
        QTest::newRow("both keys") << QByteArray("TWKMAP=D:\\Data\r\nSPEMAP=D:\\Leden\r\n") << "D:\\Data" << "D:\\Leden";
        QTest::newRow("last line wins") << QByteArray("TWKMAP=A\r\nTWKMAP=B\r\n") << "B" << "";
        QTest::newRow("garbage and empty lines") << QByteArray("\r\n[Mappen]\r\n\x01\x02\r\nSPEMAP=X") << "" << "X";
    }

    void leesMappenIni()
    {
        QFETCH(QByteArray, inhoud);
        QFETCH(QString, mapTwk);
        QFETCH(QString, mapSpelers);
        QTemporaryDir dir;
        const QString pad = dir.filePath("Mappen.ini");
        QVERIFY(TestPaden::SchrijfBestand(pad, inhoud));
        Werkruimte w;
        QVERIFY(Opstarten::LeesMappenIni(pad, w));
        QCOMPARE(w.MapTwk, mapTwk);
        QCOMPARE(w.MapSpelers, mapSpelers);
        QCOMPARE(w.BestandSpelers, mapSpelers + "/TWKspelers.txt");
    }

    void startMislukt_data()
    {
        QTest::addColumn<bool>("mappenIni");
        QTest::addColumn<QString>("melding"); // %1: the missing path
        QTest::newRow("no Mappen.ini") << false << "Het bestand Mappen.ini is niet gevonden:\r\n%1";
        QTest::newRow("no Tafelwerk folder") << true << "De Tafelwerk-map uit Mappen.ini bestaat niet:\r\n%1";
    }

    void startMislukt()
    {
        QFETCH(bool, mappenIni);
        QFETCH(QString, melding);
        QTemporaryDir dir;
        QString ontbreekt = dir.filePath("Mappen.ini");
        if (mappenIni) {
            ontbreekt = dir.filePath("bestaat-niet");
            QVERIFY(TestPaden::SchrijfBestand(dir.filePath("Mappen.ini"), "TWKMAP=" + ontbreekt.toUtf8() + "\r\n"));
        }
        Werkruimte w;
        MeldingRecorder meldingen;
        QVERIFY(!Opstarten::Start(dir.path(), w, meldingen));
        QCOMPARE(meldingen.Teksten(),
                 QStringList{melding.arg(QDir::toNativeSeparators(ontbreekt)) + "\r\n\r\nHet programma wordt afgesloten."});
        QCOMPARE(meldingen.meldingen[0].pictogram, Meldingen::Pictogram::Uitroep);
        QVERIFY(!QFileInfo::exists(dir.filePath("bestaat-niet")));
    }

    void startMaaktTravenzaEenmaal()
    {
        QTemporaryDir dir;
        QVERIFY(TestPaden::SchrijfBestand(dir.filePath("Mappen.ini"),
                                          "TWKMAP=" + dir.path().toUtf8() + "\r\nSPEMAP=" + dir.path().toUtf8() + "\r\n"));
        Werkruimte w;
        MeldingRecorder meldingen;
        QVERIFY(Opstarten::Start(dir.path(), w, meldingen));
        QVERIFY(meldingen.meldingen.isEmpty());
        QCOMPARE(w.MapProgramma, dir.filePath("Travenza"));
        QCOMPARE(w.NaamAlgemeen, "Kwintel.ini");
        QCOMPARE(w.NaamScript, "hovelink.js");
        QVERIFY(QFileInfo(w.MapProgramma).isDir());
        QVERIFY(TestPaden::SchrijfBestand(w.MapProgramma + "/bewijs.txt", "x"));
        QVERIFY(Opstarten::Start(dir.path(), w, meldingen));
        QCOMPARE(TestPaden::LeesBestand(w.MapProgramma + "/bewijs.txt"), QByteArray("x"));
    }

    void bestandMetNaamTravenzaTeltAlsBestaand()
    {
        QTemporaryDir dir;
        QVERIFY(TestPaden::SchrijfBestand(dir.filePath("Travenza"), "geen map"));
        Werkruimte w;
        w.MapTwk = dir.path();
        Opstarten::Init(w);
        QVERIFY(QFileInfo(w.MapProgramma).isFile());
    }

    void codes_data()
    {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QString>("code");
        const QStringList namen = Speelmomenten::VulSpeeldagen().mid(1);
        // Each weekday's four moments share a block of four letters: whole day, morgen, middag, avond.
        const QStringList dagen{"maandag", "dinsdag", "woensdag", "donderdag", "vrijdag", "zaterdag"};
        const QStringList delen{"", "-morgen", "-middag", "-avond"};
        char letter = 'A';
        for (const QString& dag : dagen) {
            for (const QString& deel : delen) {
                QVERIFY(namen.contains(dag + deel));
                QTest::newRow(qPrintable(dag + deel)) << dag + deel << QString(QChar::fromLatin1(letter++));
            }
        }
    }

    void codes()
    {
        QFETCH(QString, naam);
        QFETCH(QString, code);
        Werkruimte w;
        w.Speeldag = naam;
        Speelmomenten::VulCodeTabel(w);
        MeldingRecorder meldingen;
        Speelmomenten::BepaalSpeeldagCode(w, meldingen);
        QCOMPARE(w.SpeeldagCode, code);
        QCOMPARE(w.Fout, qint16(0));
        QVERIFY(meldingen.meldingen.isEmpty());
    }

    void lijstVanSpeeldagen()
    {
        const QStringList& lijst = Speelmomenten::VulSpeeldagen();
        QCOMPARE(lijst.size(), 25);
        QCOMPARE(lijst[0], "-------");
        QCOMPARE(lijst[4], "donderdag");
        QCOMPARE(lijst[7], "maandag-morgen");
        QCOMPARE(lijst[18], "donderdag-avond");
        QCOMPARE(lijst[24], "zaterdag-avond");
    }

    void bereidVoor()
    {
        QTemporaryDir dir;
        Werkruimte w;
        w.MapTwk = dir.path();
        Opstarten::Init(w);
        MeldingRecorder meldingen;
        Speelmomenten::BereidSpeelmomentVoor(w, "donderdag-avond", meldingen);
        const QString map = w.MapProgramma + "/donderdag-avond";
        QVERIFY(QFileInfo(map).isDir());
        QCOMPARE(w.SpeeldagCode, "P");
        QCOMPARE(w.NaamMomentIni, "donderdag-avond.ini");
        QCOMPARE(w.PadMomentIni, map + "/donderdag-avond.ini");
        QCOMPARE(w.PadScript, map + "/hovelink.js");
        QVERIFY(TestPaden::SchrijfBestand(map + "/x.txt", "x"));
        Speelmomenten::BereidSpeelmomentVoor(w, "donderdag-avond", meldingen);
        QVERIFY(QFileInfo::exists(map + "/x.txt"));
        QCOMPARE(w.SpeeldagCode, "P");
        QVERIFY(meldingen.meldingen.isEmpty());
    }

    void bereidOnbekendVoor()
    {
        QTemporaryDir dir;
        Werkruimte w;
        w.MapTwk = dir.path();
        Opstarten::Init(w);
        w.SpeeldagCode = "A";
        MeldingRecorder meldingen;
        Speelmomenten::BereidSpeelmomentVoor(w, "-------", meldingen);
        QCOMPARE(w.Fout, qint16(1));
        QCOMPARE(w.SpeeldagCode, "A");
        QCOMPARE(meldingen.Teksten(), QStringList{"Fout in SpeeldagCode!"});
        QCOMPARE(meldingen.meldingen[0].pictogram, Meldingen::Pictogram::Uitroep);
    }

    void tweedeExemplaar()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath("hovelink.lock");
        {
            const EnkelExemplaar eerste(lock);
            QVERIFY(eerste.IsEerste());
            const EnkelExemplaar tweede(lock);
            QVERIFY(!tweede.IsEerste());
        }
        const EnkelExemplaar daarna(lock); // the first copy has ended
        QVERIFY(daarna.IsEerste());
    }
};

QTEST_GUILESS_MAIN(TstOpstarten)
#include "tst_opstarten.moc"
