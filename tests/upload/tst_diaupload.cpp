#include "app/frmstart.h"
#include "app/opstarten.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"
#include "testserver.h"
#include "upload/diaupload.h"
#include "upload/keychainopslag.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using Soort = TestServer::Soort;
using Antwoord = Meldingen::Antwoord;
Q_DECLARE_METATYPE(Soort)
Q_DECLARE_METATYPE(QList<Antwoord>)

namespace {

const QByteArray Script(12345, 'x');
const QByteArray Logo = "\xFF\xD8\xFF\xE0 logo";
const QString ScriptRij = QStringLiteral("hovelink.js  (12.345 bytes)  gecontroleerd");
const QString LogoRij = QStringLiteral("000001.jpg  (9 bytes)  gecontroleerd");
const QString LogoAlRij = QStringLiteral("000001.jpg  (9 bytes)  stond al op de server, gecontroleerd");

template <typename T> T* Control(const QWidget& venster, const char* naam)
{
    return venster.findChild<T*>(QLatin1String(naam));
}

void Typ(QWidget* veld, const QString& tekst)
{
    veld->setFocus();
    QTest::keyClick(veld, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(veld, tekst);
}

} // namespace

class TstDiaUpload : public QObject {
    Q_OBJECT
    QTemporaryDir m_twk; // Tafelwerk's data folder; Travenza holds one play moment
    QString Travenza() const { return m_twk.filePath(QStringLiteral("Travenza")); }

    // Waits until the transfer on the worker thread is over.
    static bool Klaar(const DiaUpload& dia)
    {
        return QTest::qWaitFor([&] { return Control<QPushButton>(dia, "cmdSluiten")->isEnabled(); }, 60000);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QString moment = Travenza() + QStringLiteral("/donderdag/");
        QVERIFY(TestPaden::SchrijfBestand(moment + "hovelink.js", Script));
        QVERIFY(TestPaden::SchrijfBestand(moment + "000001.jpg", Logo));
        QVERIFY(TestPaden::SchrijfBestand(moment + "IniKop.ini", "logofile=000001.jpg\r\nlogojn=1\r\n"));
    }

    void uploaden_data()
    {
        QTest::addColumn<Soort>("soort");
        QTest::addColumn<QStringList>("opties");
        QTest::addColumn<int>("protocolOmlaag"); // Down presses in the protocol box
        QTest::addColumn<QString>("wachtwoord");
        QTest::addColumn<QList<Antwoord>>("antwoorden");
        QTest::addColumn<bool>("annuleren");
        QTest::addColumn<QStringList>("meldingen"); // a piece of each message, in order
        QTest::addColumn<QStringList>("rijen");
        QTest::addColumn<bool>("nogmaals"); // reopen: settings and password come back

        const QString goed = TestServer::Wachtwoord;
        QTest::newRow("sftp: host key asked, trusted, remembered")
            << Soort::Sftp << QStringList() << 0 << goed << QList<Antwoord>{Antwoord::Ja} << false
            << QStringList{"is nog onbekend"} << QStringList{ScriptRij, LogoRij} << true;
        QTest::newRow("sftp: host key not trusted") << Soort::Sftp << QStringList() << 0 << goed
                                                    << QList<Antwoord>{Antwoord::Nee} << false
                                                    << QStringList{"is nog onbekend"} << QStringList() << false;
        QTest::newRow("sftp: wrong password") << Soort::Sftp << QStringList() << 0 << "Verkeerd"
                                              << QList<Antwoord>{Antwoord::Ja} << false
                                              << QStringList{"is nog onbekend", "weigert de gebruikersnaam"}
                                              << QStringList() << false;
        QTest::newRow("sftp: cancel while the server stalls")
            << Soort::Sftp << TestServer::PauzeNa(4000) << 0 << goed << QList<Antwoord>{Antwoord::Ja} << true
            << QStringList{"is nog onbekend", "geannuleerd"} << QStringList() << false;
        QTest::newRow("ftps: certificate asked, pinned, remembered")
            << Soort::Ftps << QStringList() << 1 << goed << QList<Antwoord>{Antwoord::Ja} << false
            << QStringList{"is nog onbekend"} << QStringList{ScriptRij, LogoRij} << true;
        QTest::newRow("ftp: used after the warning")
            << Soort::Ftp << QStringList() << 2 << goed << QList<Antwoord>{Antwoord::Ja} << false
            << QStringList{"onversleuteld"} << QStringList{ScriptRij, LogoRij} << false;
    }

    void uploaden()
    {
        QFETCH(Soort, soort);
        QFETCH(QStringList, opties);
        QFETCH(int, protocolOmlaag);
        QFETCH(QString, wachtwoord);
        QFETCH(QList<Antwoord>, antwoorden);
        QFETCH(bool, annuleren);
        QFETCH(QStringList, meldingen);
        QFETCH(QStringList, rijen);
        QFETCH(bool, nogmaals);

        TestServer server(soort);
        QVERIFY(server.Start(opties));
        QFile::remove(Travenza() + QStringLiteral("/Upload.ini"));
        MeldingRecorder recorder;
        for (Antwoord antwoord : antwoorden)
            recorder.ZetVolgendAntwoord(antwoord);
        KeychainOpslag opslag;
        {
            DiaUpload dia(Travenza(), QStringLiteral("donderdag"), QStringLiteral("hovelink.js"), recorder, opslag);
            dia.show();
            QCOMPARE(Control<QLineEdit>(dia, "txtMap")->text(), TestServer::Map);
            auto* protocol = Control<QComboBox>(dia, "cmbProtocol");
            protocol->setFocus();
            for (int i = 0; i < protocolOmlaag; ++i)
                QTest::keyClick(protocol, Qt::Key_Down);
            QCOMPARE(protocol->currentText(), server.Protocol());
            Typ(Control<QLineEdit>(dia, "txtServer"), QStringLiteral("127.0.0.1"));
            Typ(Control<QSpinBox>(dia, "txtPoort"), QString::number(server.Poort()));
            Typ(Control<QLineEdit>(dia, "txtGebruiker"), TestServer::Gebruiker);
            Typ(Control<QLineEdit>(dia, "txtWachtwoord"), wachtwoord);
            Control<QCheckBox>(dia, "chkOnthouden")->setFocus();
            QTest::keyClick(Control<QCheckBox>(dia, "chkOnthouden"), Qt::Key_Space);
            QTest::mouseClick(Control<QPushButton>(dia, "cmdUploaden"), Qt::LeftButton);
            if (annuleren) {
                // Once the host key is trusted the upload itself runs, and stalls at the server.
                auto* knop = Control<QPushButton>(dia, "cmdAnnuleren");
                QVERIFY(QTest::qWaitFor([&] { return recorder.meldingen.size() == 1 && knop->isEnabled(); }, 60000));
                QVERIFY(!Control<QPushButton>(dia, "cmdSluiten")->isEnabled());
                QTest::mouseClick(knop, Qt::LeftButton);
            }
            QVERIFY(Klaar(dia));
            QCOMPARE(recorder.meldingen.size(), meldingen.size());
            for (int i = 0; i < meldingen.size(); ++i)
                QVERIFY2(recorder.meldingen[i].tekst.contains(meldingen[i]), qPrintable(recorder.meldingen[i].tekst));
            if (!rijen.isEmpty() || meldingen.first().contains(u"onbekend"))
                QVERIFY(recorder.meldingen.first().tekst.contains(server.Vingerafdruk()) || soort == Soort::Ftp);
            auto* lijst = Control<QListWidget>(dia, "lstResultaat");
            QStringList gezien;
            for (int i = 0; i < lijst->count(); ++i)
                gezien.append(lijst->item(i)->text());
            QCOMPARE(gezien, rijen);
            QCOMPARE(TestPaden::LeesBestand(server.Pad(QStringLiteral("hovelink.js"))),
                     rijen.isEmpty() ? QByteArray() : Script);
            QCOMPARE(server.Bestanden().filter(QRegularExpression(QStringLiteral("^\\."))), QStringList());
        }
        if (!nogmaals)
            return;
        recorder.meldingen.clear();
        DiaUpload dia(Travenza(), QStringLiteral("donderdag"), QStringLiteral("hovelink.js"), recorder, opslag);
        dia.show();
        QCOMPARE(Control<QLineEdit>(dia, "txtWachtwoord")->text(), TestServer::Wachtwoord);
        QCOMPARE(Control<QSpinBox>(dia, "txtPoort")->value(), server.Poort());
        QTest::mouseClick(Control<QPushButton>(dia, "cmdUploaden"), Qt::LeftButton);
        QVERIFY(Klaar(dia));
        QCOMPARE(recorder.Teksten(), QStringList());
        QCOMPARE(Control<QListWidget>(dia, "lstResultaat")->item(1)->text(), LogoAlRij);
    }

    // "Uploaden..." on the start window opens the dialog for the moment chosen in the list.
    void startvenster_data()
    {
        QTest::addColumn<bool>("kiezen");
        QTest::addColumn<QStringList>("geopend");
        QTest::addColumn<QStringList>("meldingen");
        QTest::newRow("nothing chosen") << false << QStringList()
                                        << QStringList{"Kies onder 'Bestaande speeldagen:' de speeldag die u wilt uploaden."};
        QTest::newRow("donderdag chosen") << true << QStringList{"donderdag"} << QStringList();
    }

    void startvenster()
    {
        QFETCH(bool, kiezen);
        QFETCH(QStringList, geopend);
        QFETCH(QStringList, meldingen);
        Werkruimte werkruimte;
        werkruimte.MapTwk = m_twk.path();
        Opstarten::Init(werkruimte);
        MeldingRecorder recorder;
        FrmStart start(werkruimte, recorder);
        QStringList gezien;
        start.ZetUploadVenster([&](const QString& speeldag) { gezien.append(speeldag); });
        start.Laden();
        start.show();
        auto* lijst = Control<QListWidget>(start, "lstHulp");
        if (kiezen)
            QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, lijst->visualItemRect(lijst->item(0)).center());
        QTest::mouseClick(Control<QPushButton>(start, "cmdUploaden"), Qt::LeftButton);
        QCOMPARE(gezien, geopend);
        QCOMPARE(recorder.Teksten(), meldingen);
    }

    // Whatever was typed, stored or answered: no file of the program or of the user holds
    // the password.
    void cleanupTestCase()
    {
        for (const QString& map : {Travenza(), QDir::homePath()}) {
            QDirIterator it(map, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString pad = it.next();
                QVERIFY2(!TestPaden::LeesBestand(pad).contains(TestServer::Wachtwoord.toUtf8()), qPrintable(pad));
            }
        }
        QVERIFY(QFile::exists(Travenza() + QStringLiteral("/Upload.ini")));
    }
};

QTEST_MAIN(TstDiaUpload)
#include "tst_diaupload.moc"
