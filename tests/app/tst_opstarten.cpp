#include "app/enkelexemplaar.h"
#include "app/opstarten.h"
#include "app/speelmomenten.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QDir>
#include <QSettings>
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
        QTest::addColumn<QString>("storing");
        QTest::addColumn<QString>("melding"); // %1: the folder Tafelwerk
        const QString einde = "\r\n\r\nHet programma wordt afgesloten.";
        QTest::newRow("no Mappen.ini") << "" << "Het bestand Mappen.ini is niet gevonden:\r\n%1/Mappen.ini" + einde;
        QTest::newRow("no Tafelwerk folder") << "TWKMAP=%1/weg"
                                             << "De Tafelwerk-map uit Mappen.ini bestaat niet:\r\n%1/weg" + einde;
        QTest::newRow("a file named Travenza")
            << "Travenza" << "De map Travenza kan niet worden aangemaakt of beschreven:\r\n%1/Travenza" + einde;
        QTest::newRow("Travenza in use") << "Travenza/" << "Het programma is al gestart!...";
    }

    void startMislukt()
    {
        QFETCH(QString, storing);
        QFETCH(QString, melding);
        QTemporaryDir dir;
        if (storing.startsWith("TWKMAP="))
            QVERIFY(TestPaden::SchrijfBestand(dir.filePath("Mappen.ini"), storing.arg(dir.path()).toUtf8()));
        else if (!storing.isEmpty())
            QVERIFY(TestPaden::SchrijfBestand(dir.filePath("Mappen.ini"), "TWKMAP=" + dir.path().toUtf8()));
        if (storing == "Travenza")
            QVERIFY(TestPaden::SchrijfBestand(dir.filePath("Travenza"), "geen map"));
        std::optional<EnkelExemplaar> ander; // a copy started by another user on the same data
        if (storing == "Travenza/" && QDir().mkpath(dir.filePath("Travenza")))
            ander.emplace(dir.filePath("Travenza/hovelink.lock"));
        QSettings gebruiker(dir.filePath("gebruiker.ini"), QSettings::IniFormat);
        Werkruimte w;
        MeldingRecorder meldingen;
        QVERIFY(!Opstarten::Start(dir.path(), gebruiker, [](const QString&) { return QString(); }, w, meldingen));
        QCOMPARE(meldingen.Teksten(), QStringList{QDir::toNativeSeparators(melding.arg(dir.path()))});
        QVERIFY(!QFileInfo::exists(dir.filePath("weg")));
    }

    // A first start without Mappen.ini beside the program asks for the Tafelwerk folder; the
    // next start uses it without asking. Travenza is made once.
    void eersteStart()
    {
        QTemporaryDir dir;
        const QString twk = dir.filePath("twk");
        QVERIFY(TestPaden::SchrijfBestand(twk + "/Mappen.ini",
                                          "TWKMAP=" + twk.toUtf8() + "\r\nSPEMAP=" + twk.toUtf8() + "\r\n"));
        QSettings gebruiker(dir.filePath("gebruiker.ini"), QSettings::IniFormat);
        MeldingRecorder meldingen;
        QStringList titels;
        for (const QString& antwoord : {twk, QString()}) {
            Werkruimte w;
            const auto kies = [&](const QString& titel) {
                titels << titel;
                return antwoord;
            };
            const auto slot = Opstarten::Start(dir.filePath("prog"), gebruiker, kies, w, meldingen);
            QVERIFY(slot && slot->IsEerste());
            QCOMPARE(w.MapProgramma, twk + "/Travenza");
            QCOMPARE(w.BestandSpelers, twk + "/TWKspelers.txt");
            QCOMPARE(w.NaamAlgemeen, "Kwintel.ini");
            QCOMPARE(w.NaamScript, "hovelink.js");
            QVERIFY(QFileInfo(w.MapProgramma).isDir());
            QVERIFY(TestPaden::SchrijfBestand(w.MapProgramma + "/bewijs.txt", "x"));
        }
        QVERIFY(meldingen.meldingen.isEmpty());
        QCOMPARE(titels, QStringList{"Kies de map van Tafelwerk (waarin Mappen.ini staat)"});
        QCOMPARE(TestPaden::LeesBestand(twk + "/Travenza/bewijs.txt"), QByteArray("x"));
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
        // A moment folder that links elsewhere gives way to a real one; what it pointed to stays.
        QVERIFY(QFile::rename(map, dir.filePath("buiten")) && QFile::link(dir.filePath("buiten"), map));
        Speelmomenten::BereidSpeelmomentVoor(w, "donderdag-avond", meldingen);
        QVERIFY(QFileInfo(map).isDir() && !QFileInfo(map).isSymLink());
        QVERIFY(QFileInfo::exists(dir.filePath("buiten/x.txt")));
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
};

QTEST_GUILESS_MAIN(TstOpstarten)
#include "tst_opstarten.moc"
