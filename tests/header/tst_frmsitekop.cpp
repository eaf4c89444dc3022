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
private slots:
    void initTestCase();
    void init();
    void openen_data();
    void openen();
    void breedte_data();
    void breedte();
    void breedteToetsen_data();
    void breedteToetsen();
    void annuleren_data();
    void annuleren();
    void sluitknopHoudtWijzigingen();
    void bewaren_data();
    void bewaren();
    void opslaanMetAfgewezenBreedte();
    void opslaanMislukt();
    void afbeeldingKiezen_data();
    void afbeeldingKiezen();
    void dialogen_data();
    void dialogen();
    void logoOpnieuwInpassen();
    void hoogteZonderLogo();

private:
    frmSitekop& Open(const KopInstellingen& kop);
    template <class T> T* Deel(const char* naam)
    {
        T* w = m_venster->findChild<T*>(QLatin1String(naam));
        if (!w)
            qFatal("control %s missing", naam);
        return w;
    }
    void VerlaatBreedte(const QString& tekst);
    static void Kies(QComboBox* lijst, const QString& tekst);

    std::unique_ptr<QTemporaryDir> m_map;
    KopInstellingen m_kop;
    MeldingRecorder m_meldingen;
    DialogAntwoorden m_dialogen;
    std::unique_ptr<frmSitekop> m_venster;
};

void TstFrmSitekop::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    qRegisterMetaType<std::optional<QString>>();
}

void TstFrmSitekop::init()
{
    m_venster.reset();
    m_map = std::make_unique<QTemporaryDir>();
    m_meldingen = MeldingRecorder();
    m_dialogen = DialogAntwoorden();
    m_kop = KopInstellingen();
}

frmSitekop& TstFrmSitekop::Open(const KopInstellingen& kop)
{
    m_kop = kop;
    m_venster = std::make_unique<frmSitekop>(m_kop, m_map->path(), QStringLiteral("donderdag"),
                                             QStringLiteral(" BC De Troef "), m_meldingen, m_dialogen);
    return *m_venster;
}

void TstFrmSitekop::VerlaatBreedte(const QString& tekst)
{
    m_venster->show();
    QVERIFY(QTest::qWaitForWindowActive(m_venster.get()));
    auto* vak = Deel<QLineEdit>("txtKopVakBr");
    vak->setFocus();
    vak->setText(tekst);
    Deel<QLineEdit>("txtKopTekst")->setFocus();
}

void TstFrmSitekop::Kies(QComboBox* lijst, const QString& tekst)
{
    const int plek = lijst->findText(tekst);
    QVERIFY(plek >= 0);
    lijst->setCurrentIndex(plek);
    emit lijst->activated(plek);
}

void TstFrmSitekop::openen_data()
{
    QTest::addColumn<KopInstellingen>("begin");
    QTest::addColumn<KopInstellingen>("verwacht");
    QTest::addColumn<QStringList>("getoond"); // width box, height, margin, letter height, position
    QTest::addColumn<bool>("logoVinkje");
    QTest::addColumn<bool>("vetVinkje");
    QTest::addColumn<QString>("logonaam");

    KopInstellingen standaard;
    standaard.kopvakbr = 750;
    standaard.kopvakho = 100;
    standaard.koptekst = QStringLiteral("BC bridgeclub");
    standaard.kopfont = QStringLiteral("Arial");
    standaard.kophoogi = 7;
    standaard.kophoog = 24;
    standaard.kopback = 65535;
    standaard.tekstlo = QStringLiteral("abcde");
    standaard.tekstro = QStringLiteral("info@bridgeclub.nl");
    QTest::newRow("fresh run") << KopInstellingen{} << standaard
                               << QStringList{"750", "100", "0", "24", "0"} << false << false << "...";

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
        << opgeslagen << lijstPlekkenWinnen << QStringList{"600", "80", "5", "30", "10"} << true << true
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
    QTest::newRow("hand-edited values kept") << handwerk << handwerk << QStringList{"750", "", "", "", ""}
                                             << false << false << "...";
}

void TstFrmSitekop::openen()
{
    QFETCH(KopInstellingen, begin);
    QFETCH(KopInstellingen, verwacht);
    QFETCH(QStringList, getoond);
    QFETCH(bool, logoVinkje);
    QFETCH(bool, vetVinkje);
    QFETCH(QString, logonaam);

    Open(begin);
    QCOMPARE(m_kop, verwacht);
    QCOMPARE(m_venster->windowTitle(), QStringLiteral("Inrichten van de kop van een internetsite"));
    QCOMPARE(Deel<QLineEdit>("txtKopVakBr")->text(), getoond.at(0));
    QCOMPARE(Deel<QComboBox>("cmbKopVakHo")->currentText(), getoond.at(1));
    QCOMPARE(Deel<QComboBox>("cmbMa")->currentText(), getoond.at(2));
    QCOMPARE(Deel<QComboBox>("cmbKopHoog")->currentText(), getoond.at(3));
    QCOMPARE(Deel<QComboBox>("cmbKopVert")->currentText(), getoond.at(4));
    QCOMPARE(Deel<QComboBox>("cmbKopVakHo")->count(), 31);
    QCOMPARE(Deel<QComboBox>("cmbMa")->count(), 31);
    QCOMPARE(Deel<QComboBox>("cmbKopVert")->count(), 36);
    QCOMPARE(Deel<QComboBox>("cmbKopHoog")->count(), 41);
    QCOMPARE(Deel<QCheckBox>("chkLogojanee")->isChecked(), logoVinkje);
    QCOMPARE(Deel<QCheckBox>("chkKopVet")->isChecked(), vetVinkje);
    QCOMPARE(Deel<QGroupBox>("frmLogo")->isEnabled(), verwacht.logojn != 0);
    QCOMPARE(Deel<QLabel>("Label7")->text(), logonaam);
    QCOMPARE(Deel<QLabel>("Label8")->text(), QStringLiteral("Bestaande logobestand"));
    QCOMPARE(Deel<QLabel>("Label9")->text(), QStringLiteral(".bmp\r\n.gif\r\n.jpg\r\n.ico"));
    QCOMPARE(Deel<QLabel>("lblKopFont")->text(), verwacht.kopfont);
    QCOMPARE(Deel<QLineEdit>("txtKopTekst")->text(), verwacht.koptekst);
    QCOMPARE(Deel<QLineEdit>("txtTL")->text(), verwacht.tekstlo);
    QCOMPARE(Deel<QLineEdit>("txtTR")->text(), verwacht.tekstro);
    QCOMPARE(Deel<QLabel>("lblKopBreed")->text(),
             QStringLiteral("Kopafmeting= %1x%2 pixels").arg(verwacht.kopvakbr).arg(verwacht.kopvakho));
    QCOMPARE(Deel<QLabel>("Label3")->text(),
             QStringLiteral("%1 x %2").arg(qRound(verwacht.kopvakbr / 3.0)).arg(verwacht.kopvakho));
    QCOMPARE(Deel<QLabel>("lblKopKleur")->palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(Deel<QLabel>("lblKopBack")->palette().color(QPalette::Window), QColor(Qt::yellow));
    QCOMPARE(Deel<KopVlak>("P0")->Maat(), QSize(verwacht.kopvakbr, verwacht.kopvakho));
}

void TstFrmSitekop::breedte_data()
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

void TstFrmSitekop::breedte()
{
    QFETCH(QString, tekst);
    QFETCH(bool, melding);
    QFETCH(QString, getoond);
    QFETCH(int, kopvakbr);
    QFETCH(int, voorbeeldBreed);

    Open(KopInstellingen{});
    const int vensterBreed = m_venster->width();
    VerlaatBreedte(tekst);

    QCOMPARE(m_meldingen.Teksten(), melding ? QStringList{BreedteMelding} : QStringList{});
    if (melding)
        QCOMPARE(m_meldingen.meldingen.first().pictogram, Meldingen::Pictogram::Uitroep);
    auto* vak = Deel<QLineEdit>("txtKopVakBr");
    QCOMPARE(vak->hasFocus(), melding);
    QCOMPARE(vak->text(), getoond);
    QCOMPARE(m_kop.kopvakbr, kopvakbr);
    QCOMPARE(Deel<KopVlak>("P0")->Maat().width(), voorbeeldBreed);
    QCOMPARE(Deel<QLabel>("lblKopBreed")->text(), QStringLiteral("Kopafmeting= %1x100 pixels").arg(voorbeeldBreed));
    QCOMPARE(Deel<QLabel>("Label3")->text(), QStringLiteral("%1 x 100").arg(qRound(voorbeeldBreed / 3.0)));
    // The window grows with a wide header and keeps its buttons 8 pixels from its right edge.
    QCOMPARE(m_venster->width() > vensterBreed, voorbeeldBreed == 999);
    QCOMPARE(Deel<QPushButton>("cmdAkkoord")->geometry().right() + 1, m_venster->width() - 8);
    QCOMPARE(Deel<QPushButton>("cmdAnnu")->geometry().right() + 1 + 20,
             Deel<QPushButton>("cmdAkkoord")->x());
    QVERIFY(Deel<KopVlak>("P0")->geometry().right() < m_venster->width());
}

void TstFrmSitekop::breedteToetsen_data()
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

void TstFrmSitekop::breedteToetsen()
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

void TstFrmSitekop::annuleren_data()
{
    QTest::addColumn<KopInstellingen>("begin");
    QTest::newRow("fresh run, zeros and empty texts") << KopInstellingen{};
    QTest::newRow("stored header") << VoorbeeldKop();
}

void TstFrmSitekop::annuleren()
{
    QFETCH(KopInstellingen, begin);
    Open(begin);
    VerlaatBreedte(QStringLiteral("900"));
    m_dialogen.kleur = QColor(Qt::red);
    Deel<QPushButton>("cmdKopKleur")->click();
    m_dialogen.kleur = QColor(Qt::blue);
    Deel<QPushButton>("cmdKopBack")->click();
    m_dialogen.lettertype = QStringLiteral("Courier");
    Deel<QPushButton>("cmdKopFont")->click();
    Deel<QLineEdit>("txtKopTekst")->setText(QStringLiteral("Andere kop"));
    Deel<QLineEdit>("txtTL")->setText({});
    Deel<QCheckBox>("chkLogojanee")->click();
    Kies(Deel<QComboBox>("cmbKopVakHo"), QStringLiteral("130"));
    Kies(Deel<QComboBox>("cmbKopHoog"), QStringLiteral("40"));
    QCOMPARE(m_kop.kopvakbr, 900);
    QCOMPARE(m_kop.kopback, 16711680);

    Deel<QPushButton>("cmdAnnu")->click();
    QCOMPARE(m_kop, begin);
    QCOMPARE(m_venster->result(), int(QDialog::Rejected));
    QVERIFY(!QFile::exists(m_map->filePath(StandaardNaamKop)));
}

void TstFrmSitekop::sluitknopHoudtWijzigingen()
{
    Open(VoorbeeldKop());
    m_venster->show();
    Deel<QLineEdit>("txtKopTekst")->setText(QStringLiteral("Andere kop"));
    m_venster->close();
    QCOMPARE(m_kop.koptekst, QStringLiteral("Andere kop"));
    QCOMPARE(m_venster->result(), int(QDialog::Rejected));
    QVERIFY(!QFile::exists(m_map->filePath(StandaardNaamKop)));
    QVERIFY(m_meldingen.meldingen.isEmpty());
}

void TstFrmSitekop::bewaren_data()
{
    QTest::addColumn<QStringList>("aanwezig");  // pictures in the play-moment folder before saving
    QTest::addColumn<QString>("logofile");      // stored logo
    QTest::addColumn<QString>("gekozen");       // new logo: "bron/..." outside, "map/..." inside
    QTest::addColumn<QString>("verwacht");      // logofile after saving
    QTest::addColumn<QStringList>("blijft");    // files in the folder after saving

    QTest::newRow("new gif beside 000001.jpg")
        << QStringList{"000001.jpg"} << "000001.jpg" << "bron/logo.gif" << "000001.gif" << QStringList{"000001.gif"};
    QTest::newRow("new gif beside 000001.gif")
        << QStringList{"000001.gif"} << "000001.gif" << "bron/logo.gif" << "000002.gif" << QStringList{"000002.gif"};
    QTest::newRow("no pictures yet") << QStringList{} << "" << "bron/logo.jpg" << "000001.jpg"
                                     << QStringList{"000001.jpg"};
    QTest::newRow("extension kept as typed") << QStringList{} << "" << "bron/Logo.Club.BMP" << "000001.BMP"
                                             << QStringList{"000001.BMP"};
    QTest::newRow("without logo every picture goes")
        << QStringList{"a.jpg", "B.BMP", "c.gif", "d.ico", "notities.txt"} << "" << "" << ""
        << QStringList{"notities.txt"};
    QTest::newRow("stored logo stays usable")
        << QStringList{"000001.jpg", "oud.gif"} << "000001.jpg" << "" << "000002.jpg" << QStringList{"000002.jpg"};
    QTest::newRow("chosen file inside the folder")
        << QStringList{"000001.jpg", "000002.gif"} << "000002.gif" << "map/000001.jpg" << "000002.jpg"
        << QStringList{"000002.jpg"};
    QTest::newRow("missing stored logo is forgotten")
        << QStringList{"000003.jpg"} << "000007.jpg" << "" << "" << QStringList{};
    QTest::newRow("missing new logo keeps the stored one")
        << QStringList{"000001.jpg"} << "000001.jpg" << "bron/weg.jpg" << "000001.jpg"
        << QStringList{"000001.jpg"};
}

void TstFrmSitekop::bewaren()
{
    QFETCH(QStringList, aanwezig);
    QFETCH(QString, logofile);
    QFETCH(QString, gekozen);
    QFETCH(QString, verwacht);
    QFETCH(QStringList, blijft);

    QTemporaryDir bron;
    for (const QString& naam : aanwezig)
        QVERIFY(TestPaden::SchrijfBestand(m_map->filePath(naam), "plaatje " + naam.toLatin1()));
    QString pad;
    QByteArray inhoud;
    if (gekozen.startsWith(QStringLiteral("bron/"))) {
        pad = bron.filePath(gekozen.mid(5));
        inhoud = "nieuw logo";
        if (gekozen.contains(QStringLiteral("weg")))
            inhoud = TestPaden::LeesBestand(m_map->filePath(logofile)); // the copy will fail
        else
            QVERIFY(TestPaden::SchrijfBestand(pad, inhoud));
    } else if (gekozen.startsWith(QStringLiteral("map/"))) {
        pad = m_map->filePath(gekozen.mid(4));
        inhoud = TestPaden::LeesBestand(pad);
    } else if (!logofile.isEmpty()) {
        inhoud = TestPaden::LeesBestand(m_map->filePath(logofile));
    }

    KopInstellingen kop = VoorbeeldKop();
    kop.logofile = logofile;
    Open(kop);
    if (!pad.isEmpty()) {
        m_dialogen.afbeelding = pad;
        Deel<QPushButton>("cmdKiesAfb")->click();
    }
    Deel<QPushButton>("cmdAkkoord")->click();

    QCOMPARE(m_venster->result(), int(QDialog::Accepted));
    QCOMPARE(m_kop.logofile, verwacht);
    QCOMPARE(Bestanden(m_map->path()), blijft);
    if (!verwacht.isEmpty())
        QCOMPARE(TestPaden::LeesBestand(m_map->filePath(verwacht)), inhoud);
    const QByteArray ini = TestPaden::LeesBestand(m_map->filePath(StandaardNaamKop));
    QVERIFY(ini.startsWith("donderdag\r\nBC De Troef\r\n"));
    QVERIFY(ini.contains("\r\nlogofile=" + verwacht.toLatin1() + "\r\n"));
    QVERIFY(m_meldingen.meldingen.isEmpty());
}

void TstFrmSitekop::opslaanMetAfgewezenBreedte()
{
    Open(KopInstellingen{});
    VerlaatBreedte(QStringLiteral("1200"));
    Deel<QPushButton>("cmdAkkoord")->click();
    QCOMPARE(m_meldingen.Teksten(), (QStringList{BreedteMelding, BreedteMelding}));
    QVERIFY(m_venster->isVisible());
    QVERIFY(Deel<QLineEdit>("txtKopVakBr")->hasFocus());
    QVERIFY(!QFile::exists(m_map->filePath(StandaardNaamKop)));

    VerlaatBreedte(QStringLiteral("800"));
    Deel<QPushButton>("cmdAkkoord")->click();
    QCOMPARE(m_venster->result(), int(QDialog::Accepted));
    QVERIFY(TestPaden::LeesBestand(m_map->filePath(StandaardNaamKop)).contains("\r\nkopvakbr=800\r\n"));
}

void TstFrmSitekop::opslaanMislukt()
{
    QVERIFY(QDir().mkpath(m_map->filePath(StandaardNaamKop))); // a folder where the file belongs
    Open(KopInstellingen{});
    m_venster->show();
    Deel<QPushButton>("cmdAkkoord")->click();
    QCOMPARE(m_meldingen.Teksten(), QStringList{"Het instellingenbestand kon niet worden opgeslagen:\r\n" +
                                                QDir::toNativeSeparators(m_map->filePath(StandaardNaamKop))});
    QCOMPARE(m_meldingen.meldingen[0].pictogram, Meldingen::Pictogram::Kritiek);
    QVERIFY(m_venster->isVisible());
}

void TstFrmSitekop::afbeeldingKiezen_data()
{
    // The dialog's answer, relative to a folder of source pictures; nothing means cancelled.
    QTest::addColumn<std::optional<QString>>("antwoord");
    QTest::addColumn<QString>("melding");
    QTest::addColumn<bool>("getoond"); // Label7 shows the chosen path
    QTest::addColumn<QString>("label8");
    QTest::addColumn<QString>("logofile");
    QTest::newRow("picture chosen") << std::optional<QString>(QStringLiteral("logo.jpg")) << "" << true
                                    << "Nieuw gekozen logobestand" << "000001.jpg";
    QTest::newRow("no extension refused")
        << std::optional<QString>(QStringLiteral("map.d/logo"))
        << "Kies een afbeelding met de extensie .bmp, .gif, .jpg of .ico." << false << "Bestaande logobestand"
        << "";
    QTest::newRow("cancelled") << std::optional<QString>() << "" << false << "Bestaande logobestand" << "";
    QTest::newRow("empty name") << std::optional<QString>(QString()) << "" << false << "Bestaande logobestand"
                                << "";
}

void TstFrmSitekop::afbeeldingKiezen()
{
    QFETCH(std::optional<QString>, antwoord);
    QFETCH(QString, melding);
    QFETCH(bool, getoond);
    QFETCH(QString, label8);
    QFETCH(QString, logofile);

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
    Deel<QPushButton>("cmdKiesAfb")->click();
    m_dialogen.afbeelding = antwoord && !antwoord->isEmpty() ? bron.filePath(*antwoord) : antwoord;
    Deel<QPushButton>("cmdKiesAfb")->click();
    if (profiel.isNull())
        qunsetenv("USERPROFILE");
    else
        qputenv("USERPROFILE", profiel);

    QCOMPARE(m_dialogen.startMap, QStringLiteral("/gebruikers/secretaris/Pictures"));
    QCOMPARE(m_dialogen.filter, QStringLiteral("Graphic Files (*.bmp *.gif *.jpg *.ico)"));
    QCOMPARE(m_meldingen.Teksten(), melding.isEmpty() ? QStringList{} : QStringList{melding});
    if (!melding.isEmpty())
        QCOMPARE(m_meldingen.meldingen.first().pictogram, Meldingen::Pictogram::Uitroep);
    QCOMPARE(Deel<QLabel>("Label7")->text(),
             getoond ? QDir::toNativeSeparators(*m_dialogen.afbeelding) : QString());
    QCOMPARE(Deel<QLabel>("Label8")->text(), getoond ? label8 : QStringLiteral("Nieuw gekozen logobestand"));
    Deel<QPushButton>("cmdAkkoord")->click();
    QCOMPARE(m_kop.logofile, logofile);
    QCOMPARE(Bestanden(m_map->path()), logofile.isEmpty() ? QStringList{} : QStringList{logofile});
}

void TstFrmSitekop::dialogen_data()
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

void TstFrmSitekop::dialogen()
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
    Deel<QPushButton>(qPrintable(knop))->click();
    QCOMPARE(m_kop.kopfont, lettertype);
    QCOMPARE(Deel<QLabel>("lblKopFont")->text(), lettertype);
    QCOMPARE(m_kop.kopkleur, kopkleur);
    QCOMPARE(m_kop.kopback, kopback);
    QCOMPARE(Deel<QLabel>("lblKopKleur")->palette().color(QPalette::Window), KleurVan(kopkleur));
    QCOMPARE(Deel<QLabel>("lblKopBack")->palette().color(QPalette::Window), KleurVan(kopback));
    const QImage beeld = Deel<KopVlak>("P0")->grab().toImage();
    QCOMPARE(QColor(beeld.pixel(700, KopVlak::Rand + 10)), KleurVan(kopback));
}

void TstFrmSitekop::logoOpnieuwInpassen()
{
    // A tall logo shrinks the logo area; a new margin fits it again from the full area.
    QVERIFY(MaakPlaatje(m_map->filePath(QStringLiteral("000001.bmp")), QSize(100, 200), "BMP"));
    KopInstellingen kop = VoorbeeldKop();
    kop.logofile = QStringLiteral("000001.bmp");
    Open(kop);
    auto* vlak = Deel<KopVlak>("P0");
    QCOMPARE(vlak->Vak().p2, QRect(5, 5, 45, 90));
    QCOMPARE(vlak->Vak().p1.width(), 55);

    Kies(Deel<QComboBox>("cmbMa"), QStringLiteral("10"));
    QCOMPARE(m_kop.logomarge, qint16(10));
    QCOMPARE(vlak->Vak().p2, QRect(10, 10, 40, 80));
    QCOMPARE(vlak->Vak().p1.width(), 60);

    Kies(Deel<QComboBox>("cmbKopVakHo"), QStringLiteral("130"));
    QCOMPARE(vlak->Vak().p2, QRect(10, 10, 55, 110));
    QCOMPARE(vlak->Lijn1(), QLine(76, 0, 76, KopVlak::Rand + 130 + 5));

    VerlaatBreedte(QStringLiteral("999"));
    QCOMPARE(vlak->Vak().p2, QRect(10, 10, 55, 110));
    QCOMPARE(Deel<QLabel>("Label3")->text(), QStringLiteral("333 x 130"));
}

void TstFrmSitekop::hoogteZonderLogo()
{
    KopInstellingen kop = VoorbeeldKop();
    kop.logofile.clear();
    Open(kop);
    auto* vlak = Deel<KopVlak>("P0");
    QCOMPARE(vlak->Vak(), (LogoVak{QRect(0, 0, 250, 100), QRect(5, 5, 240, 90)}));
    Kies(Deel<QComboBox>("cmbKopVakHo"), QStringLiteral("70"));
    QCOMPARE(m_kop.kopvakho, 70);
    QCOMPARE(vlak->Maat(), QSize(750, 70));
    QCOMPARE(vlak->Vak(), (LogoVak{QRect(0, 0, 250, 70), QRect(5, 5, 240, 60)}));
    QCOMPARE(Deel<QLabel>("lblKopBreed")->text(), QStringLiteral("Kopafmeting= 750x70 pixels"));
    VerlaatBreedte(QStringLiteral("600"));
    QCOMPARE(vlak->Vak(), (LogoVak{QRect(0, 0, 200, 70), QRect(5, 5, 190, 60)}));
}

QTEST_MAIN(TstFrmSitekop)
#include "tst_frmsitekop.moc"
