#include "app/opstarten.h"
#include "app/speelmomenten.h"
#include "moment/eindtijd.h"
#include "moment/frmafmelden.h"
#include "nodeharnas.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString kVoltooid = "\r\nHet Script-bestand voor 'donderdag-avond' is gemaakt.\r\n\r\nU moet het hierna nog "
                          "Uploaden.\r\n\r\nAls u ook een logoafbeelding hebt gemaakt of gewijzigd moet u die \u00F3\u00F3k "
                          "uploaden.";

// A copy of the demo Tafelwerk folder with donderdag-avond prepared, and its sign-off
// settings window; today is 15 March 2025.
struct Opstelling {
    QTemporaryDir dir;
    Werkruimte w;
    KopInstellingen kop;
    BewaardeMoment bewaard;
    MeldingRecorder meldingen;
    int ververst = 0;
    std::unique_ptr<FrmAfmelden> venster;

    explicit Opstelling(const QByteArray& ledenbestand = {})
    {
        TestPaden::KopieerMap(TestPaden::DemoMap(), dir.path());
        if (!ledenbestand.isEmpty())
            TestPaden::SchrijfBestand(dir.filePath("TWKspelers.txt"), ledenbestand);
        w.MapTwk = dir.path();
        w.MapSpelers = dir.path();
        w.BestandSpelers = dir.filePath("TWKspelers.txt");
        Opstarten::Init(w);
        Speelmomenten::BereidSpeelmomentVoor(w, "donderdag-avond", meldingen);
    }
    void Open()
    {
        venster = std::make_unique<FrmAfmelden>(
            w, kop, bewaard, StartKeuze{"donderdag-avond", "BC De Troef", 1, [this] { ++ververst; }}, meldingen,
            [] { return QDate(2025, 3, 15); });
        venster->ZetProgrammaMap(dir.path());
        venster->Form_Load();
        venster->show();
    }
    template <typename T> T* Control(const char* naam) const { return venster->findChild<T*>(QLatin1String(naam)); }
    QLineEdit* Vak(int i) const
    {
        for (QLineEdit* vak : venster->findChildren<QLineEdit*>("txtB2"))
            if (vak->property("index").toInt() == i)
                return vak;
        return nullptr;
    }
    void Vink(const char* lijst, int rij, bool aan = true)
    {
        Control<QListWidget>(lijst)->item(rij)->setCheckState(aan ? Qt::Checked : Qt::Unchecked);
    }
    QList<int> Vinkjes(const char* lijst) const
    {
        QList<int> uit;
        auto* l = Control<QListWidget>(lijst);
        for (int i = 0; i < l->count(); ++i)
            if (l->item(i)->checkState() == Qt::Checked)
                uit.append(i);
        return uit;
    }
    static void Verlaat(QWidget* control)
    {
        QFocusEvent uit(QEvent::FocusOut);
        QApplication::sendEvent(control, &uit);
    }
    void TypVak(int i, const QString& tekst)
    {
        Vak(i)->clear();
        QTest::keyClicks(Vak(i), tekst);
        Verlaat(Vak(i));
    }
    void TypAdressen(const QString& tekst)
    {
        Control<QPlainTextEdit>("txtEmailadressen")->setPlainText(tekst);
        Verlaat(Control<QPlainTextEdit>("txtEmailadressen"));
    }
    // Dates, an address, end time, groups A1 and MA and the four boxes.
    void VulIn()
    {
        Vink("lstDagen", 0);
        Vink("lstDagen", 1);
        Vink("lstDagen", 5);
        TypAdressen("secretaris@bctroef.nl\n\nwedstrijd@bctroef.nl");
        Vink("lstActEmails", 0);
        Control<QLineEdit>("txtContactPers")->setText("Jan de Vries");
        Control<QLineEdit>("txtEindtijd")->setText("15:30");
        Vink("lst1", 0);
        Vink("lst1", 3);
        TypVak(0, "1");
        TypVak(1, "1,4");
        TypVak(2, "4");
        TypVak(3, "1,4,");
    }
    void Einde() { QTest::mouseClick(Control<QPushButton>("cmdEinde"), Qt::LeftButton); }
    QString Script() const { return w.MapProgramma + "/donderdag-avond/hovelink.js"; }
    QString Ini() const { return w.MapProgramma + "/donderdag-avond/donderdag-avond.ini"; }
};

// The four name boxes and the dates the site preview shows while it is open; closes it.
struct VoorbeeldInhoud {
    QList<QStringList> vakken;
    QStringList dagen;
};

QStringList Regels(const QListWidget* lijst)
{
    QStringList uit;
    for (int i = 0; lijst && i < lijst->count(); ++i)
        uit.append(lijst->item(i)->text());
    return uit;
}

VoorbeeldInhoud BekijkVoorbeeld(QPushButton* knop)
{
    VoorbeeldInhoud inhoud;
    QTimer::singleShot(0, [&inhoud] {
        auto* venster = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!venster || venster->objectName() != "frmVoorbeeld")
            return;
        for (int k = 0; k < 4; ++k)
            inhoud.vakken.append(Regels(venster->findChild<QListWidget*>("lstVak" + QString::number(k))));
        inhoud.dagen = Regels(venster->findChild<QListWidget*>("lstSpeeldagen"));
        venster->accept();
    });
    knop->click();
    return inhoud;
}

const QString kKiesNaam = "-----  KIES NAAM  -----";

} // namespace

class TstFrmAfmelden : public QObject {
    Q_OBJECT
private slots:
    void opent();
    void helemaalDoorlopen();
    void heropenenHerstelt();
    void partnersTonen();
    void nietVerder_data();
    void nietVerder();
    void instellingenNietOpgeslagen();
    void groepenZonderLeden();
    void vakVerlaten_data();
    void vakVerlaten();
    void adressenOpnieuw();
    void voorbeeldMetToonPartner();
    void adressenGemarkeerd();
    void sneltoetsAlsMuisklik_data();
    void sneltoetsAlsMuisklik();
};

void TstFrmAfmelden::opent()
{
    Opstelling o;
    // A first month stored before must not carry over to a moment without one: it starts today.
    o.bewaard.Startdatum = QDate(2024, 9, 1);
    o.Open();
    QCOMPARE(o.venster->windowTitle(), "Alle ingevoerde gegevens gelden voor Speeldag: donderdag-avond");
    QCOMPARE(o.Control<QLabel>("lblSpeeldag")->text(), "Speeldag: donderdag-avond");
    QCOMPARE(o.Control<QPushButton>("cmbAfbreken")->text(), "Afbreken\r\n(niet opslaan)");
    QVERIFY(o.Control<QWidget>("Frame10")->isVisible());
    QCOMPARE(o.Control<QComboBox>("cmbVan")->currentText().left(10), "maart 2025");
    QCOMPARE(o.Control<QComboBox>("cmbTot")->currentText().left(9), "juni 2026");
    QVERIFY(o.Control<QComboBox>("cmbVan")->isEnabled());
    auto* dagen = o.Control<QListWidget>("lstDagen");
    QCOMPARE(dagen->item(0)->text(), "donderdag-avond 6 maart 2025" + QString(40, u' ') + "20250306");
    QCOMPARE(o.Control<QListWidget>("lst1")->count(), 5);
    QCOMPARE(o.Control<QListWidget>("lst1")->item(3)->text(), "4  (MA)");
    QVERIFY(o.Control<QCheckBox>("chk1")->isChecked());
    QVERIFY(!o.Control<QCheckBox>("chk1")->isEnabled());
    QVERIFY(o.Control<QCheckBox>("chk2")->isChecked());
    QVERIFY(o.Control<QCheckBox>("chkPartnerOok")->isChecked());
    QVERIFY(!o.Control<QWidget>("Frame8")->isEnabled());
    QCOMPARE(o.kop.kopvakho, 0); // no settings file: no line to pass over
    QVERIFY(o.meldingen.meldingen.isEmpty());
    QTest::mouseClick(o.Control<QPushButton>("cmdOverzicht"), Qt::LeftButton);
    QCOMPARE(o.meldingen.Teksten(), QStringList{"Overzicht niet aanwezig!"});
}

void TstFrmAfmelden::helemaalDoorlopen()
{
    Opstelling o;
    o.Open();
    o.VulIn(); // groups A1 and MA; boxes 1, "1,4", 4 and "1,4,"
    QCOMPARE(o.Control<QLabel>("Label6")->text(), "Aantal regels: 23");
    const QAbstractItemModel* overzicht = o.Control<QAbstractItemView>("txt1")->model();
    QCOMPARE(overzicht->rowCount(), 23);
    QCOMPARE(overzicht->index(0, 0).data().toString(), "0001  01=(A1)  Anna Bakker");
    QCOMPARE(overzicht->index(22, 0).data().toString(), "0023  04=(Ma)  Bep van Wijk");
    QCOMPARE(o.Control<QComboBox>("cmbPartner")->currentText(), "A1");

    const VoorbeeldInhoud inhoud = BekijkVoorbeeld(o.Control<QPushButton>("cmdVoorbeeld"));
    QCOMPARE(inhoud.vakken.size(), 4);
    QCOMPARE(inhoud.vakken[0], (QStringList{kKiesNaam, "Anna Bakker", "Bert van Dijk", "Kees 't Hart", "Olga Koster",
                                            "Piet Meijer", u"Hans Müller"_qs, "Maarten Smit", u"Zoë Verhoeven"_qs,
                                            "Lotte de Vries", "Rik Willems"}));
    QVERIFY(inhoud.vakken[1].contains("Partner1"));
    QVERIFY(!inhoud.vakken[2].contains("Partner1"));
    QCOMPARE(inhoud.dagen, (QStringList{"donderdag 6 maart 2025", "donderdag 13 maart 2025", "donderdag 10 april 2025"}));
    // Looking changes nothing.
    QVERIFY(o.meldingen.meldingen.isEmpty());
    QVERIFY(!QFileInfo::exists(o.Ini()));
    QVERIFY(!QFileInfo::exists(o.Script()));

    o.Einde();
    QCOMPARE(o.meldingen.Teksten(), QStringList{kVoltooid});
    QCOMPARE(o.meldingen.meldingen[0].pictogram, Meldingen::Pictogram::Informatie);
    QVERIFY(!o.venster->isVisible());
    QCOMPARE(o.ververst, 1);
    QCOMPARE(TestPaden::LeesBestand(o.Script()), TestPaden::LeesBestand(TestPaden::TestData("moment/doorlopen.js")));
    QCOMPARE(TestPaden::LeesBestand(o.Ini()), TestPaden::LeesBestand(TestPaden::TestData("moment/doorlopen.ini")));

    // The script passes node --check, and the site makes of it what the preview showed.
    NodeHarnas harnas;
    if (const QString fout = harnas.Fout(); !fout.isEmpty())
        QFAIL(qPrintable(fout));
    const QJsonObject js = harnas.DraaiBestand(o.Script(), {"naam1", "partner", "inval1", "inval3"});
    QVERIFY2(!js.isEmpty(), "node --check or the harness failed");
    for (int k = 0; k < 4; ++k) {
        QStringList opSite;
        for (const QJsonValue optie : js[u"vakken"].toArray().at(k)[u"opties"].toArray())
            opSite.append(optie[u"tekst"].toString());
        QCOMPARE(inhoud.vakken[k], opSite);
    }
    QCOMPARE(js[u"dag"].toArray().size(), inhoud.dagen.size());
}

void TstFrmAfmelden::heropenenHerstelt()
{
    Opstelling o;
    o.Open();
    o.VulIn();
    o.Einde();
    o.meldingen.meldingen.clear();
    o.Open();
    QVERIFY(o.meldingen.meldingen.isEmpty());
    QCOMPARE(o.Vinkjes("lstDagen"), (QList<int>{0, 1, 5}));
    QVERIFY(!o.Control<QComboBox>("cmbVan")->isEnabled());
    QVERIFY(!o.Control<QPushButton>("cmdMaakDatums")->isEnabled());
    QCOMPARE(o.Control<QListWidget>("lstActEmails")->count(), 2);
    QCOMPARE(o.Vinkjes("lstActEmails"), QList<int>{0});
    QCOMPARE(o.Control<QPlainTextEdit>("txtEmailadressen")->toPlainText(), "secretaris@bctroef.nl\nwedstrijd@bctroef.nl\n");
    QCOMPARE(o.Control<QLineEdit>("txtContactPers")->text(), "Jan de Vries");
    QCOMPARE(o.Control<QLineEdit>("txtEindtijd")->text(), "15:30");
    QCOMPARE(o.Vinkjes("lst1"), (QList<int>{0, 3}));
    QCOMPARE(o.Vak(1)->text(), "1,4");
    QCOMPARE(o.Vak(3)->text(), "1,4,");
    QCOMPARE(o.Control<QComboBox>("cmbPartner")->currentText(), "A1");
    QVERIFY(!o.Control<QCheckBox>("chkToonPartner")->isChecked());
    QCOMPARE(o.kop.kopvakho, 100); // the empty line after the addresses
    // Saving again unchanged writes the same bytes.
    const QByteArray eerst = TestPaden::LeesBestand(o.Ini());
    o.Einde();
    QCOMPARE(TestPaden::LeesBestand(o.Ini()), eerst);
}


void TstFrmAfmelden::partnersTonen()
{
    Opstelling o;
    o.Open();
    o.VulIn();
    auto* partner = o.Control<QComboBox>("cmbPartner");
    partner->setCurrentIndex(1);
    emit partner->activated(1);
    QVERIFY(!o.Control<QCheckBox>("chkToonPartner")->isChecked());
    o.Control<QCheckBox>("chkToonPartner")->click();
    QVERIFY(o.Control<QLineEdit>("Text1")->isVisible());
    QCOMPARE(o.Control<QLineEdit>("Text1")->geometry().size(), o.Vak(1)->size());
    o.TypVak(0, "4");
    o.Einde();
    QCOMPARE(o.meldingen.Teksten(), QStringList{kVoltooid});
    const QString script = QString::fromLatin1(TestPaden::LeesBestand(o.Script()));
    QVERIFY(script.contains("alg[7]=1;"));
    QVERIFY(script.contains("var DUM11='#000#004';")); // box 1 takes the text of box 0
    QVERIFY(script.contains("='001037000001038004';"));
    QVERIFY(script.contains("='001038000001037004';"));
    QVERIFY(script.contains("='001001000000000001';")); // A1's pairs are not in MA's file
    QVERIFY(TestPaden::LeesBestand(o.Ini()).contains("txtb2b=4\r\n"));
    QVERIFY(TestPaden::LeesBestand(o.Ini()).contains("Partnerbest=MA\r\nToonpartner=1\r\n"));
}


// Ways out of the filled-in window that stop short of writing, or ask first.
void TstFrmAfmelden::nietVerder_data()
{
    const QString geenAdres = "Er zijn nog g\u00E9\u00E9n Afmeld-emailadres(sen) geselecteerd!\r\nDat is niet verplicht, "
                              "wel een extra zekerheid.\r\n\r\nWilt u toch doorgaan?.";
    QTest::addColumn<QString>("actie");
    QTest::addColumn<QStringList>("meldingen");
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("geschreven"); // script and settings file
    QTest::newRow("Afbreken") << "afbreken"
                              << QStringList{"Er is afgebroken, de wijzigingen worden niet bewaard!"} << false << false;
    QTest::newRow("no date ticked")
        << "geen datum" << QStringList{"Er zijn g\u00E9\u00E9n speeldagen geselecteerd in de speelkalender!"} << true
        << false;
    QTest::newRow("no address ticked, No stays") << "geen adres nee" << QStringList{geenAdres} << true << false;
    QTest::newRow("no address ticked, Yes goes on")
        << "geen adres ja" << QStringList{geenAdres, kVoltooid} << false << true;
}

void TstFrmAfmelden::nietVerder()
{
    QFETCH(QString, actie);
    QFETCH(QStringList, meldingen);
    QFETCH(bool, open);
    QFETCH(bool, geschreven);
    Opstelling o;
    o.Open();
    o.VulIn();
    if (actie == "geen datum")
        QTest::mouseClick(o.Control<QPushButton>("cmdDeselect"), Qt::LeftButton);
    if (actie.startsWith("geen adres")) {
        o.Vink("lstActEmails", 0, false);
        o.meldingen.ZetVolgendAntwoord(actie.endsWith("ja") ? Meldingen::Antwoord::Ja : Meldingen::Antwoord::Nee);
    }
    if (actie == "afbreken")
        QTest::mouseClick(o.Control<QPushButton>("cmbAfbreken"), Qt::LeftButton);
    else
        o.Einde();
    QCOMPARE(o.meldingen.Teksten(), meldingen);
    if (actie == "afbreken")
        QCOMPARE(o.meldingen.meldingen[0].pictogram, Meldingen::Pictogram::Uitroep);
    if (actie.startsWith("geen adres"))
        QCOMPARE(o.meldingen.meldingen[0].knoppen, Meldingen::Knoppen::JaNee);
    QCOMPARE(o.venster->isVisible(), open);
    QCOMPARE(QFileInfo::exists(o.Ini()), geschreven);
    QCOMPARE(QFileInfo::exists(o.Script()), geschreven);
    QCOMPARE(o.ververst, geschreven ? 1 : 0);
}

void TstFrmAfmelden::instellingenNietOpgeslagen()
{
    Opstelling o;
    o.Open();
    o.VulIn();
    QVERIFY(QDir().mkpath(o.Ini())); // a folder where the settings file belongs
    o.Einde();
    QCOMPARE(o.meldingen.Teksten(), (QStringList{kVoltooid, "Het instellingenbestand kon niet worden opgeslagen:\r\n" +
                                                               QDir::toNativeSeparators(o.Ini()) + "\r\n\r\nFilename refers to a directory"}));
    QCOMPARE(o.meldingen.meldingen[1].pictogram, Meldingen::Pictogram::Kritiek);
    QVERIFY(o.venster->isVisible()); // nothing typed is lost
}


void TstFrmAfmelden::groepenZonderLeden()
{
    QByteArray leden = "kop\r\n";
    for (int i = 0; i < 3; ++i)
        leden += "1,500" + QByteArray::number(i) + ",X,Jan,,Dood" + QByteArray::number(i) + ",,,,,,,,,,Overleden,,\r\n";
    Opstelling o(leden);
    o.Open();
    QTest::mouseClick(o.Control<QPushButton>("cmdSelect"), Qt::LeftButton);
    o.TypAdressen("a@b.nl");
    o.Vink("lstActEmails", 0);
    o.Vink("lst1", 0);
    QCOMPARE(o.Control<QLabel>("Label6")->text(), "Aantal regels: 0");
    for (int i = 0; i < 4; ++i)
        o.TypVak(i, "1");
    o.Einde();
    QCOMPARE(o.meldingen.Teksten(),
             QStringList{"Er wordt g\u00E9\u00E9n scriptbestand aangemaakt want er moeten spelers beschikbaar zijn!"});
    QVERIFY(!QFileInfo::exists(o.Script()));
    QVERIFY(QFileInfo::exists(o.Ini()));
    QVERIFY(!o.venster->isVisible());
    QCOMPARE(o.ververst, 1);
}


// Leaving a box runs its check; end time -1, group boxes 0 to 3 (groups 1 and 4 ticked).
void TstFrmAfmelden::vakVerlaten_data()
{
    QTest::addColumn<int>("vak");
    QTest::addColumn<QString>("getypt");
    QTest::addColumn<QString>("inBox");
    QTest::addColumn<QString>("melding");
    QTest::addColumn<bool>("geel");
    QTest::newRow("end time 9:30 refused") << -1 << "9:30" << "9:30"
                                           << "De schrijfwijze is niet juist!\r\n\r\nEnkele voorbeelden: 09:00, 15:00, 18:35."
                                           << false;
    QTest::newRow("end time letters dropped") << -1 << "1a5:b30" << "15:30" << "" << false;
    QTest::newRow("end time 00:00") << -1 << "00:00" << "00:00" << "" << false;
    QTest::newRow("two groups in naam1") << 0 << "1,4" << "" << "In vak 'naam1' mag slechts 1 groep gebruikt worden!" << false;
    QTest::newRow("group not ticked") << 2 << "1,3" << "" << "Groep 3 is niet geselecteerd in bovenstaande lijst!" << true;
    QTest::newRow("ticked groups") << 2 << "1,4" << "1,4" << "" << false;
    QTest::newRow("only digits and commas") << 3 << "a1 ;,b4" << "1,4" << "" << false;
}

void TstFrmAfmelden::vakVerlaten()
{
    QFETCH(int, vak);
    QFETCH(QString, getypt);
    QFETCH(QString, inBox);
    QFETCH(QString, melding);
    QFETCH(bool, geel);
    Opstelling o;
    o.Open();
    o.Vink("lst1", 0);
    o.Vink("lst1", 3);
    QLineEdit* box = vak < 0 ? o.Control<QLineEdit>("txtEindtijd") : o.Vak(vak);
    box->clear();
    QTest::keyClicks(box, getypt);
    Opstelling::Verlaat(box);
    QCOMPARE(box->text(), inBox);
    QCOMPARE(o.meldingen.Teksten(), melding.isEmpty() ? QStringList{} : QStringList{melding});
    if (vak >= 0)
        QCOMPARE(box->styleSheet().contains("#ffff00"), geel);
}

void TstFrmAfmelden::adressenOpnieuw()
{
    Opstelling o;
    o.Open();
    o.TypAdressen("a\n\nb\n\n");
    QCOMPARE(o.Control<QPlainTextEdit>("txtEmailadressen")->toPlainText(), "a\nb\n");
    o.Vink("lstActEmails", 1);
    o.TypAdressen("   ");
    QCOMPARE(o.Vinkjes("lstActEmails"), QList<int>{1}); // an empty box keeps the rows
    o.TypAdressen("a\nb\nc");
    QCOMPARE(o.Control<QListWidget>("lstActEmails")->count(), 3);
    QVERIFY(o.Vinkjes("lstActEmails").isEmpty());
}


void TstFrmAfmelden::voorbeeldMetToonPartner()
{
    Opstelling o;
    o.Open();
    o.VulIn();
    o.Control<QCheckBox>("chkToonPartner")->click();
    QVERIFY(o.Control<QCheckBox>("chkToonPartner")->isChecked());
    const VoorbeeldInhoud inhoud = BekijkVoorbeeld(o.Control<QPushButton>("cmdVoorbeeld"));
    QCOMPARE(inhoud.vakken.size(), 4);
    // Box 1 shows the groups of box 0, as leaving with OK will make it; only the dummies
    // that box 0 refuses come back.
    QStringList verwacht = inhoud.vakken[0];
    verwacht.insert(verwacht.indexOf(u"Hans Müller"_qs) + 1, "Partner1");
    QCOMPARE(inhoud.vakken[1], verwacht);
    // The preview worked on a copy: the box and the settings stay as they were.
    QCOMPARE(o.Vak(1)->text(), "1,4");
    QVERIFY(o.Control<QCheckBox>("chkToonPartner")->isChecked());
    QVERIFY(!QFileInfo::exists(o.Ini()));
}


void TstFrmAfmelden::adressenGemarkeerd()
{
    Opstelling o;
    o.Open();
    o.TypAdressen("secretaris@bctroef.nl\nwedstrijd@bctroef\nSecretaris@BCTroef.nl\njan@bctroef.nl");
    auto* lijst = o.Control<QListWidget>("lstActEmails");
    QCOMPARE(Regels(lijst), (QStringList{"secretaris@bctroef.nl", "wedstrijd@bctroef", "Secretaris@BCTroef.nl",
                                         "jan@bctroef.nl"}));
    const QString dubbel = "Dit adres staat twee keer in de lijst.";
    QCOMPARE(lijst->item(0)->toolTip(), dubbel);
    QCOMPARE(lijst->item(1)->toolTip(), "Dit lijkt geen geldig e-mailadres.");
    QCOMPARE(lijst->item(2)->toolTip(), dubbel);
    QCOMPARE(lijst->item(3)->toolTip(), QString());
    QCOMPARE(lijst->item(3)->background().style(), Qt::NoBrush);
    for (int i : {0, 1, 2})
        QVERIFY(lijst->item(i)->background().style() != Qt::NoBrush);
    QVERIFY(lijst->item(0)->background() != lijst->item(1)->background());
    // The list keeps its own tooltip for the rows without a mark.
    QCOMPARE(lijst->toolTip(), "Alleen de AANGEVINKTE emailadressen ontvangen de AFMELDINGEN.");

    // Marks stay marks: the wrong address is still saved and written when ticked.
    o.Vink("lstActEmails", 1);
    o.Vink("lstDagen", 0);
    o.Vink("lst1", 0);
    for (int i = 0; i < 4; ++i)
        o.TypVak(i, "1");
    o.Einde();
    QVERIFY(TestPaden::LeesBestand(o.Ini()).contains(
        "Eadressen=secretaris@bctroef.nl##wedstrijd@bctroef##Secretaris@BCTroef.nl##jan@bctroef.nl##\r\n"));
    QVERIFY(TestPaden::LeesBestand(o.Script()).contains("actem[0]='wedstrijd@bctroef';"));
}


void TstFrmAfmelden::sneltoetsAlsMuisklik_data()
{
    QTest::addColumn<bool>("muis");
    QTest::newRow("mouse click") << true;
    QTest::newRow("Alt+O") << false;
}


void TstFrmAfmelden::sneltoetsAlsMuisklik()
{
    QFETCH(bool, muis);
    Opstelling o;
    o.Open();
    o.VulIn();
    QApplication::setActiveWindow(o.venster.get());
    QVERIFY(QTest::qWaitForWindowActive(o.venster.get()));
    // A wrong end time in the box that has the focus.
    auto* eindtijd = o.Control<QLineEdit>("txtEindtijd");
    eindtijd->setFocus();
    eindtijd->setText("9:30");
    o.meldingen.meldingen.clear();
    if (muis)
        QTest::mouseClick(o.Control<QPushButton>("cmdEinde"), Qt::LeftButton);
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
    // The end-time box was left first and checked; then the window was left with OK.
    QVERIFY(!o.meldingen.meldingen.isEmpty());
    QCOMPARE(o.meldingen.Teksten().first(), Eindtijd::Controleer("9:30").value());
    QCOMPARE(o.Control<QPushButton>("cmdEinde")->text(), "Indien OKE dan terug");
}

QTEST_MAIN(TstFrmAfmelden)
#include "tst_frmafmelden.moc"
