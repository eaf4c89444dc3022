#include "support/meldingrecorder.h"
#include "support/testpaden.h"
#include "upload/bekendeservers.h"
#include "upload/diaupload.h"
#include "upload/keychainopslag.h"
#include "upload/overdracht.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// A real SFTP or FTP(S) server on 127.0.0.1: a Python process with one user over a temporary folder.
struct TestServer {
    enum class Soort { Sftp, Ftps, Ftp } soort;
    static inline const QString Gebruiker = "secretaris", Wachtwoord = "Zwaluw-7781-geheim", Map = "/public_html/afm/donderdag";
    QTemporaryDir dir;
    QProcess proces;
    int poort = 0;
    QString vingerafdruk; // as the server's own library reports it

    explicit TestServer(Soort s) : soort(s) { QDir().mkpath(Pad({})); }
    ~TestServer() { proces.kill(), proces.waitForFinished(); }
    // Starts (again, on the same port) with the script's extra options; false when it does not come up.
    bool Start(const QStringList& opties = {})
    {
        proces.kill(), proces.waitForFinished();
        const bool sftp = soort == Soort::Sftp;
        proces.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        proces.start("/usr/bin/python3", QStringList{HOVELINK_TESTSERVERS_DIR + QString(sftp ? "/sftpserver.py" : "/ftpsserver.py"),
                                                     sftp ? "--sleutel" : "--certificaat", dir.filePath("sleutel"), "--map",
                                                     dir.filePath("root"), "--gebruiker", Gebruiker, "--wachtwoord", Wachtwoord,
                                                     "--poort", QString::number(poort)} + (soort == Soort::Ftp ? QStringList{"--zonder-tls"} : QStringList()) + opties);
        while (!proces.canReadLine() && proces.waitForReadyRead(20000)) {
        }
        const QStringList regel = QString::fromLatin1(proces.readLine()).trimmed().split(u' ');
        poort = regel.value(0).toInt();
        vingerafdruk = regel.value(1);
        return poort > 0;
    }
    QString Protocol() const { return QStringList{"SFTP", "FTPS", "FTP"}.at(int(soort)); }
    // A file in Map on the server's disk.
    QString Pad(const QString& naam) const { return dir.filePath("root" + Map + u'/' + naam); }
    QStringList Bestanden() const { return QDir(Pad({})).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
};

using Uitkomst = OverdrachtResultaat::Uitkomst;
using Soort = TestServer::Soort;
Q_DECLARE_METATYPE(Soort)
Q_DECLARE_METATYPE(Uitkomst)
const QByteArray Logo = "\xFF\xD8\xFF\xE0 logo";

class TstUpload : public QObject {
    Q_OBJECT
    QTemporaryDir m_twk; // Tafelwerk's data folder; Travenza holds one play moment
    QString Travenza() const { return m_twk.filePath("Travenza"); }

    // Clicks "Uploaden" and waits until the transfer on the worker thread is over; the result rows.
    static QStringList Uploaden(DiaUpload& dia, const MeldingRecorder* annuleren = nullptr)
    {
        QTest::mouseClick(dia.findChild<QPushButton*>("cmdUploaden"), Qt::LeftButton);
        // Once the host key is trusted the upload itself runs, and stalls at the server.
        auto* knop = dia.findChild<QPushButton*>("cmdAnnuleren");
        if (annuleren && QTest::qWaitFor([&] { return annuleren->meldingen.size() == 1 && knop->isEnabled(); }, 60000) &&
            !dia.findChild<QPushButton*>("cmdSluiten")->isEnabled())
            QTest::mouseClick(knop, Qt::LeftButton);
        if (!QTest::qWaitFor([&] { return dia.findChild<QPushButton*>("cmdSluiten")->isEnabled(); }, 60000))
            return {"time-out"};
        QStringList rijen;
        for (const QListWidgetItem* rij : dia.findChild<QListWidget*>("lstResultaat")->findItems("*", Qt::MatchWildcard))
            rijen.append(rij->text());
        return rijen;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(TestPaden::SchrijfBestand(Travenza() + "/donderdag/hovelink.js", QByteArray(12345, 'x')));
        QVERIFY(TestPaden::SchrijfBestand(Travenza() + "/donderdag/000001.jpg", Logo));
        QVERIFY(TestPaden::SchrijfBestand(Travenza() + "/donderdag/IniKop.ini", "logofile=000001.jpg\r\nlogojn=1\r\n"));
    }

    // The first empty field is named; an unknown protocol ends reading Upload.ini.
    void controles()
    {
        const QStringList meldingen{"Vul de naam van de server in.", "Vul de gebruikersnaam in.", "Vul het wachtwoord in.", ""};
        for (int gevuld = 0; gevuld < 4; ++gevuld) {
            const auto ontbreekt = Overdracht::OntbrekendVeld({"SFTP", gevuld > 0 ? "s" : "", 22, gevuld > 1 ? "g" : "", gevuld > 2 ? "w" : "", "/", ""});
            QCOMPARE(ontbreekt ? ontbreekt->second : QString(), meldingen[gevuld]);
        }
        QTemporaryDir map;
        QVERIFY(TestPaden::SchrijfBestand(map.filePath("Upload.ini"), "Protocol=Gopher\r\nServer=s\r\n"));
        UploadInstellingen u;
        Upload::LeesUploadIni(map.filePath("Upload.ini"), u);
        QCOMPARE(u.Protocol + u.Server, u"SFTP"_qs);
    }

    void verstuur_data()
    {
        QTest::addColumn<Soort>("soort");
        QTest::addColumn<QString>("storing"); // "--...": a server option
        QTest::addColumn<QByteArray>("logoOpServer");
        QTest::addColumn<Uitkomst>("uitkomst");
        QTest::addColumn<QString>("melding"); // a piece of it
        QTest::newRow("sftp overwrite, same logo not sent") << Soort::Sftp << "" << Logo << Uitkomst::Gelukt << "";
        QTest::newRow("sftp logo that differs is sent") << Soort::Sftp << "" << QByteArray("ander") << Uitkomst::Gelukt << "";
        QTest::newRow("sftp wrong password") << Soort::Sftp << "wachtwoord" << QByteArray() << Uitkomst::Fout << "weigert";
        QTest::newRow("sftp changed host key") << Soort::Sftp << "sleutel" << QByteArray() << Uitkomst::GewijzigdeServer << "andere sleutel";
        QTest::newRow("sftp server drops midway") << Soort::Sftp << "--afbreken-na 50000" << QByteArray() << Uitkomst::Fout << "verbroken";
        QTest::newRow("sftp no rights") << Soort::Sftp << "--alleen-lezen" << QByteArray() << Uitkomst::Fout << "'0777'";
        QTest::newRow("sftp folder missing") << Soort::Sftp << "map" << QByteArray() << Uitkomst::Fout << "bestaat niet";
        QTest::newRow("ftps folder missing") << Soort::Ftps << "map" << QByteArray() << Uitkomst::Fout << "geen toegang";
        QTest::newRow("ftps changed certificate") << Soort::Ftps << "sleutel" << QByteArray() << Uitkomst::GewijzigdeServer << "andere sleutel";
        QTest::newRow("ftp overwrite") << Soort::Ftp << "" << QByteArray() << Uitkomst::Gelukt << "";
    }

    void verstuur()
    {
        QFETCH(Soort, soort);
        QFETCH(QString, storing);
        QFETCH(QByteArray, logoOpServer);
        QFETCH(Uitkomst, uitkomst);
        QFETCH(QString, melding);
        QTemporaryDir gebruiker;
        TestServer server(soort);
        QVERIFY(server.Start(storing.startsWith("--") ? storing.split(' ') : QStringList()));
        const QByteArray oud = storing == "map" ? QByteArray() : "oud";
        if (!oud.isEmpty())
            QVERIFY(TestPaden::SchrijfBestand(server.Pad("hovelink.js"), oud));
        if (!logoOpServer.isEmpty())
            QVERIFY(TestPaden::SchrijfBestand(server.Pad("000001.jpg"), logoOpServer));
        const QStringList vooraf = server.Bestanden();
        Verbinding v{server.Protocol(), "127.0.0.1", server.poort, TestServer::Gebruiker, TestServer::Wachtwoord,
                     storing == "map" ? "/public_html/afm/vrijdag" : TestServer::Map, gebruiker.filePath("bekende-servers.ini")};
        if (soort != Soort::Ftp) {
            // Unknown at first: the fingerprint to ask about is the server's own; once stored, trusted.
            const OverdrachtResultaat eerst = Overdracht::TestVerbinding(v);
            QVERIFY2(eerst.uitkomst == Uitkomst::OnbekendeServer && eerst.vingerafdruk == server.vingerafdruk, qPrintable(eerst.melding));
            QVERIFY(BekendeServers::Bewaar(v.BekendeServersPad, BekendeServers::Sleutel(v.Protocol, v.Server, v.Poort), eerst.teBewaren).ok);
        }
        if (storing == "sleutel") {
            QFile::remove(server.dir.filePath("sleutel")); // the next start makes a new one
            QVERIFY(server.Start());
        }
        if (storing == "wachtwoord")
            v.Wachtwoord = "fout";
        // Large enough that a transfer is still running when the server drops.
        const QByteArray script = QByteArray("Leden[0] = 'Lid 7919';\r\n").repeated(15000);
        std::atomic<bool> stop = false;
        qint64 laatste = -1;
        const OverdrachtResultaat r = Overdracht::Verstuur(v, {{"hovelink.js", script}, {"000001.jpg", Logo, true}}, [&](qint64 gedaan, qint64 totaal) {
            QVERIFY(gedaan <= totaal);
            laatste = gedaan;
        }, stop);
        QVERIFY2(r.uitkomst == uitkomst && r.melding.contains(melding), qPrintable(r.melding));
        const bool gelukt = uitkomst == Uitkomst::Gelukt;
        QCOMPARE(TestPaden::LeesBestand(server.Pad("hovelink.js")), gelukt ? script : oud);
        QCOMPARE(TestPaden::LeesBestand(server.Pad("000001.jpg")), gelukt ? Logo : logoOpServer);
        QCOMPARE(server.Bestanden(), gelukt ? QStringList({"000001.jpg", "hovelink.js"}) : vooraf);
        if (gelukt) {
            QCOMPARE(laatste, script.size() + Logo.size());
            QCOMPARE(r.bestanden.size(), 2);
            QCOMPARE(r.bestanden[0].Grootte, script.size());
            QCOMPARE(r.bestanden[1].Verstuurd, logoOpServer != Logo);
        }
    }

    // Filled in by keys; the server's key is asked about; the password kept in the real Secret Service comes back.
    void uploaden_data()
    {
        QTest::addColumn<Soort>("soort");
        QTest::addColumn<QStringList>("meldingen"); // a piece of each message, in order
        QTest::newRow("sftp: host key asked, trusted, remembered") << Soort::Sftp << QStringList{"is nog onbekend"};
        QTest::newRow("sftp: cancel while the server stalls") << Soort::Sftp << QStringList{"is nog onbekend", "geannuleerd"};
        QTest::newRow("ftps: certificate asked, trusted, remembered") << Soort::Ftps << QStringList{"is nog onbekend"};
        QTest::newRow("ftp: used after the warning") << Soort::Ftp << QStringList{"onversleuteld"};
    }

    void uploaden()
    {
        QFETCH(Soort, soort);
        QFETCH(QStringList, meldingen);
        TestServer server(soort);
        const bool annuleren = meldingen.size() == 2;
        QVERIFY(server.Start(annuleren ? QStringList{"--pauze-na", "4000"} : QStringList()));
        QFile::remove(Travenza() + "/Upload.ini");
        MeldingRecorder recorder;
        KeychainOpslag opslag;
        const QStringList rijen{"hovelink.js  (12.345 bytes)  gecontroleerd", "000001.jpg  (9 bytes)  gecontroleerd"};
        {
            DiaUpload dia(Travenza(), "donderdag", "hovelink.js", recorder, opslag);
            dia.show();
            QCOMPARE(dia.findChild<QLineEdit*>("txtMap")->text(), TestServer::Map);
            auto* protocol = dia.findChild<QComboBox*>("cmbProtocol");
            protocol->setFocus();
            for (int i = 0; i < int(soort); ++i)
                QTest::keyClick(protocol, Qt::Key_Down);
            QCOMPARE(protocol->currentText(), server.Protocol());
            QCOMPARE(dia.findChild<QSpinBox*>("txtPoort")->value(), soort == Soort::Sftp ? 22 : 21); // the protocol's own port
            for (const auto& [veld, tekst] : {std::pair{"txtServer", QString("127.0.0.1")}, {"txtPoort", QString::number(server.poort)},
                                              {"txtGebruiker", TestServer::Gebruiker}, {"txtWachtwoord", TestServer::Wachtwoord}}) {
                auto* vak = dia.findChild<QWidget*>(veld);
                vak->setFocus();
                QTest::keyClick(vak, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(vak, tekst);
            }
            QTest::keyClick(dia.findChild<QCheckBox*>("chkOnthouden"), Qt::Key_Space);
            QCOMPARE(Uploaden(dia, annuleren ? &recorder : nullptr), annuleren ? QStringList() : rijen);
            QCOMPARE(recorder.meldingen.size(), meldingen.size());
            for (int i = 0; i < meldingen.size(); ++i)
                QVERIFY2(recorder.meldingen[i].tekst.contains(meldingen[i]), qPrintable(recorder.meldingen[i].tekst));
            QVERIFY(recorder.meldingen[0].tekst.contains(server.vingerafdruk) || soort == Soort::Ftp);
        }
        if (soort == Soort::Ftp || annuleren)
            return;
        recorder.meldingen.clear();
        DiaUpload dia(Travenza(), "donderdag", "hovelink.js", recorder, opslag);
        dia.show();
        QCOMPARE(dia.findChild<QLineEdit*>("txtWachtwoord")->text(), TestServer::Wachtwoord);
        QCOMPARE(Uploaden(dia).value(1), "000001.jpg  (9 bytes)  stond al op de server, gecontroleerd");
        QCOMPARE(recorder.Teksten(), QStringList());
    }

    // Whatever was typed, stored or answered: no file of the program or of the user holds the password.
    void cleanupTestCase()
    {
        for (const QString& map : {Travenza(), QDir::homePath()}) {
            QDirIterator it(map, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString pad = it.next();
                QVERIFY2(!TestPaden::LeesBestand(pad).contains(TestServer::Wachtwoord.toUtf8()), qPrintable(pad));
            }
        }
        QVERIFY(QFile::exists(Travenza() + "/Upload.ini"));
    }
};

QTEST_MAIN(TstUpload)
#include "tst_upload.moc"
