#include "app/frmstart.h"
#include "app/helpvensters.h"
#include "app/opstarten.h"
#include "moment/afmeldhelp.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A Tafelwerk folder with Travenza, and the start window loaded on it.
struct Opstelling {
    QTemporaryDir dir;
    Werkruimte werkruimte;
    MeldingRecorder meldingen;
    std::unique_ptr<FrmStart> venster;

    // `bestanden`: files made under Travenza before the window loads.
    explicit Opstelling(const QByteArray& kwintel = {}, const QStringList& bestanden = {})
    {
        werkruimte.MapTwk = dir.path();
        Opstarten::Init(werkruimte);
        if (!kwintel.isEmpty())
            TestPaden::SchrijfBestand(Kwintel(), kwintel);
        for (const QString& bestand : bestanden)
            TestPaden::SchrijfBestand(werkruimte.MapProgramma + u'/' + bestand, "x");
        venster = std::make_unique<FrmStart>(werkruimte, meldingen);
        venster->Laden();
    }
    QString Kwintel() const { return werkruimte.MapProgramma + "/Kwintel.ini"; }
    template <typename T> T* Control(const char* naam) const
    {
        return venster->findChild<T*>(QLatin1String(naam));
    }
    QStringList Lijst() const
    {
        QStringList uit;
        auto* lijst = Control<QListWidget>("lstHulp");
        for (int i = 0; i < lijst->count(); ++i)
            uit.append(lijst->item(i)->text());
        return uit;
    }
};

} // namespace

class TstFrmStart : public QObject {
    Q_OBJECT
private slots:
    void openen_data()
    {
        QTest::addColumn<QByteArray>("kwintel");
        QTest::addColumn<QString>("speeldag");
        QTest::addColumn<QString>("clubnaam");
        QTest::addColumn<bool>("invallers");
        QTest::newRow("no settings") << QByteArray() << "-------" << "" << false;
        QTest::newRow("settings read") << QByteArray("Speeldag=18\r\nClubnaam=BC De Troef\r\nTooninval=1\r\n")
                                       << "donderdag-avond" << "BC De Troef" << true;
    }

    void openen()
    {
        QFETCH(QByteArray, kwintel);
        QFETCH(QString, speeldag);
        QFETCH(QString, clubnaam);
        QFETCH(bool, invallers);
        Opstelling o(kwintel);
        QCOMPARE(o.Control<QComboBox>("cmbSpeeldag")->currentText(), speeldag);
        QCOMPARE(o.Control<QComboBox>("cmbSpeeldag")->count(), 25);
        QCOMPARE(o.Control<QPushButton>("cmdAfmeld")->isEnabled(), !kwintel.isEmpty());
        QCOMPARE(o.Control<QLineEdit>("txtClubnaam")->text(), clubnaam);
        QCOMPARE(o.Control<QCheckBox>("chkToonInvallers")->isChecked(), invallers);
        QVERIFY(o.Lijst().isEmpty());
        QVERIFY(o.meldingen.meldingen.isEmpty());
    }

    void captions()
    {
        Opstelling o;
        QCOMPARE(o.venster->windowTitle(),
                 "Maak hier een Databestand (=Script) tbv de internet AFMELD-site. (vanuit Tafelwerk)");
        QCOMPARE(o.Control<QLabel>("Label13")->text(), "De site-structuur is '.../afm/donderdag");
        QCOMPARE(o.Control<QLabel>("Label8")->text(),
                 "Deze bestand(en) bevinden zich op deze pc in de map: 'Tafelwerk\\Travenza\\donderdag' (of een ander "
                 "speelmoment).");
        QCOMPARE(o.Control<QPushButton>("cmdVerwijderDag")->toolTip(),
                 "Hiermee worden alle gegevens van deze speeldag gewist. \nAlt+V");
        QStringList teksten;
        for (const QLabel* label : o.venster->findChildren<QLabel*>())
            teksten.append(label->text());
        QVERIFY(teksten.contains("Zie menu 3, knop  'Deze zitting indelen' > knop 'Internet afmeldingen'. "));
        QVERIFY(teksten.contains("Versie 100e"));
    }

    void clubnaamVanSpaties()
    {
        Opstelling o;
        o.Control<QComboBox>("cmbSpeeldag")->setCurrentIndex(4);
        o.Control<QLineEdit>("txtClubnaam")->setText("   ");
        o.venster->show();
        QVERIFY(QTest::qWaitForWindowActive(o.venster.get()));
        QTest::mouseClick(o.Control<QPushButton>("cmdAfmeld"), Qt::LeftButton);
        QCOMPARE(o.meldingen.Teksten(), QStringList{"U moet een Clubnaam opgeven!"});
        QCOMPARE(o.meldingen.meldingen[0].pictogram, Meldingen::Pictogram::Uitroep);
        QVERIFY(o.Control<QLineEdit>("txtClubnaam")->hasFocus());
        QVERIFY(!QFileInfo::exists(o.Kwintel()));
    }

    void afmeldVolgorde()
    {
        Opstelling o;
        o.Control<QComboBox>("cmbSpeeldag")->setCurrentIndex(18);
        o.Control<QLineEdit>("txtClubnaam")->setText("  BC De Troef ");
        QByteArray kwintelBijOpenen;
        bool mapBijOpenen = false;
        o.venster->ZetAfmeldVenster([&] {
            kwintelBijOpenen = TestPaden::LeesBestand(o.Kwintel());
            mapBijOpenen = QFileInfo(o.werkruimte.MapProgramma + "/donderdag-avond").isDir();
            TestPaden::SchrijfBestand(o.werkruimte.PadScript, "x");
            o.venster->Scipts_naar_lstHulp();
        });
        QTest::mouseClick(o.Control<QPushButton>("cmdAfmeld"), Qt::LeftButton);
        QCOMPARE(kwintelBijOpenen, QByteArray("Speeldag=18\r\nClubnaam=BC De Troef\r\nTooninval=0\r\n"));
        QVERIFY(mapBijOpenen);
        QCOMPARE(o.werkruimte.Speeldag, "donderdag-avond");
        QCOMPARE(o.Lijst(), QStringList{"donderdag-avond"});
        QVERIFY(o.meldingen.meldingen.isEmpty());
    }

    void verwijderen_data()
    {
        QTest::addColumn<QList<int>>("kies");
        QTest::addColumn<int>("antwoord");
        QTest::addColumn<QStringList>("meldingen");
        QTest::addColumn<QStringList>("lijstNa");
        const QString vraag = "Weet u zeker dat u ALLE gegevens van deze dag wilt verwijderen?";
        QTest::newRow("nothing selected") << QList<int>{} << 0 << QStringList{"Er is geen dag geselecteerd!"}
                                          << QStringList{"dinsdag", "donderdag-avond"};
        QTest::newRow("two selected") << QList<int>{0, 1} << 0 << QStringList{"U mag slechts 1 dag tegelijk verwijderen!"}
                                      << QStringList{"dinsdag", "donderdag-avond"};
        QTest::newRow("one, Cancel") << QList<int>{1} << int(Meldingen::Antwoord::Annuleren) << QStringList{vraag}
                                     << QStringList{"dinsdag", "donderdag-avond"};
        QTest::newRow("one, OK") << QList<int>{1} << int(Meldingen::Antwoord::Ok) << QStringList{vraag}
                                 << QStringList{"dinsdag"};
    }

    void verwijderen()
    {
        QFETCH(QList<int>, kies);
        QFETCH(int, antwoord);
        QFETCH(QStringList, meldingen);
        QFETCH(QStringList, lijstNa);
        Opstelling o({}, {"donderdag-avond/hovelink.js", "donderdag-avond/donderdag-avond.ini", "dinsdag/hovelink.js"});
        // Links: one in Travenza is no moment; those in a deleted moment go, their targets stay.
        const QString buiten = o.dir.filePath("buiten"), moment = o.werkruimte.MapProgramma + "/donderdag-avond";
        QVERIFY(TestPaden::SchrijfBestand(buiten + "/hovelink.js", "leden"));
        QVERIFY(QFile::link(buiten, o.werkruimte.MapProgramma + "/link") && QFile::link(buiten, moment + "/map") &&
                QFile::link(buiten + "/hovelink.js", moment + "/leden.txt"));
        o.venster->Scipts_naar_lstHulp();
        auto* lijst = o.Control<QListWidget>("lstHulp");
        o.venster->show();
        QVERIFY(QTest::qWaitForWindowExposed(o.venster.get()));
        for (const int rij : kies)
            QTest::mouseClick(lijst->viewport(), Qt::LeftButton, rij == kies.first() ? Qt::NoModifier : Qt::ControlModifier,
                              lijst->visualItemRect(lijst->item(rij)).center());
        // "Open map" follows the selection: only one play moment has one folder to open.
        auto* openMap = o.Control<QPushButton>("cmdOpenMap");
        QCOMPARE(openMap->isEnabled(), kies.size() == 1);
        QCOMPARE(openMap->toolTip(),
                 (kies.size() == 1 ? QDir::toNativeSeparators(moment) + "\n" : QString()) + "Alt+O");
        o.meldingen.ZetVolgendAntwoord(static_cast<Meldingen::Antwoord>(antwoord));
        QTest::mouseClick(o.Control<QPushButton>("cmdVerwijderDag"), Qt::LeftButton);
        QCOMPARE(o.meldingen.Teksten(), meldingen);
        if (kies.size() == 1) {
            QCOMPARE(o.meldingen.meldingen[0].knoppen, Meldingen::Knoppen::OkAnnuleren);
            QCOMPARE(o.meldingen.meldingen[0].pictogram, Meldingen::Pictogram::Geen);
        }
        QCOMPARE(o.Lijst(), lijstNa);
        QCOMPARE(QFileInfo::exists(moment), lijstNa.size() == 2);
        QCOMPARE(TestPaden::LeesBestand(buiten + "/hovelink.js"), QByteArray("leden"));
    }

    void knoppenMelden_data()
    {
        QTest::addColumn<QString>("knop");
        QTest::addColumn<QString>("begin");
        QTest::addColumn<QString>("titel");
        // The offscreen platform opens nothing, as a desktop without an opener: the user learns where it is.
        QTest::newRow("open map without an opener") << "cmdOpenMap" << "De map kon niet worden geopend; u vindt haar hier:\r\n" << "";
        QTest::newRow("about") << "cmdOver" << "Hovelink versie " HOVELINK_VERSIE "\r\n" << "Over Hovelink";
    }

    void knoppenMelden()
    {
        QFETCH(QString, knop);
        QFETCH(QString, begin);
        QFETCH(QString, titel);
        Opstelling o({}, {"dinsdag/hovelink.js"});
        o.venster->show();
        QVERIFY(QTest::qWaitForWindowExposed(o.venster.get()));
        auto* lijst = o.Control<QListWidget>("lstHulp");
        QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, lijst->visualItemRect(lijst->item(0)).center());
        QTest::mouseClick(o.Control<QPushButton>(qPrintable(knop)), Qt::LeftButton);
        QCOMPARE(o.meldingen.meldingen.size(), 1);
        const QString tekst = o.meldingen.meldingen[0].tekst;
        QVERIFY2(tekst.startsWith(begin), qPrintable(tekst));
        QVERIFY2(tekst.contains(QDir::toNativeSeparators(o.werkruimte.MapProgramma)), qPrintable(tekst));
        QCOMPARE(o.meldingen.meldingen[0].titel, titel);
    }

    void sluitenSchrijftInstellingen()
    {
        Opstelling o;
        o.Control<QComboBox>("cmbSpeeldag")->setCurrentIndex(2);
        o.Control<QLineEdit>("txtClubnaam")->setText(" Club ");
        o.Control<QCheckBox>("chkToonInvallers")->setChecked(true);
        o.venster->show();
        QTest::mouseClick(o.Control<QPushButton>("cmdEinde"), Qt::LeftButton);
        QVERIFY(!o.venster->isVisible());
        QCOMPARE(TestPaden::LeesBestand(o.Kwintel()), QByteArray("Speeldag=2\r\nClubnaam=Club\r\nTooninval=1\r\n"));
    }

    void instellingenNietOpgeslagen()
    {
        Opstelling o;
        QVERIFY(QDir().mkpath(o.Kwintel())); // a folder where the file belongs
        o.venster->show();
        QTest::mouseClick(o.Control<QPushButton>("cmdEinde"), Qt::LeftButton);
        QCOMPARE(o.meldingen.Teksten(), QStringList{"Het instellingenbestand kon niet worden opgeslagen:\r\n" +
                                                    QDir::toNativeSeparators(o.Kwintel()) +
                                                    "\r\n\r\nFilename refers to a directory"});
        QCOMPARE(o.meldingen.meldingen[0].pictogram, Meldingen::Pictogram::Kritiek);
    }

    void help2Positie()
    {
        QCOMPARE(PositieHelp2({1000, 500}, 8950, 3000), QPoint(1200, 6250));
    }

    // Every step of frmHelp2 stands on one line.
    void help2Regels()
    {
        FrmHelp2 help(nullptr);
        help.show();
        for (const QLabel* label : help.findChildren<QLabel*>())
            QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()), qPrintable(label->text()));
    }
};

QTEST_MAIN(TstFrmStart)
#include "tst_frmstart.moc"
