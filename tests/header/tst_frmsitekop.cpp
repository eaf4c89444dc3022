#include "koptest.h"

#include "header/frmsitekop.h"
#include "header/kopbestand.h"
#include "header/kopopmaak.h"
#include "header/kopvlak.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// Answers the designer's dialogs as the test sets them; nothing means cancelled.
class DialogAntwoorden : public KopDialogen {
public:
    std::optional<QString> lettertype;
    std::optional<QColor> kleur;
    std::optional<QString> afbeelding;
    QString startMap;
    QString filter;

    std::optional<QString> KiesLettertype(QWidget*, const QString&) override { return lettertype; }
    std::optional<QColor> KiesKleur(QWidget*) override { return kleur; }
    std::optional<QString> KiesAfbeelding(QWidget*, const QString& map, const QString& f) override
    {
        startMap = map;
        filter = f;
        return afbeelding;
    }
};

const QString BreedteMelding = QStringLiteral("Breedte-waarde is 500 t/m 999. \r\nWijzig de waarde");

bool MaakPlaatje(const QString& pad, QSize maat, const char* formaat)
{
    QImage beeld(maat, QImage::Format_RGB32);
    beeld.fill(Qt::red);
    return beeld.save(pad, formaat);
}

QStringList Bestanden(const QString& map)
{
    QStringList namen = QDir(map).entryList(QDir::Files, QDir::Name);
    namen.removeAll(StandaardNaamKop);
    return namen;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<QString>)

class TstFrmSitekop : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_map;
    KopInstellingen m_kop;
    MeldingRecorder m_meldingen;
    DialogAntwoorden m_dialogen;
    std::unique_ptr<frmSitekop> m_venster;

    void Open(const KopInstellingen& kop)
    {
        m_kop = kop;
        m_venster = std::make_unique<frmSitekop>(m_kop, m_map->path(), QStringLiteral("donderdag"),
                                                 QStringLiteral(" BC De Troef "), m_meldingen, m_dialogen);
    }
    template <class T> T* Deel(const char* naam)
    {
        T* w = m_venster->findChild<T*>(QLatin1String(naam));
        if (!w)
            qFatal("control %s missing", naam);
        return w;
    }
    void Klik(const char* knop) { Deel<QPushButton>(knop)->click(); }
    QString Tekst(const char* label) { return Deel<QLabel>(label)->text(); }
    QByteArray KopBestand() { return TestPaden::LeesBestand(m_map->filePath(StandaardNaamKop)); }
    void VerlaatBreedte(const QString& tekst)
    {
        m_venster->show();
        QVERIFY(QTest::qWaitForWindowActive(m_venster.get()));
        auto* vak = Deel<QLineEdit>("txtKopVakBr");
        vak->setFocus();
        vak->setText(tekst);
        Deel<QLineEdit>("txtKopTekst")->setFocus();
    }
    void Kies(const char* lijst, const QString& tekst)
    {
        auto* keuze = Deel<QComboBox>(lijst);
        const int plek = keuze->findText(tekst);
        QVERIFY(plek >= 0);
        keuze->setCurrentIndex(plek);
        emit keuze->activated(plek);
    }
    void ZagMelding(const QString& tekst, Meldingen::Pictogram pictogram)
    {
        QCOMPARE(m_meldingen.Teksten(), QStringList{tekst});
        QCOMPARE(m_meldingen.meldingen[0].pictogram, pictogram);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qRegisterMetaType<std::optional<QString>>();
    }

    void init()
    {
        m_venster.reset();
        m_map = std::make_unique<QTemporaryDir>();
        m_meldingen = MeldingRecorder();
        m_dialogen = DialogAntwoorden();
    }

    void openen_data()
    {
        QTest::addColumn<KopInstellingen>("begin");
        QTest::addColumn<KopInstellingen>("verwacht");
        QTest::addColumn<QStringList>("getoond"); // width box, height, margin, letter height, position
        QTest::addColumn<bool>("vinkjes");        // logo and bold
        QTest::addColumn<QString>("logonaam");

        KopInstellingen standaard = VoorbeeldKop();
        standaard.kopvet = standaard.kopverti = standaard.kopvert = standaard.logomarge = standaard.logojn = 0;
        standaard.logofile.clear();
        QTest::newRow("fresh run") << KopInstellingen{} << standaard
                                   << QStringList{"750", "100", "0", "24", "0"} << false << "...";

        KopInstellingen opgeslagen = VoorbeeldKop();
        opgeslagen.kopvakbr = 600;
        opgeslagen.kopvakho = 80;
        opgeslagen.kophoogi = 10;
        opgeslagen.kophoog = 99;
        opgeslagen.kopverti = 5;
        opgeslagen.kopvert = 0;
        KopInstellingen lijstPlekkenWinnen = opgeslagen;
        lijstPlekkenWinnen.kophoog = 30;
        lijstPlekkenWinnen.kopvert = 10;
        QTest::newRow("stored header, list positions win")
            << opgeslagen << lijstPlekkenWinnen << QStringList{"600", "80", "5", "30", "10"} << true
            << "000001.jpg";

        KopInstellingen handwerk = VoorbeeldKop();
        handwerk.kopvakho = 101;
        handwerk.kophoogi = 50;
        handwerk.kophoog = 40;
        handwerk.kopverti = -1;
        handwerk.kopvert = 7;
        handwerk.logomarge = 45;
        handwerk.kopvet = 5;
        handwerk.logojn = 2;
        QTest::newRow("hand-edited values kept")
            << handwerk << handwerk << QStringList{"750", "", "", "", ""} << false << "...";
    }

    void openen()
    {
        QFETCH(KopInstellingen, begin);
        QFETCH(KopInstellingen, verwacht);
        QFETCH(QStringList, getoond);
        QFETCH(bool, vinkjes);
        QFETCH(QString, logonaam);

        Open(begin);
        QCOMPARE(m_kop, verwacht);
        QCOMPARE(m_venster->windowTitle(), QStringLiteral("Inrichten van de kop van een internetsite"));
        QCOMPARE(Deel<QLineEdit>("txtKopVakBr")->text(), getoond.at(0));
        const char* lijsten[] = {"cmbKopVakHo", "cmbMa", "cmbKopHoog", "cmbKopVert"};
        const int aantallen[] = {31, 31, 41, 36};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(Deel<QComboBox>(lijsten[i])->currentText(), getoond.at(i + 1));
            QCOMPARE(Deel<QComboBox>(lijsten[i])->count(), aantallen[i]);
        }
        QCOMPARE(Deel<QCheckBox>("chkLogojanee")->isChecked(), vinkjes);
        QCOMPARE(Deel<QCheckBox>("chkKopVet")->isChecked(), vinkjes);
        QCOMPARE(Deel<QGroupBox>("frmLogo")->isEnabled(), verwacht.logojn != 0);
        QCOMPARE(Tekst("Label7"), logonaam);
        QCOMPARE(Tekst("Label8"), QStringLiteral("Bestaande logobestand"));
        QCOMPARE(Tekst("Label9"), QStringLiteral(".bmp\r\n.gif\r\n.jpg\r\n.ico"));
        QCOMPARE(Tekst("lblKopFont"), verwacht.kopfont);
        QCOMPARE(Deel<QLineEdit>("txtKopTekst")->text(), verwacht.koptekst);
        QCOMPARE(Deel<QLineEdit>("txtTL")->text(), verwacht.tekstlo);
        QCOMPARE(Deel<QLineEdit>("txtTR")->text(), verwacht.tekstro);
        QCOMPARE(Tekst("lblKopBreed"),
                 QStringLiteral("Kopafmeting= %1x%2 pixels").arg(verwacht.kopvakbr).arg(verwacht.kopvakho));
        QCOMPARE(Tekst("Label3"),
                 QStringLiteral("%1 x %2").arg(qRound(verwacht.kopvakbr / 3.0)).arg(verwacht.kopvakho));
        QCOMPARE(Deel<QLabel>("lblKopKleur")->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(Deel<QLabel>("lblKopBack")->palette().color(QPalette::Window), QColor(Qt::yellow));
        QCOMPARE(Deel<KopVlak>("P0")->Maat(), QSize(verwacht.kopvakbr, verwacht.kopvakho));
    }

    void breedte_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("melding");
        QTest::addColumn<QString>("getoond");
        QTest::addColumn<int>("kopvakbr");
        QTest::addColumn<int>("voorbeeldBreed");
        QTest::newRow("1200 refused") << "1200" << true << "1200" << 1200 << 750;
        QTest::newRow("499 refused") << "499" << true << "499" << 499 << 750;
        QTest::newRow("empty refused") << "" << true << "" << 0 << 750;
        QTest::newRow("beyond 32 bits refused") << "99999999999" << true << "99999999999" << 0 << 750;
        QTest::newRow("leading zero dropped") << "0750" << false << "750" << 750 << 750;
        QTest::newRow("999 accepted") << "999" << false << "999" << 999 << 999;
        QTest::newRow("500 accepted") << "500" << false << "500" << 500 << 500;
    }

    void breedte()
    {
        QFETCH(QString, tekst);
        QFETCH(bool, melding);
        QFETCH(QString, getoond);
        QFETCH(int, kopvakbr);
        QFETCH(int, voorbeeldBreed);

        Open(KopInstellingen{});
        const int vensterBreed = m_venster->width();
        VerlaatBreedte(tekst);

        if (melding)
            ZagMelding(BreedteMelding, Meldingen::Pictogram::Uitroep);
        else
            QVERIFY(m_meldingen.meldingen.isEmpty());
        auto* vak = Deel<QLineEdit>("txtKopVakBr");
        QCOMPARE(vak->hasFocus(), melding);
        QCOMPARE(vak->text(), getoond);
        QCOMPARE(m_kop.kopvakbr, kopvakbr);
        QCOMPARE(Deel<KopVlak>("P0")->Maat().width(), voorbeeldBreed);
        QCOMPARE(Tekst("lblKopBreed"), QStringLiteral("Kopafmeting= %1x100 pixels").arg(voorbeeldBreed));
        QCOMPARE(Tekst("Label3"), QStringLiteral("%1 x 100").arg(qRound(voorbeeldBreed / 3.0)));
        // The window grows with a wide header and keeps its buttons 8 pixels from its right edge.
        QCOMPARE(m_venster->width() > vensterBreed, voorbeeldBreed == 999);
        QCOMPARE(Deel<QPushButton>("cmdAkkoord")->geometry().right() + 1, m_venster->width() - 8);
        QCOMPARE(Deel<QPushButton>("cmdAnnu")->geometry().right() + 1 + 20, Deel<QPushButton>("cmdAkkoord")->x());
        QVERIFY(Deel<KopVlak>("P0")->geometry().right() < m_venster->width());
    }

    void breedteToetsen_data()
    {
        QTest::addColumn<QList<int>>("toetsen");
        QTest::addColumn<bool>("allesSelecteren");
        QTest::addColumn<QString>("verwacht");
        QTest::newRow("digit typed") << QList<int>{Qt::Key_8} << false << "7508";
        QTest::newRow("letter refused") << QList<int>{Qt::Key_A} << false << "750";
        QTest::newRow("minus refused") << QList<int>{Qt::Key_Minus} << false << "750";
        QTest::newRow("space refused") << QList<int>{Qt::Key_Space} << false << "750";
        QTest::newRow("backspace refused") << QList<int>{Qt::Key_Backspace} << false << "750";
        QTest::newRow("delete works") << QList<int>{Qt::Key_Home, Qt::Key_Delete} << false << "50";
        QTest::newRow("typing over a selection") << QList<int>{Qt::Key_6} << true << "6";
    }

    void breedteToetsen()
    {
        QFETCH(QList<int>, toetsen);
        QFETCH(bool, allesSelecteren);
        QFETCH(QString, verwacht);
        Open(KopInstellingen{});
        auto* vak = Deel<QLineEdit>("txtKopVakBr");
        vak->setCursorPosition(3);
        if (allesSelecteren)
            vak->selectAll();
        for (int toets : toetsen)
            QTest::keyClick(vak, Qt::Key(toets));
        QCOMPARE(vak->text(), verwacht);
    }

    // Cancel restores the header as it came in; the window's close box keeps the changes.
    void annuleren_data()
    {
        QTest::addColumn<KopInstellingen>("begin");
        QTest::addColumn<bool>("sluitknop");
        QTest::newRow("fresh run, zeros and empty texts") << KopInstellingen{} << false;
        QTest::newRow("stored header") << VoorbeeldKop() << false;
        QTest::newRow("close box keeps the changes") << VoorbeeldKop() << true;
    }

    void annuleren()
    {
        QFETCH(KopInstellingen, begin);
        QFETCH(bool, sluitknop);
        Open(begin);
        VerlaatBreedte(QStringLiteral("900"));
        m_dialogen.kleur = QColor(Qt::red);
        Klik("cmdKopKleur");
        m_dialogen.kleur = QColor(Qt::blue);
        Klik("cmdKopBack");
        m_dialogen.lettertype = QStringLiteral("Courier");
        Klik("cmdKopFont");
        Deel<QLineEdit>("txtKopTekst")->setText(QStringLiteral("Andere kop"));
        Deel<QLineEdit>("txtTL")->setText({});
        Deel<QCheckBox>("chkLogojanee")->click();
        Kies("cmbKopVakHo", QStringLiteral("130"));
        Kies("cmbKopHoog", QStringLiteral("40"));
        QCOMPARE(m_kop.kopvakbr, 900);
        QCOMPARE(m_kop.kopback, 16711680);
        QCOMPARE(m_kop.koptekst, QStringLiteral("Andere kop"));
        const KopInstellingen gewijzigd = m_kop;

        if (sluitknop)
            m_venster->close();
        else
            Klik("cmdAnnu");
        QCOMPARE(m_kop, sluitknop ? gewijzigd : begin);
        QCOMPARE(m_venster->result(), int(QDialog::Rejected));
        QVERIFY(!QFile::exists(m_map->filePath(StandaardNaamKop)));
        QVERIFY(m_meldingen.meldingen.isEmpty());
    }

    void bewaren_data()
    {
        QTest::addColumn<QStringList>("aanwezig"); // pictures in the play-moment folder before saving
        QTest::addColumn<QString>("logofile");     // stored logo
        QTest::addColumn<QString>("gekozen");      // new logo: "bron/..." outside, "map/..." inside
        QTest::addColumn<QString>("verwacht");     // logofile after saving; the only picture left

        QTest::newRow("new gif beside 000001.jpg") << QStringList{"000001.jpg"} << "000001.jpg" << "bron/logo.gif"
                                                   << "000001.gif";
        QTest::newRow("new gif beside 000001.gif") << QStringList{"000001.gif"} << "000001.gif" << "bron/logo.gif"
                                                   << "000002.gif";
        QTest::newRow("extension kept as typed") << QStringList{} << "" << "bron/Logo.Club.BMP" << "000001.BMP";
        QTest::newRow("without logo every picture goes")
            << QStringList{"a.jpg", "B.BMP", "c.gif", "d.ico", "notities.txt"} << "" << "" << "";
        QTest::newRow("stored logo stays usable")
            << QStringList{"000001.jpg", "oud.gif"} << "000001.jpg" << "" << "000002.jpg";
        QTest::newRow("chosen file inside the folder")
            << QStringList{"000001.jpg", "000002.gif"} << "000002.gif" << "map/000001.jpg" << "000002.jpg";
        QTest::newRow("missing stored logo is forgotten") << QStringList{"000003.jpg"} << "000007.jpg" << ""
                                                          << "";
        QTest::newRow("missing new logo keeps the stored one")
            << QStringList{"000001.jpg"} << "000001.jpg" << "bron/weg.jpg" << "000001.jpg";
    }

    void bewaren()
    {
        QFETCH(QStringList, aanwezig);
        QFETCH(QString, logofile);
        QFETCH(QString, gekozen);
        QFETCH(QString, verwacht);

        QTemporaryDir bron;
        for (const QString& naam : aanwezig)
            QVERIFY(TestPaden::SchrijfBestand(m_map->filePath(naam), "plaatje " + naam.toLatin1()));
        QString pad;
        QByteArray inhoud = TestPaden::LeesBestand(m_map->filePath(logofile));
        if (gekozen.startsWith(QStringLiteral("bron/"))) {
            pad = bron.filePath(gekozen.mid(5));
            if (!gekozen.contains(QStringLiteral("weg"))) { // a missing file: the copy will fail
                inhoud = "nieuw logo";
                QVERIFY(TestPaden::SchrijfBestand(pad, inhoud));
            }
        } else if (gekozen.startsWith(QStringLiteral("map/"))) {
            pad = m_map->filePath(gekozen.mid(4));
            inhoud = TestPaden::LeesBestand(pad);
        }

        KopInstellingen kop = VoorbeeldKop();
        kop.logofile = logofile;
        Open(kop);
        if (!pad.isEmpty()) {
            m_dialogen.afbeelding = pad;
            Klik("cmdKiesAfb");
        }
        Klik("cmdAkkoord");

        QCOMPARE(m_venster->result(), int(QDialog::Accepted));
        QCOMPARE(m_kop.logofile, verwacht);
        // Files that are not pictures stay; of the pictures only the logo does.
        QStringList blijft = aanwezig.filter(QStringLiteral(".txt"));
        if (!verwacht.isEmpty())
            blijft.prepend(verwacht);
        QCOMPARE(Bestanden(m_map->path()), blijft);
        if (!verwacht.isEmpty())
            QCOMPARE(TestPaden::LeesBestand(m_map->filePath(verwacht)), inhoud);
        QVERIFY(KopBestand().startsWith("donderdag\r\nBC De Troef\r\n"));
        QVERIFY(KopBestand().contains("\r\nlogofile=" + verwacht.toLatin1() + "\r\n"));
        QVERIFY(m_meldingen.meldingen.isEmpty());
    }

    void opslaanMetAfgewezenBreedte()
    {
        Open(KopInstellingen{});
        VerlaatBreedte(QStringLiteral("1200"));
        Klik("cmdAkkoord");
        QCOMPARE(m_meldingen.Teksten(), (QStringList{BreedteMelding, BreedteMelding}));
        QVERIFY(m_venster->isVisible());
        QVERIFY(Deel<QLineEdit>("txtKopVakBr")->hasFocus());
        QVERIFY(!QFile::exists(m_map->filePath(StandaardNaamKop)));

        VerlaatBreedte(QStringLiteral("800"));
        Klik("cmdAkkoord");
        QCOMPARE(m_venster->result(), int(QDialog::Accepted));
        QVERIFY(KopBestand().contains("\r\nkopvakbr=800\r\n"));
    }

    void opslaanMislukt()
    {
        QVERIFY(QDir().mkpath(m_map->filePath(StandaardNaamKop))); // a folder where the file belongs
        Open(KopInstellingen{});
        m_venster->show();
        Klik("cmdAkkoord");
        ZagMelding("Het instellingenbestand kon niet worden opgeslagen:\r\n" +
                       QDir::toNativeSeparators(m_map->filePath(StandaardNaamKop)) + "\r\n\r\nFilename refers to a directory",
                   Meldingen::Pictogram::Kritiek);
        QVERIFY(m_venster->isVisible());
    }

    void afbeeldingKiezen_data()
    {
        // The dialog's answer, relative to a folder of source pictures; nothing means cancelled.
        QTest::addColumn<std::optional<QString>>("antwoord");
        QTest::addColumn<QString>("melding");
        QTest::addColumn<QString>("logofile"); // set when the choice is taken and shown
        QTest::newRow("picture chosen") << std::optional<QString>(QStringLiteral("logo.jpg")) << ""
                                        << "000001.jpg";
        QTest::newRow("no extension refused")
            << std::optional<QString>(QStringLiteral("map.d/logo"))
            << "Kies een afbeelding met de extensie .bmp, .gif, .jpg of .ico." << "";
        QTest::newRow("cancelled") << std::optional<QString>() << "" << "";
        QTest::newRow("empty name") << std::optional<QString>(QString()) << "" << "";
    }

    void afbeeldingKiezen()
    {
        QFETCH(std::optional<QString>, antwoord);
        QFETCH(QString, melding);
        QFETCH(QString, logofile);
        const bool getoond = !logofile.isEmpty();

        QTemporaryDir bron;
        QVERIFY(TestPaden::SchrijfBestand(bron.filePath(QStringLiteral("eerst.gif")), "gif"));
        QVERIFY(MaakPlaatje(bron.filePath(QStringLiteral("logo.jpg")), QSize(40, 10), "JPG"));
        const QByteArray profiel = qgetenv("USERPROFILE");
        qputenv("USERPROFILE", "/gebruikers/secretaris");

        KopInstellingen kop = VoorbeeldKop();
        kop.logofile.clear();
        Open(kop);
        // A first choice that succeeds, so that the second one must clear it when it does not.
        m_dialogen.afbeelding = bron.filePath(QStringLiteral("eerst.gif"));
        Klik("cmdKiesAfb");
        m_dialogen.afbeelding = antwoord && !antwoord->isEmpty() ? bron.filePath(*antwoord) : antwoord;
        Klik("cmdKiesAfb");
        if (profiel.isNull())
            qunsetenv("USERPROFILE");
        else
            qputenv("USERPROFILE", profiel);

        QCOMPARE(m_dialogen.startMap, QStringLiteral("/gebruikers/secretaris/Pictures"));
        QCOMPARE(m_dialogen.filter, QStringLiteral("Graphic Files (*.bmp *.gif *.jpg *.ico)"));
        if (melding.isEmpty())
            QVERIFY(m_meldingen.meldingen.isEmpty());
        else
            ZagMelding(melding, Meldingen::Pictogram::Uitroep);
        QCOMPARE(Tekst("Label7"), getoond ? QDir::toNativeSeparators(*m_dialogen.afbeelding) : QString());
        QCOMPARE(Tekst("Label8"), QStringLiteral("Nieuw gekozen logobestand"));
        Klik("cmdAkkoord");
        QCOMPARE(m_kop.logofile, logofile);
        QCOMPARE(Bestanden(m_map->path()), getoond ? QStringList{logofile} : QStringList{});
    }

    void dialogen_data()
    {
        QTest::addColumn<QString>("knop");
        QTest::addColumn<bool>("gekozen");
        QTest::addColumn<QString>("lettertype");
        QTest::addColumn<int>("kopkleur");
        QTest::addColumn<int>("kopback");
        QTest::newRow("font chosen") << "cmdKopFont" << true << "Courier" << 0 << 65535;
        QTest::newRow("font cancelled") << "cmdKopFont" << false << "Arial" << 0 << 65535;
        QTest::newRow("text colour chosen") << "cmdKopKleur" << true << "Arial" << 0x336699 << 65535;
        QTest::newRow("text colour cancelled") << "cmdKopKleur" << false << "Arial" << 0 << 65535;
        QTest::newRow("background chosen") << "cmdKopBack" << true << "Arial" << 0 << 0x336699;
        QTest::newRow("background cancelled") << "cmdKopBack" << false << "Arial" << 0 << 65535;
    }

    void dialogen()
    {
        QFETCH(QString, knop);
        QFETCH(bool, gekozen);
        QFETCH(QString, lettertype);
        QFETCH(int, kopkleur);
        QFETCH(int, kopback);
        Open(KopInstellingen{});
        if (gekozen) {
            m_dialogen.lettertype = QStringLiteral("Courier");
            m_dialogen.kleur = QColor(0x99, 0x66, 0x33);
        }
        Klik(qPrintable(knop));
        QCOMPARE(m_kop.kopfont, lettertype);
        QCOMPARE(Tekst("lblKopFont"), lettertype);
        QCOMPARE(m_kop.kopkleur, kopkleur);
        QCOMPARE(m_kop.kopback, kopback);
        QCOMPARE(Deel<QLabel>("lblKopKleur")->palette().color(QPalette::Window), KleurVan(kopkleur));
        QCOMPARE(Deel<QLabel>("lblKopBack")->palette().color(QPalette::Window), KleurVan(kopback));
        const QImage beeld = Deel<KopVlak>("P0")->grab().toImage();
        QCOMPARE(QColor(beeld.pixel(700, KopVlak::Rand + 10)), KleurVan(kopback));
    }

    // A tall logo shrinks the logo area; a new margin fits it again from the full area.
    void logoOpnieuwInpassen()
    {
        QVERIFY(MaakPlaatje(m_map->filePath(QStringLiteral("000001.bmp")), QSize(100, 200), "BMP"));
        KopInstellingen kop = VoorbeeldKop();
        kop.logofile = QStringLiteral("000001.bmp");
        Open(kop);
        auto* vlak = Deel<KopVlak>("P0");
        QCOMPARE(vlak->Vak().p2, QRect(5, 5, 45, 90));
        QCOMPARE(vlak->Vak().p1.width(), 55);

        Kies("cmbMa", QStringLiteral("10"));
        QCOMPARE(m_kop.logomarge, qint16(10));
        QCOMPARE(vlak->Vak().p2, QRect(10, 10, 40, 80));
        QCOMPARE(vlak->Vak().p1.width(), 60);

        Kies("cmbKopVakHo", QStringLiteral("130"));
        QCOMPARE(vlak->Vak().p2, QRect(10, 10, 55, 110));
        QCOMPARE(vlak->Lijn1(), QLine(76, 0, 76, KopVlak::Rand + 130 + 5));

        VerlaatBreedte(QStringLiteral("999"));
        QCOMPARE(vlak->Vak().p2, QRect(10, 10, 55, 110));
        QCOMPARE(Tekst("Label3"), QStringLiteral("333 x 130"));
    }

    void hoogteZonderLogo()
    {
        KopInstellingen kop = VoorbeeldKop();
        kop.logofile.clear();
        Open(kop);
        auto* vlak = Deel<KopVlak>("P0");
        QCOMPARE(vlak->Vak(), (LogoVak{QRect(0, 0, 250, 100), QRect(5, 5, 240, 90)}));
        Kies("cmbKopVakHo", QStringLiteral("70"));
        QCOMPARE(m_kop.kopvakho, 70);
        QCOMPARE(vlak->Maat(), QSize(750, 70));
        QCOMPARE(vlak->Vak(), (LogoVak{QRect(0, 0, 250, 70), QRect(5, 5, 240, 60)}));
        QCOMPARE(Tekst("lblKopBreed"), QStringLiteral("Kopafmeting= 750x70 pixels"));
        VerlaatBreedte(QStringLiteral("600"));
        QCOMPARE(vlak->Vak(), (LogoVak{QRect(0, 0, 200, 70), QRect(5, 5, 190, 60)}));
    }
};

QTEST_MAIN(TstFrmSitekop)
#include "tst_frmsitekop.moc"
