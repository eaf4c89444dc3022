#include "support/meldingrecorder.h"
#include "support/tabel.h"
#include "support/testpaden.h"
#include "testserver.h"
#include "upload/bekendeservers.h"
#include "upload/diaupload.h"
#include "upload/keychainopslag.h"
#include "upload/overdracht.h"
#include "upload/uploadbestanden.h"
#include "upload/uploadbesturing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sys/prctl.h>

#include <thread>

using Afloop = OverdrachtResultaat::Afloop;
using Soort = TestServer::Soort;
Q_DECLARE_METATYPE(Soort)

const QByteArray Logo = Png(3, 3);
// Our site's files as the upload sends them, before the logo and the script.
const QStringList Site{".htaccess", "afmelden.php", "afmelden.css", "afmelden.js", "index.html"};
QByteArray SiteBestand(const QString& naam) { return TestPaden::LeesBestand(HOVELINK_SITE_DIR "/" + naam); }
QString Rij(const QString& naam, qint64 grootte, bool stondAl = false)
{
    return naam + "  (" + QLocale(QLocale::Dutch).toString(grootte) + " bytes)  " + (stondAl ? "stond al op de server, gecontroleerd" : "gecontroleerd");
}
const QByteArray Script = "var ikop=[];\r\nikop[6]=1;\r\nikop[7]='000001.png';\r\n" + QByteArray(12300, 'x');

// Trusts the server as a user answering Ja would: the fingerprint asked about is the server's own.
bool Vertrouw(const Verbinding& v, const QString& vingerafdruk)
{
    std::atomic<bool> nooit = false;
    const OverdrachtResultaat eerst = Overdracht::TestVerbinding(v, nooit);
    return eerst.afloop == Afloop::OnbekendeServer && eerst.vingerafdruk == vingerafdruk &&
           BekendeServers::Bewaar(v.BekendeServersPad, BekendeServers::Sleutel(v.protocol, v.Server, v.Poort), eerst.teBewaren).gelukt();
}

// The server and its options; the outcome, a piece of its message, the start of hovelink.js on
// the server afterwards and the folder on the server.
struct VerstuurRij {
    Soort soort = Soort::Sftp;
    QStringList opties;
    Afloop uitkomst = Afloop::Gelukt;
    QString melding;
    QByteArray daarna;
    QString map = TestServer::Map;
};

class TstUpload : public QObject {
    Q_OBJECT
    QTemporaryDir m_twk; // Tafelwerk's data folder; Travenza holds one play moment
    QString Travenza() const { return m_twk.filePath("Travenza"); }

    static void VulIn(DiaUpload& dia, const TestServer& server)
    {
        for (const auto& [veld, tekst] : {std::pair{"txtServer", QString("127.0.0.1")}, {"txtPoort", QString::number(server.poort)}, {"txtGebruiker", TestServer::Gebruiker}, {"txtWachtwoord", TestServer::Wachtwoord}})
            Typ(dia, veld, tekst);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(TestPaden::SchrijfBestand(Travenza() + "/donderdag/hovelink.js", Script));
        QVERIFY(TestPaden::SchrijfBestand(Travenza() + "/donderdag/000001.png", Logo));
    }

    // Required fields and folders; what Upload.ini takes in and gives back.
    void controles()
    {
        const QStringList meldingen{"Vul de naam van de server in.", "Vul de gebruikersnaam in.", "Vul het wachtwoord in.", "geen '.' of '..'", ""};
        for (int gevuld = 0; gevuld < 5; ++gevuld) {
            const auto velden = Overdracht::ControleerVelden({Protocol::Sftp, gevuld > 0 ? "s" : "", 22, gevuld > 1 ? "g" : "",
                                                              gevuld > 2 ? "w" : "", gevuld > 3 ? "/a..b/c" : "/a/../b", "", ""});
            QVERIFY(velden ? meldingen[gevuld].isEmpty() : velden.melding().tekst.contains(meldingen[gevuld]));
        }
        QTemporaryDir map;
        const QString ini = map.filePath("Upload.ini");
        UploadInstellingen u;
        u.Server = "  s.example\r\nProtocol=FTP";
        u.Mappen.insert("donderdag", "/afm\nServer=evil.example\t");
        QVERIFY(Upload::SchrijfUploadIni(ini, u).gelukt());
        QCOMPARE(TestPaden::LeesBestand(ini), "Protocol=SFTP\r\nServer=s.exampleProtocol=FTP\r\nPoort=22\r\nGebruiker=\r\nOnthouden=0\r\n"
                                              "Map-donderdag=/afmServer=evil.example\r\n");
        QVERIFY(TestPaden::SchrijfBestand(ini, "Server=a\x01"
                                               "b\r\nProtocol=Gopher\r\nServer=s\r\n"));
        UploadInstellingen gelezen;
        Upload::LeesUploadIni(ini, gelezen);
        QCOMPARE(Protocollen::Naam(gelezen.protocol) + gelezen.Server, u"SFTPab"_qs);
    }

    // What is sent: our site as it is in site/, only plain files, the logo the script shows only when it is a picture.
    void bestanden_data()
    {
        QTest::addColumn<QString>("geval");
        QTest::addColumn<QStringList>("namen"); // sent, in order; or a piece of the message
        QTest::newRow("site, logo, then the script") << "" << Site + QStringList{"000001.png", "hovelink.js"};
        QTest::newRow("script without logo") << "geen logo" << Site + QStringList{"hovelink.js"};
        QTest::newRow("script is a link") << "scriptlink" << QStringList{"Script-bestand kon niet worden gelezen"};
        QTest::newRow("logo is a link to a private file") << "logolink" << QStringList{"geen afbeelding"};
        QTest::newRow("logo is no picture") << "geen afbeelding" << QStringList{"geen afbeelding"};
        QTest::newRow("logo missing") << "ontbreekt" << QStringList{"ontbreekt"};
    }
    void bestanden()
    {
        QFETCH(QString, geval);
        QFETCH(QStringList, namen);
        QTemporaryDir map;
        const QString prive = map.filePath("prive.png");
        QVERIFY(TestPaden::SchrijfBestand(prive, Logo));
        QVERIFY(TestPaden::SchrijfBestand(map.filePath("m/hovelink.js"), geval == "geen logo" ? "var ikop=[];\r\nikop[6]=0;\r\nikop[7]='000001.png';\r\n" : Script));
        if (geval == "scriptlink")
            QVERIFY(QFile::remove(map.filePath("m/hovelink.js")) && QFile::link(prive, map.filePath("m/hovelink.js")));
        if (geval == "logolink")
            QVERIFY(QFile::link(prive, map.filePath("m/000001.png")));
        else if (geval != "ontbreekt")
            QVERIFY(TestPaden::SchrijfBestand(map.filePath("m/000001.png"), geval == "geen afbeelding" ? "PK\x03\x04 geheim" : Logo));
        const Uitkomst<QList<TeVersturen>> uit = BestandenVoorUpload(map.filePath("m"), "hovelink.js");
        QStringList gezien;
        for (const TeVersturen& b : uit ? uit.waarde() : QList<TeVersturen>()) {
            gezien.append(b.Naam);
            if (Site.contains(b.Naam))
                QVERIFY2(b.AlleenAlsAnders && b.Inhoud == SiteBestand(b.Naam), qPrintable(b.Naam));
        }
        if (uit)
            QCOMPARE(gezien, namen);
        else
            QVERIFY2(uit.melding().contains(namen[0]), qPrintable(uit.melding()));
    }

    // Each failure at each step: the message names its cause and what the site holds, and the site always has a whole file.
    void verstuur_data()
    {
        RijKolom<VerstuurRij>();
        QTest::newRow("sftp replaced") << VerstuurRij{.soort = Soort::Sftp, .uitkomst = Afloop::Gelukt, .daarna = "nieuw"};
        QTest::newRow("sftp wrong password") << VerstuurRij{.soort = Soort::Sftp, .opties = {"wachtwoord"}, .uitkomst = Afloop::Fout, .melding = "weigert de gebruikersnaam", .daarna = "oud"};
        QTest::newRow("sftp changed host key") << VerstuurRij{.soort = Soort::Sftp, .opties = {"sleutel"}, .uitkomst = Afloop::GewijzigdeServer, .melding = "andere sleutel", .daarna = "oud"};
        QTest::newRow("sftp folder missing") << VerstuurRij{.soort = Soort::Sftp, .uitkomst = Afloop::Fout, .melding = "bestaat niet", .map = "/public_html/afm/vrijdag"};
        QTest::newRow("sftp no rights") << VerstuurRij{.soort = Soort::Sftp, .opties = {"--alleen-lezen"}, .uitkomst = Afloop::Fout, .melding = "'0777'", .daarna = "oud"};
        QTest::newRow("drop while writing") << VerstuurRij{.soort = Soort::Sftp, .opties = {"--afbreken-na", "5000"}, .uitkomst = Afloop::Fout, .melding = "niet helemaal aangenomen: de schijf of het quotum op de server is vol, of de verbinding is verbroken.\r\nHet bestand 'hovelink.js' op de server is niet gewijzigd.", .daarna = "oud"};
        QTest::newRow("disk full while writing") << VerstuurRij{.soort = Soort::Sftp, .opties = {"--fout", "schrijf:1:vol"}, .uitkomst = Afloop::Fout, .melding = "quotum op de server is vol", .daarna = "oud"};
        QTest::newRow("old to backup refused") << VerstuurRij{.soort = Soort::Sftp, .opties = {"--fout", "hernoem:1:weiger"}, .uitkomst = Afloop::Fout, .melding = "niet gewijzigd", .daarna = "oud"};
        QTest::newRow("old to backup drops") << VerstuurRij{.soort = Soort::Sftp, .opties = {"--fout", "hernoem:1:verbreek"}, .uitkomst = Afloop::Fout, .melding = "niet gewijzigd", .daarna = "oud"};
        QTest::newRow("new into place refused, backup back") << VerstuurRij{.soort = Soort::Sftp, .opties = {"--fout", "hernoem:2:weiger"}, .uitkomst = Afloop::Fout, .melding = "niet gewijzigd", .daarna = "oud"};
        QTest::newRow("new into place drops, backup back") << VerstuurRij{.soort = Soort::Sftp, .opties = {"--fout", "hernoem:2:verbreek"}, .uitkomst = Afloop::Fout, .melding = "niet gewijzigd", .daarna = "oud"};
        QTest::newRow("backup cannot go back") << VerstuurRij{.soort = Soort::Sftp, .opties = {"--fout", "hernoem:2:weiger", "--fout", "hernoem:3:weiger"}, .uitkomst = Afloop::Fout, .melding = "onder de naam '.hovelink.js."};
        QTest::newRow("backup not removed: still whole") << VerstuurRij{.soort = Soort::Sftp, .opties = {"--fout", "verwijder:1:weiger"}, .uitkomst = Afloop::Gelukt, .daarna = "nieuw"};
        QTest::newRow("read-back drops") << VerstuurRij{.soort = Soort::Sftp, .opties = {"--fout", "lees:1:verbreek"}, .uitkomst = Afloop::Fout, .melding = "staat al op de server, maar is niet gecontroleerd", .daarna = "nieuw"};
        QTest::newRow("a folder in the file's place") << VerstuurRij{.soort = Soort::Sftp, .opties = {"map"}, .uitkomst = Afloop::Fout, .melding = "een map met de naam 'hovelink.js'"};
        QTest::newRow("sftp: a web server on the port") << VerstuurRij{.soort = Soort::Sftp, .opties = {"--anders"}, .uitkomst = Afloop::Fout, .melding = "niet als SFTP-server", .daarna = "oud"};
        QTest::newRow("sftp: test cancelled, never greeted") << VerstuurRij{.soort = Soort::Sftp, .opties = {"--stil"}, .uitkomst = Afloop::Geannuleerd, .melding = "De test van de verbinding is geannuleerd.", .daarna = "oud"};
        QTest::newRow("ftps: test cancelled, never greeted") << VerstuurRij{.soort = Soort::Ftps, .opties = {"--stil"}, .uitkomst = Afloop::Geannuleerd, .melding = "De test van de verbinding is geannuleerd.", .daarna = "oud"};
        QTest::newRow("ftp: a web server on the port") << VerstuurRij{.soort = Soort::Ftp, .opties = {"--anders"}, .uitkomst = Afloop::Fout, .melding = "niet als FTP-server", .daarna = "oud"};
        for (const char* vreemd : {"a\"b", "a\\b", "it's", "met spatie", "100%"})
            QTest::addRow("folder %s", vreemd) << VerstuurRij{.soort = Soort::Sftp, .uitkomst = Afloop::Gelukt, .daarna = "nieuw", .map = "/public_html/afm/" + QString(vreemd)};
        QTest::newRow("ftps changed certificate") << VerstuurRij{.soort = Soort::Ftps, .opties = {"sleutel"}, .uitkomst = Afloop::GewijzigdeServer, .melding = "andere sleutel", .daarna = "oud"};
        QTest::newRow("ftps folder missing") << VerstuurRij{.soort = Soort::Ftps, .uitkomst = Afloop::Fout, .melding = "geen toegang", .map = "/public_html/afm/vrijdag"};
        QTest::newRow("ftp replaced") << VerstuurRij{.soort = Soort::Ftp, .uitkomst = Afloop::Gelukt, .daarna = "nieuw"};
        QTest::newRow("ftp rename refused: through a backup") << VerstuurRij{.soort = Soort::Ftp, .opties = {"--fout", "hernoem:1:weiger"}, .uitkomst = Afloop::Gelukt, .daarna = "nieuw"};
        QTest::newRow("ftp renames refused") << VerstuurRij{.soort = Soort::Ftp, .opties = {"--fout", "hernoem:1:weiger", "--fout", "hernoem:3:weiger"}, .uitkomst = Afloop::Fout, .melding = "niet gewijzigd", .daarna = "oud"};
    }

    void verstuur()
    {
        const auto& [soort, opties, uitkomst, melding, daarna, map] = DezeRij<VerstuurRij>();
        const QString rij = QTest::currentDataTag();
        QTemporaryDir gebruiker;
        TestServer server(soort);
        QVERIFY(server.Start(opties.value(0).startsWith("--") ? opties : QStringList()));
        // A neighbour that a badly quoted folder name would reach.
        QVERIFY(TestPaden::SchrijfBestand(server.Pad("a", "/public_html/afm"), "buur"));
        if (rij == "a folder in the file's place")
            QVERIFY(QDir().mkpath(server.Pad("hovelink.js", map)));
        else if (!map.endsWith("vrijdag"))
            QVERIFY(TestPaden::SchrijfBestand(server.Pad("hovelink.js", map), "oud"));
        Verbinding v = server.Aansluiting(gebruiker.filePath("bekende-servers.ini"), map);
        const bool stil = opties.contains("--stil");
        if (soort != Soort::Ftp && !opties.contains("--anders") && !stil)
            QVERIFY(Vertrouw(v, server.vingerafdruk));
        if (opties == QStringList{"sleutel"}) {
            QFile::remove(server.dir.filePath("sleutel")); // the next start makes a new one
            QVERIFY(server.Start());
        }
        if (opties == QStringList{"wachtwoord"})
            v.Wachtwoord = "fout";
        // Large enough that a transfer is still running when the server drops.
        const QByteArray nieuw = "nieuw" + QByteArray(20000, '.');
        std::atomic<bool> stop = false;
        qint64 laatste = -1;
        // Annuleren half a second into testing a connection that is never greeted.
        std::jthread annuleren([&] { QThread::msleep(stil ? 500 : 0), stop = stil; });
        QElapsedTimer klok;
        klok.start();
        const auto voortgang = [&](qint64 gedaan, qint64 totaal) { QVERIFY(gedaan <= totaal); laatste = gedaan; };
        const OverdrachtResultaat r = stil ? Overdracht::TestVerbinding(v, stop) : Overdracht::Verstuur(v, {{"hovelink.js", nieuw}}, voortgang, stop);
        QVERIFY2(r.afloop == uitkomst && r.melding.contains(melding), qPrintable(r.melding));
        QVERIFY(!stil || klok.elapsed() < 1500);
        QVERIFY2(!r.melding.contains("niet gewijzigd") || daarna != "nieuw", qPrintable(r.melding));
        QVERIFY(uitkomst != Afloop::GewijzigdeServer || (r.melding.contains(server.vingerafdruk) && r.vingerafdruk == server.vingerafdruk));
        QCOMPARE(TestPaden::LeesBestand(server.Pad("hovelink.js", map)).left(5), daarna);
        QCOMPARE(TestPaden::LeesBestand(server.Pad("a", "/public_html/afm")), "buur");
        // Nothing half-written or left behind, but a backup that the server would not let go.
        QStringList over = server.Bestanden(map);
        over.removeAll("hovelink.js");
        QCOMPARE(over.size(), rij.startsWith("backup") ? 1 : 0);
        if (uitkomst == Afloop::Gelukt)
            QCOMPARE(laatste, nieuw.size());
    }

    // A server trusted through an authority is remembered; one with a chain to an unknown root is asked about.
    void ftpsKeten()
    {
        QTemporaryDir gebruiker;
        TestServer server(Soort::Ftps);
        QVERIFY(server.Start({"--keten"}));
        Verbinding v = server.Aansluiting(gebruiker.filePath("bekende-servers.ini"));
        std::atomic<bool> nooit = false;
        const OverdrachtResultaat onbekend = Overdracht::TestVerbinding(v, nooit);
        QVERIFY2(onbekend.afloop == Afloop::OnbekendeServer && onbekend.vingerafdruk == server.vingerafdruk, qPrintable(onbekend.melding));
        v.Autoriteiten = server.dir.filePath("sleutel.root");
        // A trust file that cannot be saved leaves the upload good, but the user is told.
        Verbinding zonderOpslag = v;
        zonderOpslag.BekendeServersPad = gebruiker.filePath("geen-map/bekende-servers.ini");
        QVERIFY(TestPaden::SchrijfBestand(gebruiker.filePath("geen-map"), "x"));
        MeldingRecorder recorder;
        QVERIFY(UploadBesturing::Afhandelen(Overdracht::Verstuur(zonderOpslag, {{"hovelink.js", "eerst"}}, {}, nooit), zonderOpslag, recorder) == UploadBesturing::Vervolg::Klaar);
        QVERIFY(recorder.Teksten().value(0).startsWith("Het instellingenbestand kon niet worden opgeslagen:\r\n" + QDir::toNativeSeparators(zonderOpslag.BekendeServersPad)));
        const OverdrachtResultaat vertrouwd = Overdracht::Verstuur(v, {{"hovelink.js", "nieuw"}}, {}, nooit);
        QVERIFY2(vertrouwd.afloop == Afloop::Gelukt, qPrintable(vertrouwd.melding));
        QFile::remove(server.dir.filePath("sleutel"));
        QVERIFY(server.Start()); // self-signed now: a man in the middle
        const OverdrachtResultaat ander = Overdracht::Verstuur(v, {{"hovelink.js", "kwaad"}}, {}, nooit);
        QVERIFY2(ander.afloop == Afloop::GewijzigdeServer && ander.melding.contains(server.vingerafdruk), qPrintable(ander.melding));
        QCOMPARE(TestPaden::LeesBestand(server.Pad("hovelink.js")), "nieuw");
    }

    // A large file on the server is never read whole.
    void grenzen()
    {
        QTemporaryDir gebruiker;
        TestServer server(Soort::Sftp);
        QVERIFY(server.Start());
        QFile groot(server.Pad("000001.png"));
        QVERIFY(groot.open(QIODevice::WriteOnly) && groot.resize(qint64(6) << 30));
        groot.close();
        const Verbinding v = server.Aansluiting(gebruiker.filePath("bekende-servers.ini"));
        QVERIFY(Vertrouw(v, server.vingerafdruk));
        std::atomic<bool> nooit = false;
        QElapsedTimer klok;
        klok.start();
        const OverdrachtResultaat r = Overdracht::Verstuur(v, {{"000001.png", Logo, true}}, {}, nooit);
        QVERIFY2(r.afloop == Afloop::Gelukt && klok.elapsed() < 30000, qPrintable(r.melding));
        QCOMPARE(TestPaden::LeesBestand(server.Pad("000001.png")), Logo);
        QCOMPARE(server.Bestanden(), QStringList{"000001.png"});
    }

    // Filled in by keys; the server's key is asked about; the password kept in the real Secret Service comes back.
    void uploaden_data()
    {
        QTest::addColumn<Soort>("soort");
        QTest::addColumn<QStringList>("meldingen"); // a piece of each message, in order
        QTest::newRow("sftp: host key asked, trusted, remembered") << Soort::Sftp << QStringList{"is nog onbekend"};
        QTest::newRow("sftp: cancel while the server stalls") << Soort::Sftp << QStringList{"is nog onbekend", "geannuleerd"};
        QTest::newRow("ftps: certificate asked, trusted, remembered") << Soort::Ftps << QStringList{"is nog onbekend"};
        QTest::newRow("ftp: asked before each connection") << Soort::Ftp << QStringList{"onversleuteld", "in orde", "onversleuteld"};
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
        // A changed page is replaced, an equal one left; the sign-offs are never touched.
        QVERIFY(TestPaden::SchrijfBestand(server.Pad("afmelden.js"), "oud"));
        QVERIFY(TestPaden::SchrijfBestand(server.Pad("index.html"), SiteBestand("index.html")));
        QVERIFY(TestPaden::SchrijfBestand(server.Pad("afmelddata.php"), "<?php exit; ?>\n{}\n"));
        QStringList rijen;
        for (const QString& naam : Site)
            rijen.append(Rij(naam, SiteBestand(naam).size(), naam == "index.html"));
        rijen << Rij("000001.png", Logo.size()) << Rij("hovelink.js", Script.size());
        {
            DiaUpload dia(Travenza(), "donderdag", "hovelink.js", recorder, opslag);
            dia.show();
            QCOMPARE(prctl(PR_GET_DUMPABLE), 0); // no core dump can hold the password
            QCOMPARE(dia.findChild<QLineEdit*>("txtMap")->text(), TestServer::Map);
            auto* protocol = dia.findChild<QComboBox*>("cmbProtocol");
            protocol->setFocus();
            for (int i = 0; i < int(soort); ++i)
                QTest::keyClick(protocol, Qt::Key_Down);
            QCOMPARE(protocol->currentText(), Protocollen::Naam(server.protocol()));
            QCOMPARE(dia.findChild<QSpinBox*>("txtPoort")->value(), soort == Soort::Sftp ? 22 : 21); // the protocol's own port
            VulIn(dia, server);
            QTest::keyClick(dia.findChild<QCheckBox*>("chkOnthouden"), Qt::Key_Space);
            if (soort == Soort::Ftp)
                QCOMPARE(Klik(dia, "cmdTest"), QStringList());
            QCOMPARE(Klik(dia, "cmdUploaden", annuleren ? &recorder : nullptr), annuleren ? QStringList() : rijen);
            QCOMPARE(recorder.meldingen.size(), meldingen.size());
            for (int i = 0; i < meldingen.size(); ++i)
                QVERIFY2(recorder.meldingen[i].tekst.contains(meldingen[i]), qPrintable(recorder.meldingen[i].tekst));
            QVERIFY(recorder.meldingen[0].tekst.contains(server.vingerafdruk) || soort == Soort::Ftp);
        }
        if (!annuleren)
            for (const QString& naam : Site)
                QCOMPARE(TestPaden::LeesBestand(server.Pad(naam)), SiteBestand(naam));
        QCOMPARE(TestPaden::LeesBestand(server.Pad("afmelddata.php")), "<?php exit; ?>\n{}\n");
        if (annuleren)
            return;
        // Reopened: the password comes back; FTP from Upload.ini is asked about again, and Nee sends nothing.
        recorder.meldingen.clear();
        recorder.ZetVolgendAntwoord(Meldingen::Antwoord::Nee);
        QFile::remove(server.Pad("hovelink.js"));
        DiaUpload dia(Travenza(), "donderdag", "hovelink.js", recorder, opslag);
        dia.show();
        QCOMPARE(dia.findChild<QLineEdit*>("txtWachtwoord")->text(), TestServer::Wachtwoord);
        const QStringList tweede = Klik(dia);
        if (soort == Soort::Ftp) {
            QCOMPARE(recorder.Teksten(), QStringList{"FTP verstuurt uw wachtwoord onversleuteld. Toch gebruiken?"});
            QVERIFY(!QFile::exists(server.Pad("hovelink.js")));
        } else {
            QStringList stondAl;
            for (const QString& naam : Site)
                stondAl.append(Rij(naam, SiteBestand(naam).size(), true));
            QCOMPARE(tweede.mid(0, 6), stondAl << Rij("000001.png", Logo.size(), true));
            QCOMPARE(recorder.Teksten(), QStringList());
        }
    }

    // A changed key: the warning shows the new fingerprint; forgetting the old key takes two Ja's, then the first-use question.
    void gewijzigdeSleutel()
    {
        TestServer server(Soort::Sftp);
        QVERIFY(server.Start());
        QVERIFY(TestPaden::SchrijfBestand(Travenza() + "/Upload.ini", server.UploadIni()));
        QVERIFY(Vertrouw(server.Aansluiting(BekendeServers::StandaardPad()), server.vingerafdruk));
        QFile::remove(server.dir.filePath("sleutel"));
        QVERIFY(server.Start());
        MeldingRecorder recorder;
        KeychainOpslag opslag;
        DiaUpload dia(Travenza(), "donderdag", "hovelink.js", recorder, opslag);
        dia.show();
        Typ(dia, "txtWachtwoord", TestServer::Wachtwoord);
        for (const auto antwoord : {Meldingen::Antwoord::Ja, Meldingen::Antwoord::Nee})
            recorder.ZetVolgendAntwoord(antwoord);
        QCOMPARE(Klik(dia), QStringList());
        QVERIFY(recorder.meldingen.size() == 2 && recorder.meldingen[0].tekst.contains(server.vingerafdruk));
        QVERIFY(recorder.meldingen[0].tekst.contains(QDir::toNativeSeparators(BekendeServers::StandaardPad())));
        recorder.meldingen.clear();
        QCOMPARE(Klik(dia).size(), Site.size() + 2); // Ja, Ja, and Ja to the new key
        QCOMPARE(recorder.meldingen.size(), 3);
        QVERIFY(recorder.meldingen[2].tekst.contains("is nog onbekend"));
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
