#include "moment/frmvoorbeeld.h"
#include "script/maakscript.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"
#include "testserver.h"
#include "upload/afmelddata.h"
#include "upload/afmeldingenvenster.h"
#include "upload/diaupload.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

// A club of four members in two groups, as the sign-off window would hand it to the script.
ScriptInvoer Club()
{
    return {.txtClubnaam = "BC De Troef", .cmbSpeeldag = "donderdag", .txtContactPers = "Piet Bakker", .txtEindtijd = "15:30", .lstDagen = {"donderdag 4 september 2025 20250904", "donderdag 11 september 2025 20250911"}, .txtB1 = {"naam1", "partner", "inval1", "inval3"}, .txtB2 = {"2", "2", "3", "2,3"}, .kop = {.kopvakbr = 600, .kopvakho = 80, .koptekst = "BC De Troef", .kopfont = "Arial", .kophoog = 20, .kopback = 0x00FFFF, .logofile = "000001.png", .logomarge = 5, .logojn = 1}, .leden = {.LidNaam = {"", "Zo\u00EB M\u00FCller", "Ren\u00E9 de Wit", "Anna Bakker", "Bram 't Hart"}, .LidNummer = {"", "101", "102", "103", "104"}, .LidGroep = {"", "2", "2", "3", "2"}}};
}

const QString Nu = "2025-09-01T10:00:00+02:00";

// The browser's part (tests/upload/afmeldsite.js) in real Chromium; what it printed.
QJsonObject Browser(const QStringList& argumenten)
{
    QProcess node;
    node.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    node.start("node", QStringList{HOVELINK_AFMELDSITE} + argumenten);
    if (!node.waitForFinished(180000) || node.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(node.readAllStandardOutput()).object();
}

// A line of afmelddata.php as afmelden.php writes it.
QByteArray Regel(const QStringList& dagen, const QStringList& namen, const QString& opmerking, const QString& ontvangen)
{
    QJsonArray vakken;
    for (int k = 0; k < 4; ++k)
        vakken.append(QJsonObject{{"naam", namen.value(k)}, {"code", namen.value(k).isEmpty() ? "" : "000101000000000002"}});
    const QJsonObject regel{{"moment", "donderdag"}, {"dagen", QJsonArray::fromStringList(dagen)}, {"vakken", vakken}, {"opmerking", opmerking}, {"email", ""}, {"ontvangen", ontvangen}};
    return QJsonDocument(regel).toJson(QJsonDocument::Compact) + '\n';
}

QStringList Tekst(const AfmeldData::Rij& r)
{
    return {r.speeldag.toString("yyyyMMdd"), r.namen[0], r.namen[1], r.namen[2], r.namen[3], r.opmerking, AfmeldData::Ontvangen(r.ontvangen)};
}

// The window's rows as the user reads them: a play date, then its members indented.
QStringList Rijen(const QTreeWidget* boom)
{
    QStringList uit;
    for (int i = 0; i < boom->topLevelItemCount(); ++i) {
        uit.append(boom->topLevelItem(i)->text(0));
        for (int j = 0; j < boom->topLevelItem(i)->childCount(); ++j) {
            QStringList velden;
            for (int k = 0; k < boom->columnCount(); ++k)
                velden.append(boom->topLevelItem(i)->child(j)->text(k));
            uit.append("  " + velden.join(" | "));
        }
    }
    return uit;
}

class GeenKluis : public WachtwoordOpslag {
public:
    std::optional<QString> Lees(const QString&) override { return std::nullopt; }
    Uitkomst<> Bewaar(const QString&, const QString&) override { return Uitkomst<>::Fout({}); }
    void Wis(const QString&) override {}
};

} // namespace

// Sign-offs back on the desktop: reading afmelddata.php, the site preview, and the round trip browser -> PHP -> afmelddata.php -> "Afmeldingen ophalen" -> the window.
class TstAfmeldingen : public QObject {
    Q_OBJECT
    QTemporaryDir m_thuis; // home and temporary folder of this test: trusted servers, the spreadsheet
private slots:
    void initTestCase()
    {
        qputenv("HOME", m_thuis.path().toUtf8());
        qputenv("TMPDIR", m_thuis.path().toUtf8());
        QStandardPaths::setTestModeEnabled(true);
    }

    // Every line that is not a whole sign-off is skipped and counted; the rows come per date, then name, then time.
    void lezen_data()
    {
        QTest::addColumn<QByteArray>("bestand");
        QTest::addColumn<QList<QStringList>>("rijen");
        QTest::addColumn<int>("beschadigd");
        const QString zoe = "Zo\u00EB", rene = "Ren\u00E9", t1 = "2025-09-01T10:00:00+02:00", t2 = "2025-09-02T08:30:00Z";
        const QByteArray twee = Regel({"20250911", "20250904", "20250911"}, {zoe, "Bram", "", "Anna"}, "ziek; \"echt\"", t1);
        QTest::newRow("by date, then name, then time; a date twice counted once")
            << "<?php exit; ?>\n" + twee + Regel({"20250904"}, {rene}, "", t2) + Regel({"20250904"}, {rene}, "later", t1)
            << QList<QStringList>{{"20250904", rene, "", "", "", "later", "01-09-2025 10:00"}, {"20250904", rene, "", "", "", "", "02-09-2025 08:30"}, {"20250904", zoe, "Bram", "", "Anna", "ziek; \"echt\"", "01-09-2025 10:00"}, {"20250911", zoe, "Bram", "", "Anna", "ziek; \"echt\"", "01-09-2025 10:00"}}
            << 0;
        QTest::newRow("CR LF, blank lines and no first line")
            << "\r\n" + Regel({"20250904"}, {zoe}, "", t1).replace("\n", "\r\n") + "  \n\n"
            << QList<QStringList>{{"20250904", zoe, "", "", "", "", "01-09-2025 10:00"}} << 0;
        QList<QByteArray> kapot{twee.left(40), "[]", "hallo", "<?php exit; ?>", Regel({"20250231"}, {zoe}, "", t1), Regel({}, {zoe}, "", t1),
                                Regel({"2025094"}, {zoe}, "", t1), Regel({"20250904"}, {" "}, "", t1), Regel({"20250904"}, {zoe}, "", "gisteren"),
                                QByteArray(twee).replace("\"dagen\":[\"20250911\"", "\"dagen\":[20250911"),
                                QByteArray(twee).replace(",{\"code\":\"\",\"naam\":\"\"}", ""), QByteArray(twee).replace("\"opmerking\":\"ziek", "\"opmerking\":[\"ziek\"]")};
        for (QByteArray& regel : kapot)
            regel = regel.trimmed() + '\n';
        QTest::newRow("damaged lines") << kapot.join() + Regel({"20250904"}, {zoe}, "", t1) << QList<QStringList>{{"20250904", zoe, "", "", "", "", "01-09-2025 10:00"}} << int(kapot.size());
        QTest::newRow("empty file") << QByteArray() << QList<QStringList>() << 0;
    }
    void lezen()
    {
        QFETCH(QByteArray, bestand);
        QFETCH(QList<QStringList>, rijen);
        QFETCH(int, beschadigd);
        const AfmeldData::Afmeldingen gelezen = AfmeldData::Lees(bestand);
        QList<QStringList> gezien;
        for (const AfmeldData::Rij& rij : gelezen.rijen)
            gezien.append(Tekst(rij));
        QCOMPARE(gezien, rijen);
        QCOMPARE(gelezen.beschadigd, beschadigd);
    }

    // "Open in de browser": a fresh copy of the site with this moment's hovelink.js and logo.
    void voorbeeld()
    {
        QTemporaryDir moment;
        QVERIFY(TestPaden::SchrijfBestand(moment.filePath("000001.png"), Png(40, 20)));
        const QString xdg = m_thuis.filePath("bin/xdg-open"); // a stand-in opener writes down what it was given
        QVERIFY(TestPaden::SchrijfBestand(xdg, "#!/bin/sh\necho \"$1\" >\"$0.arg\"\n") && QFile::setPermissions(xdg, QFile::ReadOwner | QFile::ExeOwner));
        qputenv("PATH", m_thuis.filePath("bin").toUtf8() + ':' + qgetenv("PATH"));
        SiteVoorbeeld voorbeeld;
        voorbeeld.invoer = Club();
        voorbeeld.invoer.kop = KopInstellingen(); // the window hands the header over itself
        MeldingRecorder geenVensters;             // a message would fail the test, not block it
        FrmVoorbeeld venster(voorbeeld, Club().kop, moment.path(), nullptr, &geenVensters);
        venster.show();
        QTest::mouseClick(venster.findChild<QPushButton*>("cmdBrowser"), Qt::LeftButton);
        QTRY_VERIFY(QFile::exists(xdg + ".arg"));
        const QDir map = QFileInfo(QString::fromLocal8Bit(TestPaden::LeesBestand(xdg + ".arg").trimmed())).dir();
        QCOMPARE(map.entryList(QDir::Files | QDir::Hidden, QDir::Name), (QStringList{".htaccess", "000001.png", "afmelden.css", "afmelden.js", "afmelden.php", "hovelink.js", "index.html", "voorbeeld.html"}));
        QCOMPARE(TestPaden::LeesBestand(map.filePath("hovelink.js")), Script::MaakScriptBestand(Club()));
    }

    // Uploaded by the dialog, signed off in Chromium through PHP, fetched over SFTP into the window, saved as CSV.
    void rondgang()
    {
        const QString travenza = m_thuis.filePath("Travenza");
        QVERIFY(TestPaden::SchrijfBestand(travenza + "/donderdag/hovelink.js", Script::MaakScriptBestand(Club())));
        QVERIFY(TestPaden::SchrijfBestand(travenza + "/donderdag/000001.png", Png(40, 20)));
        TestServer server(TestServer::Soort::Sftp);
        QVERIFY(server.Start());
        QVERIFY(TestPaden::SchrijfBestand(travenza + "/Upload.ini", server.UploadIni()));
        MeldingRecorder recorder; // answers Ja: the server's key is trusted
        GeenKluis kluis;
        DiaUpload dia(travenza, "donderdag", "hovelink.js", recorder, kluis);
        dia.show();
        Typ(dia, "txtWachtwoord", TestServer::Wachtwoord);
        QCOMPARE(Klik(dia, "cmdOphalen"), QStringList());
        QCOMPARE(recorder.Teksten().value(1), "Er zijn nog geen afmeldingen ontvangen: de afmeldsite maakt het bestand 'afmelddata.php' in de map '/public_html/afm/donderdag' bij de eerste afmelding.");
        QCOMPARE(Klik(dia).size(), 7);

        const QString keuzes = R"([{"vakken":["René de Wit","Bram 't Hart","Anna Bakker",""],"dagen":["20250904","20250911"],"opmerking":"Op vakantie; \"echt\" weg"},
                                   {"vakken":["Zoë Müller"],"dagen":["20250904"],"opmerking":"=1+1"}])";
        QCOMPARE(Browser({server.Pad({}), Nu, keuzes})["meldingen"].toVariant().toStringList(), QStringList(2, "Uw afmelding is ontvangen."));
        QFile data(server.Pad("afmelddata.php"));
        QVERIFY(data.open(QIODevice::Append) && data.write("{\"moment\":\"donderdag\",\"dagen\":[\"2025\n") > 0);
        data.close();
        const QByteArray opServer = TestPaden::LeesBestand(server.Pad("afmelddata.php"));

        recorder.meldingen.clear();
        QCOMPARE(Klik(dia, "cmdOphalen"), QStringList());
        auto* venster = dia.findChild<AfmeldingenVenster*>();
        QVERIFY(venster && venster->isVisible());
        QCOMPARE(venster->windowTitle(), "Afmeldingen voor donderdag");
        const QString eerst = "  Ren\u00E9 de Wit | Bram 't Hart | Anna Bakker |  | Op vakantie; \"echt\" weg | 01-09-2025 10:00";
        QCOMPARE(Rijen(venster->findChild<QTreeWidget*>("lstAfmeldingen")),
                 (QStringList{"donderdag 4 september 2025", eerst, "  Zo\u00EB M\u00FCller |  |  |  | =1+1 | 01-09-2025 10:00", "donderdag 11 september 2025", eerst}));
        QCOMPARE(venster->findChild<QLabel*>("lblBeschadigd")->text(), "1 regel kon niet worden gelezen en is overgeslagen.");

        // Saved through the real save dialog, the name typed in.
        const QString csv = m_thuis.filePath("afmeldingen.csv");
        QTimer wachten;
        connect(&wachten, &QTimer::timeout, this, [&] {
            auto* dialoog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialoog || !dialoog->isVisible())
                return;
            wachten.stop();
            // Pasted whole: typed letter by letter, "/tmp" and the folders after it would be selected
            // in the dialog's list on the way, and Save would open a folder instead.
            QGuiApplication::clipboard()->setText(csv);
            QTest::keyClick(dialoog->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_V, Qt::ControlModifier);
            // What its Save button does; Qt's own file dialog takes no click on it offscreen.
            QMetaObject::invokeMethod(dialoog, "accept");
        });
        wachten.start(50);
        QTest::mouseClick(venster->findChild<QPushButton*>("cmdCsv"), Qt::LeftButton);
        const QByteArray rij = ";Ren\xC3\xA9 de Wit;Bram 't Hart;Anna Bakker;;\"Op vakantie; \"\"echt\"\" weg\";01-09-2025 10:00\r\n";
        QCOMPARE(TestPaden::LeesBestand(csv), "\xEF\xBB\xBFSpeeldag;Naam;Partner;Invaller voor mij;Invaller voor mijn partner;Opmerking;Ontvangen\r\n"
                                              "04-09-2025" +
                                                  rij + "04-09-2025;Zo\xC3\xAB M\xC3\xBCller;;;;'=1+1;01-09-2025 10:00\r\n11-09-2025" + rij);
        QCOMPARE(recorder.Teksten(), QStringList());

        // Uploading again leaves the sign-offs as they are.
        venster->close();
        QCOMPARE(Klik(dia).size(), 7);
        QCOMPARE(TestPaden::LeesBestand(server.Pad("afmelddata.php")), opServer);
    }
};

QTEST_MAIN(TstAfmeldingen)
#include "tst_afmeldingen.moc"
