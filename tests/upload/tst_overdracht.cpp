#include "testserver.h"
#include "upload/bekendeservers.h"
#include "upload/overdracht.h"

#include <QTemporaryDir>
#include <QTest>

#include "support/testpaden.h"

using Uitkomst = OverdrachtResultaat::Uitkomst;
using Soort = TestServer::Soort;
Q_DECLARE_METATYPE(Soort)
Q_DECLARE_METATYPE(Uitkomst)
Q_DECLARE_METATYPE(Verbinding)

namespace {

// Large enough that a transfer is still running when the server drops or the user cancels.
QByteArray NieuwScript()
{
    QByteArray script;
    for (int i = 0; script.size() < 300000; ++i)
        script += "Leden[" + QByteArray::number(i) + "] = 'Lid " + QByteArray::number(i * 7919) + "';\r\n";
    return script;
}

const QByteArray Logo = "\xFF\xD8\xFF\xE0 logo van de club";
const QString LogoNaam = QStringLiteral("000001.jpg");

} // namespace

class TstOverdracht : public QObject {
    Q_OBJECT
private slots:
    void ontbrekendVeld_data()
    {
        QTest::addColumn<Verbinding>("verbinding");
        QTest::addColumn<QString>("melding"); // empty: nothing missing
        QTest::newRow("all filled") << Verbinding{"SFTP", "s", 22, "g", "w", "/", ""} << "";
        QTest::newRow("server first") << Verbinding{"SFTP", "", 22, "", "", "/", ""} << "Vul de naam van de server in.";
        QTest::newRow("user name") << Verbinding{"SFTP", "s", 22, "", "", "/", ""} << "Vul de gebruikersnaam in.";
        QTest::newRow("password") << Verbinding{"SFTP", "s", 22, "g", "", "/", ""} << "Vul het wachtwoord in.";
    }

    void ontbrekendVeld()
    {
        QFETCH(Verbinding, verbinding);
        QFETCH(QString, melding);
        const auto ontbreekt = Overdracht::OntbrekendVeld(verbinding);
        QCOMPARE(ontbreekt ? ontbreekt->second : QString(), melding);
    }

    void verstuur_data()
    {
        QTest::addColumn<Soort>("soort");
        QTest::addColumn<QStringList>("opties");
        QTest::addColumn<QString>("map");
        QTest::addColumn<bool>("nieuweSleutel");
        QTest::addColumn<QString>("wachtwoord");
        QTest::addColumn<QByteArray>("oud");
        QTest::addColumn<QByteArray>("logoOpServer");
        QTest::addColumn<bool>("annuleren");
        QTest::addColumn<Uitkomst>("uitkomst");
        QTest::addColumn<QString>("melding");
        QTest::addColumn<bool>("logoVerstuurd");

        const QString goed = TestServer::Wachtwoord;
        const QString map = TestServer::Map;
        const QStringList geen;
        const QByteArray leeg;
        QTest::newRow("sftp first upload") << Soort::Sftp << geen << map << false << goed << leeg << leeg << false
                                           << Uitkomst::Gelukt << "" << true;
        QTest::newRow("sftp overwrite, same logo not sent")
            << Soort::Sftp << geen << map << false << goed << QByteArray("oud") << Logo << false << Uitkomst::Gelukt
            << "" << false;
        QTest::newRow("sftp logo that differs is sent")
            << Soort::Sftp << geen << map << false << goed << QByteArray("oud") << QByteArray("ander logo") << false
            << Uitkomst::Gelukt << "" << true;
        QTest::newRow("sftp wrong password") << Soort::Sftp << geen << map << false << "fout" << QByteArray("oud")
                                             << leeg << false << Uitkomst::Fout << "weigert" << false;
        QTest::newRow("sftp changed host key") << Soort::Sftp << geen << map << true << goed << QByteArray("oud")
                                               << leeg << false << Uitkomst::GewijzigdeServer << "andere sleutel"
                                               << false;
        QTest::newRow("sftp server drops midway")
            << Soort::Sftp << QStringList{"--afbreken-na", "50000"} << map << false << goed << QByteArray("oud")
            << leeg << false << Uitkomst::Fout << "verbroken" << false;
        QTest::newRow("sftp cancel") << Soort::Sftp << geen << map << false << goed << QByteArray("oud") << leeg
                                     << true << Uitkomst::Geannuleerd << "geannuleerd" << false;
        QTest::newRow("sftp no rights") << Soort::Sftp << QStringList{"--alleen-lezen"} << map << false << goed
                                        << QByteArray("oud") << leeg << false << Uitkomst::Fout << "'0777'" << false;
        QTest::newRow("sftp folder missing") << Soort::Sftp << geen << "/public_html/afm/vrijdag" << false << goed << leeg
                                             << leeg << false << Uitkomst::Fout << "bestaat niet" << false;
        QTest::newRow("ftps first upload") << Soort::Ftps << geen << map << false << goed << leeg << leeg << false
                                           << Uitkomst::Gelukt << "" << true;
        QTest::newRow("ftps overwrite, same logo not sent")
            << Soort::Ftps << geen << map << false << goed << QByteArray("oud") << Logo << false << Uitkomst::Gelukt
            << "" << false;
        QTest::newRow("ftps changed certificate") << Soort::Ftps << geen << map << true << goed << QByteArray("oud")
                                                  << leeg << false << Uitkomst::GewijzigdeServer
                                                  << "andere sleutel" << false;
        QTest::newRow("ftps wrong password") << Soort::Ftps << geen << map << false << "fout" << QByteArray("oud")
                                             << leeg << false << Uitkomst::Fout << "weigert" << false;
        QTest::newRow("ftps cancel") << Soort::Ftps << geen << map << false << goed << QByteArray("oud") << leeg
                                     << true << Uitkomst::Geannuleerd << "geannuleerd" << false;
        QTest::newRow("ftps no rights") << Soort::Ftps << QStringList{"--alleen-lezen"} << map << false << goed
                                        << QByteArray("oud") << leeg << false << Uitkomst::Fout << "'0777'" << false;
        QTest::newRow("ftp overwrite") << Soort::Ftp << geen << map << false << goed << QByteArray("oud") << leeg
                                       << false << Uitkomst::Gelukt << "" << true;
    }

    void verstuur()
    {
        QFETCH(Soort, soort);
        QFETCH(QStringList, opties);
        QFETCH(QString, map);
        QFETCH(bool, nieuweSleutel);
        QFETCH(QString, wachtwoord);
        QFETCH(QByteArray, oud);
        QFETCH(QByteArray, logoOpServer);
        QFETCH(bool, annuleren);
        QFETCH(Uitkomst, uitkomst);
        QFETCH(QString, melding);
        QFETCH(bool, logoVerstuurd);

        QTemporaryDir gebruiker;
        TestServer server(soort);
        QVERIFY(server.Start(opties));
        if (!oud.isEmpty())
            QVERIFY(TestPaden::SchrijfBestand(server.Pad(QStringLiteral("hovelink.js")), oud));
        if (!logoOpServer.isEmpty())
            QVERIFY(TestPaden::SchrijfBestand(server.Pad(LogoNaam), logoOpServer));
        const QStringList vooraf = server.Bestanden();

        Verbinding v{server.Protocol(), QStringLiteral("127.0.0.1"), server.Poort(), TestServer::Gebruiker,
                     TestServer::Wachtwoord, map, gebruiker.filePath(QStringLiteral("bekende-servers.ini"))};
        if (soort != Soort::Ftp) {
            // Unknown at first: the fingerprint to ask about is the server's own; once stored, trusted.
            const OverdrachtResultaat eerst = Overdracht::TestVerbinding(v);
            QVERIFY2(eerst.uitkomst == Uitkomst::OnbekendeServer, qPrintable(eerst.melding));
            QCOMPARE(eerst.vingerafdruk, server.Vingerafdruk());
            QVERIFY(eerst.melding.contains(server.Vingerafdruk()));
            QVERIFY(BekendeServers::Bewaar(v.BekendeServersPad,
                                           BekendeServers::Sleutel(v.Protocol, v.Server, v.Poort), eerst.teBewaren)
                        .ok);
        }
        if (nieuweSleutel) {
            server.NieuweSleutel();
            QVERIFY(server.Start(opties));
        }
        v.Wachtwoord = wachtwoord;

        const QByteArray script = NieuwScript();
        std::atomic<bool> stop = false;
        qint64 laatste = -1;
        const OverdrachtResultaat r = Overdracht::Verstuur(
            v, {{QStringLiteral("hovelink.js"), script}, {LogoNaam, Logo, true}},
            [&](qint64 gedaan, qint64 totaal) {
                QVERIFY(gedaan <= totaal);
                laatste = gedaan;
                stop = annuleren;
            },
            stop);

        QVERIFY2(r.uitkomst == uitkomst && r.melding.contains(melding), qPrintable(r.melding));
        const bool gelukt = uitkomst == Uitkomst::Gelukt;
        QCOMPARE(TestPaden::LeesBestand(server.Pad(QStringLiteral("hovelink.js"))), gelukt ? script : oud);
        QCOMPARE(TestPaden::LeesBestand(server.Pad(LogoNaam)), gelukt ? Logo : logoOpServer);
        if (gelukt) {
            QCOMPARE(laatste, script.size() + Logo.size());
            QCOMPARE(r.bestanden.size(), 2);
            QCOMPARE(r.bestanden[0].Grootte, script.size());
            QCOMPARE(r.bestanden[1].Verstuurd, logoVerstuurd);
            QCOMPARE(server.Bestanden(), QStringList({LogoNaam, QStringLiteral("hovelink.js")}));
        } else {
            QCOMPARE(server.Bestanden(), vooraf); // no temporary file left
        }
    }
};

QTEST_GUILESS_MAIN(TstOverdracht)
#include "tst_overdracht.moc"
