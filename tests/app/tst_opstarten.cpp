#include "app/algemeen.h"
#include "app/enkelexemplaar.h"
#include "app/opstarten.h"
#include "app/overhovelink.h"
#include "app/speeldagmappen.h"
#include "app/speelmomenten.h"
#include "app/startcontrole.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TstOpstarten : public QObject {
    Q_OBJECT
private slots:
    void mappenIni()
    {
        const QList<std::pair<QString, QString>> paden = {
            {"C:/Tafelwerk/Hovelink", "C:/Tafelwerk/Mappen.ini"}, {"c:/tafelwerk/hovelink2", "c:/tafelwerk/Mappen.ini"}, {"C:/Tafelwerk", "C:/Tafelwerk/Mappen.ini"}, {"/home/a/hovelink/build/bin", "/home/a/hovelink/build/Mappen.ini"}};
        for (const auto& [programmaMap, verwacht] : paden)
            QCOMPARE(Opstarten::PadMappenIni(programmaMap), verwacht);
        // TWKMAP|SPEMAP read: both keys, the last line wins, garbage and empty lines skipped.
        const QList<std::pair<QByteArray, QString>> inhoud = {
            {"TWKMAP=D:\\Data\r\nSPEMAP=D:\\Leden\r\n", "D:\\Data|D:\\Leden"},
            {"TWKMAP=A\r\nTWKMAP=B\r\n", "B|"},
            {"\r\n[Mappen]\r\n\x01\x02\r\nSPEMAP=X", "|X"}};
        QTemporaryDir dir;
        for (const auto& [bytes, verwacht] : inhoud) {
            QVERIFY(TestPaden::SchrijfBestand(dir.filePath("Mappen.ini"), bytes));
            Werkruimte w;
            QVERIFY(Opstarten::LeesMappenIni(dir.filePath("Mappen.ini"), w));
            QCOMPARE(w.MapTwk + "|" + w.MapSpelers, verwacht);
            QCOMPARE(w.BestandSpelers, w.MapSpelers + "/TWKspelers.txt");
        }
    }

    // Kwintel.ini written, then read: Speeldag|Clubnaam|Tooninval; 99, -2, Tooninval 3 and
    // values beyond 16 bits end reading.
    void kwintel()
    {
        QTemporaryDir geschreven;
        QVERIFY(Algemeen::SchrijfAlgemeen(geschreven.filePath("Kwintel.ini"), {4, "  BC De Tr\u00EBf  ", 1}).gelukt());
        QCOMPARE(TestPaden::LeesBestand(geschreven.filePath("Kwintel.ini")), QByteArray("Speeldag=4\r\nClubnaam=BC De Tr\xEB"
                                                                                        "f\r\nTooninval=1\r\n"));
        const QList<std::pair<QByteArray, QString>> rijen = {
            {{}, "0||0"}, {"Speeldag=4\r\nClubnaam=BC De Tr\xEB"
                           "f\r\nTooninval=1\r\n",
                           u"4|BC De Tr\u00EBf|1"_qs},
            {"Speeldag=7\r\nSpeeldag=\r\n", "0||0"},
            {"Clubnaam=A\r\nSpeeldag=99\r\nClubnaam=B\r\n", "0|A|0"},
            {"Speeldag=-1\r\n", "-1||0"},
            {"Speeldag=-2\r\nClubnaam=B\r\n", "0||0"},
            {"Tooninval=2\r\n", "0||2"},
            {"Tooninval=3\r\nClubnaam=B\r\n", "0||0"},
            {"Speeldag=70000\r\nClubnaam=B\r\n", "0||0"},
            {"x=1\nTooninval=1\nClubnaam= C \nSpeeldag=24\n", "24| C |1"}};
        for (const auto& [inhoud, verwacht] : rijen) {
            QTemporaryDir dir;
            if (!inhoud.isNull())
                QVERIFY(TestPaden::SchrijfBestand(dir.filePath("Kwintel.ini"), inhoud));
            AlgemeneInstellingen a;
            Algemeen::LeesAlgemeen(dir.filePath("Kwintel.ini"), a);
            QCOMPARE(QStringLiteral("%1|%2|%3").arg(a.Speeldag).arg(a.Clubnaam).arg(a.Tooninval), verwacht);
        }
    }

    // Only folders holding the script are moments, never a link; a moment with a subfolder left stays.
    void speeldagMappen()
    {
        QTemporaryDir dir, buiten;
        const QString p = dir.path();
        for (const char* bestand : {"donderdag-avond/hovelink.js", "donderdag/donderdag.ini", "maandag", "vrijdag/hovelink.js", "vrijdag/oud/bewaar.txt"})
            QVERIFY(TestPaden::SchrijfBestand(p + "/" + bestand, "x"));
        QVERIFY(QDir().mkpath(p + "/dinsdag/hovelink.js") && TestPaden::SchrijfBestand(buiten.filePath("hovelink.js"), "x"));
        QVERIFY(QFile::link(buiten.path(), p + "/link"));
        QCOMPARE(SpeeldagMappen::ScriptsAanwezig(p, "hovelink.js"), (QStringList{"donderdag-avond", "vrijdag"}));
        QVERIFY(!SpeeldagMappen::VerwijderSpeeldag(p, "vrijdag"));
        QCOMPARE(SpeeldagMappen::ScriptsAanwezig(p, "hovelink.js"), QStringList{"donderdag-avond"});
        QVERIFY(QFileInfo::exists(p + "/vrijdag/oud/bewaar.txt"));
    }

    void startMislukt_data()
    {
        QTest::addColumn<QString>("storing");
        QTest::addColumn<QString>("melding"); // %1: the folder Tafelwerk
        const QString einde = "\r\n\r\nHet programma wordt afgesloten.";
        QTest::newRow("no Mappen.ini") << ""
                                       << "Het bestand Mappen.ini is niet gevonden:\r\n%1/Mappen.ini" + einde;
        QTest::newRow("no Tafelwerk folder") << "TWKMAP=%1/weg"
                                             << "De Tafelwerk-map uit Mappen.ini bestaat niet:\r\n%1/weg" + einde;
        QTest::newRow("a file named Travenza")
            << "Travenza"
            << "De map Travenza kan niet worden aangemaakt of beschreven:\r\n%1/Travenza" + einde;
        QTest::newRow("Travenza in use") << "Travenza/"
                                         << "Het programma is al gestart!...";
        // A data folder copied from (or shared with) another computer, with that computer's lock.
        const QString slot = " (sinds 2 januari 2025 om 09:05).\r\nHet slotbestand van die computer staat hier:\r\n"
                             "%1/Travenza/hovelink.lock\r\n\r\nSluit Hovelink op die computer en start het hier "
                             "opnieuw. Is de map van die computer gekopieerd, of draait Hovelink daar niet meer, "
                             "verwijder dan het slotbestand." +
                             einde;
        QTest::newRow("lock of another computer") << "Travenza/1\nhovelink\nPC-SECRETARIS\n"
                                                  << "Hovelink is al gestart op de computer \"PC-SECRETARIS\"" + slot;
        QTest::newRow("lock that cannot be read") << "Travenza/\n"
                                                  << "Hovelink is al gestart op een onbekende computer" + slot;
    }

    void startMislukt()
    {
        QFETCH(QString, storing);
        QFETCH(QString, melding);
        QTemporaryDir dir;
        if (!storing.isEmpty())
            QVERIFY(TestPaden::SchrijfBestand(dir.filePath("Mappen.ini"),
                                              (storing.startsWith("TWKMAP=") ? storing : u"TWKMAP=%1"_qs).arg(dir.path()).toUtf8()));
        if (storing == "Travenza")
            QVERIFY(TestPaden::SchrijfBestand(dir.filePath("Travenza"), "geen map"));
        std::optional<EnkelExemplaar> ander; // a copy started by another user on the same data
        const QString lock = dir.filePath("Travenza/hovelink.lock");
        if (storing == "Travenza/" && QDir().mkpath(dir.filePath("Travenza")))
            ander.emplace(lock);
        QFile bestand(lock);
        if (storing.size() > 9)
            QVERIFY(QDir().mkpath(dir.filePath("Travenza")) && bestand.open(QIODevice::WriteOnly) && bestand.write(storing.mid(9).toUtf8()) && bestand.flush() &&
                    bestand.setFileTime(QDateTime(QDate(2025, 1, 2), QTime(9, 5)), QFileDevice::FileModificationTime));
        QSettings gebruiker(dir.filePath("gebruiker.ini"), QSettings::IniFormat);
        Werkruimte w;
        MeldingRecorder meldingen;
        QVERIFY(!Opstarten::Start(
            dir.path(), gebruiker, [](const QString&) { return QString(); }, w, meldingen));
        QCOMPARE(meldingen.Teksten(), QStringList{QDir::toNativeSeparators(melding.arg(dir.path()))});
    }

    // A first start without Mappen.ini beside the program asks for the Tafelwerk folder until
    // it holds one; the next start uses it without asking; one beside the program comes first.
    void eersteStart()
    {
        QTemporaryDir dir;
        const QString twk = dir.filePath("twk"), prog = dir.filePath("prog");
        QVERIFY(TestPaden::SchrijfBestand(twk + "/Mappen.ini", "TWKMAP=" + twk.toUtf8() + "\r\nSPEMAP=" + twk.toUtf8()));
        QSettings gebruiker(dir.filePath("gebruiker.ini"), QSettings::IniFormat);
        MeldingRecorder meldingen;
        QStringList antwoorden{prog, twk}, over;
        for (int start = 0; start < 3; ++start) {
            if (start == 2)
                QVERIFY(TestPaden::SchrijfBestand(prog + "/Mappen.ini", TestPaden::LeesBestand(twk + "/Mappen.ini")));
            Werkruimte w;
            const auto slot = Opstarten::Start(
                prog, gebruiker, [&](const QString& titel) {
                    return titel == "Kies de map van Tafelwerk (waarin Mappen.ini staat)" ? antwoorden.takeFirst() : QString();
                },
                w, meldingen);
            QVERIFY(slot && slot->IsEerste());
            QCOMPARE(w.MapProgramma + "|" + w.BestandSpelers + "|" + w.NaamAlgemeen + "|" + w.NaamScript,
                     twk + "/Travenza|" + twk + "/TWKspelers.txt|Kwintel.ini|hovelink.js");
            const QString tekst = OverHovelink::Tekst(w, gebruiker.fileName());
            over << tekst.mid(tekst.indexOf(") komt ") + 7);
        }
        QVERIFY(antwoorden.isEmpty());
        QCOMPARE(meldingen.Teksten(), QStringList{"In deze map staat geen Mappen.ini:\r\n" + QDir::toNativeSeparators(prog) +
                                                  "\r\n\r\nKies de map van Tafelwerk waarin Mappen.ini staat."});
        const QString gekozen = "uit Mappen.ini in de map die bij de eerste start is gekozen:\r\n" +
                                QDir::toNativeSeparators(twk + "/Mappen.ini\r\nDie keuze is bewaard in:\r\n" + gebruiker.fileName());
        QCOMPARE(over, (QStringList{gekozen, gekozen, "uit Mappen.ini bij het programma:\r\n" + QDir::toNativeSeparators(prog + "/Mappen.ini")}));
    }

    // The start window's choices: a moment and a club name of more than blanks; one moment to delete or upload.
    void startKeuze()
    {
        QStringList uit;
        for (const auto& [index, club] : {std::pair{0, "Troef"}, {1, "   "}, {1, "\tTroef"}, {24, " T "}}) {
            const auto w = StartControle::ControleerAfmelden(index, club);
            uit << (w ? u"-"_qs : QString::number(int(w.melding().veld)) + w.melding().tekst);
        }
        for (const qsizetype n : {0, 1, 2}) {
            const Uitkomst<> v = StartControle::ControleerVerwijderen(n);
            uit << (v ? u"-"_qs : v.melding());
            const auto w = StartControle::ControleerUploaden(n);
            uit << (w ? u"-"_qs : QString::number(int(w.melding().veld)) + w.melding().tekst);
        }
        const QString upload = "2Kies onder 'Bestaande speeldagen:' de speeldag die u wilt uploaden.";
        QCOMPARE(uit, (QStringList{"0U moet nog een Speeldag kiezen.", "1U moet een Clubnaam opgeven!", "-", "-",
                                   "Er is geen dag geselecteerd!", upload, "-", "-", "U mag slechts 1 dag tegelijk verwijderen!", upload}));
    }

    void bereidVoor()
    {
        QTemporaryDir dir;
        Werkruimte w;
        w.MapTwk = dir.path();
        Opstarten::Init(w);
        MeldingRecorder meldingen;
        const QString map = w.MapProgramma + "/donderdag-avond";
        QVERIFY(TestPaden::SchrijfBestand(dir.filePath("buiten/x.txt"), "x"));
        // A moment folder that links elsewhere gives way to a real one; what it pointed to stays.
        QVERIFY(QDir().mkpath(w.MapProgramma) && QFile::link(dir.filePath("buiten"), map));
        Speelmomenten::BereidSpeelmomentVoor(w, "donderdag-avond", meldingen);
        QVERIFY(QFileInfo(map).isDir() && !QFileInfo(map).isSymLink());
        QVERIFY(QFileInfo::exists(dir.filePath("buiten/x.txt")));
        QCOMPARE(w.SpeeldagCode + "|" + w.PadMomentIni + "|" + w.PadScript,
                 "P|" + map + "/donderdag-avond.ini|" + map + "/hovelink.js");
        QVERIFY(meldingen.meldingen.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstOpstarten)
#include "tst_opstarten.moc"
