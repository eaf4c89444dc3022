#include "members/testleden.h"
#include "moment/groepvakken.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace TestLeden;

namespace {

// Groups A1, B, C, E and MA (rows 1 to 5). E has only a deceased member; A1 and MA have
// partner files, MA's written in lower case.
QStringList StandaardLeden() {
    Lid overleden;
    overleden.groep2 = "E";
    overleden.achternaam = "Oud";
    overleden.overleden = "Overleden";
    return {InGroep("A", "1", "Bakker", "1001"),  InGroep("a", "1", "Dijk", "1002"),
            InGroep("B", "", "Kok", "1003"),      InGroep("B", "", "Bos", "1004"),
            InGroep("C", "", "Vos", "1005"),      Regel(overleden),
            InGroep("M", "a", "Groen", "1006"),   InGroep("m", "A", "Blom", "1007"),
            InGroep("M", "a", "Partner2", "1008")};
}

// A Tafelwerk folder with a member file and partner files, and the group logic over it.
struct Omgeving {
    QTemporaryDir map;
    MeldingRecorder meldingen;
    std::unique_ptr<Groepvakken> vakken;

    explicit Omgeving(const BewaardeGroepkeuze& bewaard = {},
                      const QStringList& regels = StandaardLeden(),
                      const QStringList& partnerbestanden = {"A1.txt", "ma.txt"}) {
        for (const QString& naam : partnerbestanden)
            TestPaden::SchrijfBestand(map.filePath("TWKspelers/Parenmap/" + naam),
                                      "1001-1002#\r\n");
        vakken = std::make_unique<Groepvakken>(map.path(), bewaard, meldingen);
        vakken->LeesGroepen(Schrijf(map.path(), regels));
    }

    GroepFrame& Frame() { return vakken->Frame(); }

    void Vink(const QList<int>& rijen) {
        for (int r : rijen)
            vakken->ZetGroep(r, true);
    }

    void ZetVakken(const QStringList& teksten) {
        for (int i = 0; i < kAantalVakken; ++i)
            Frame().txtB2[i].tekst = teksten.at(i);
    }

    QStringList Vakken() {
        QStringList uit;
        for (const GroepVak& vak : Frame().txtB2)
            uit << vak.tekst;
        return uit;
    }

    QList<bool> Geel() {
        QList<bool> uit;
        for (const GroepVak& vak : Frame().txtB2)
            uit << vak.geel;
        return uit;
    }
};

const QString kAlleVakken =
    QStringLiteral("Alle vakken moeten voorzien zijn van een groepsnummer!\r\n"
                   "Vak 1 mag slechts 1 groep bevatten, de overige mogen meer groepen hebben.\r\n"
                   "Schrijfwijze bijv: 1,3,5");
const QString kNaam1Groep = QStringLiteral("In vak 'naam1' mag slechts 1 groep gebruikt worden!");
const QString kNaam1Ledengroep =
    QStringLiteral("In vak 'naam1' mag slechts 1 ledengroep gebruikt worden!");
const QString kPartnergroep =
    QStringLiteral("De groep in vak 'naam1' komt niet overeen met de PARTNERgroep!");

QString NietGeselecteerd(const QString& n) {
    return QStringLiteral("Groep ") + n +
           QStringLiteral(" is niet geselecteerd in bovenstaande lijst!");
}

using Pictogram = Meldingen::Pictogram;

} // namespace

class TstGroepvakken : public QObject {
    Q_OBJECT
private slots:
    void beginstaat();
    void groepWissel_data();
    void groepWissel();
    void partnerOok();
    void toonPartner_data();
    void toonPartner();
    void herstel_data();
    void herstel();
    void vakVerlaten_data();
    void vakVerlaten();
    void controle_data();
    void controle();
    void kleurBijControle();
    void partnerHulp();
    void demo();
    void ledenbestandOnleesbaar_data();
    void ledenbestandOnleesbaar();
};

void TstGroepvakken::beginstaat() {
    Omgeving o;
    QVERIFY(o.vakken->LedenbestandGelezen());
    QCOMPARE(o.Frame().lst1.rijen.size(), 5);
    QCOMPARE(o.Frame().lst1.huidigeRij, 0);
    QCOMPARE(o.Frame().Label6, "Aantal ....");
    QVERIFY(!o.Frame().Frame8Enabled);
    QVERIFY(!o.Frame().cmbPartner.enabled);
    QVERIFY(!o.Frame().chkToonPartner.enabled);
    QCOMPARE(o.Frame().chkToonPartner.waarde, 0);
    QVERIFY(!o.Frame().Text1Zichtbaar);
    QCOMPARE(o.Frame().chkPartnerOok.waarde, 1);
    QVERIFY(!o.Frame().chkPartnerOok.enabled);
}

void TstGroepvakken::groepWissel_data() {
    QTest::addColumn<QList<int>>("aan");
    QTest::addColumn<QList<int>>("uit");
    QTest::addColumn<QString>("bewaardBestand");
    QTest::addColumn<int>("bewaardToon");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("geselecteerd");
    QTest::addColumn<bool>("cmbAan");
    QTest::addColumn<int>("toon");
    QTest::addColumn<bool>("toonAan");
    QTest::addColumn<QString>("label6");

    QTest::newRow("group without partner file")
        << QList<int>{1} << QList<int>{} << "" << 0 << QStringList{} << -1 << false << 0 << false
        << "Aantal regels: 2";
    QTest::newRow("group with partner file")
        << QList<int>{0} << QList<int>{} << "" << 0 << QStringList{"A1"} << 0 << true << 0 << true
        << "Aantal regels: 2";
    QTest::newRow("partner file named in another case")
        << QList<int>{4} << QList<int>{} << "" << 0 << QStringList{"MA"} << 0 << true << 0 << true
        << "Aantal regels: 3";
    QTest::newRow("partner files in row order")
        << QList<int>{4, 1, 0} << QList<int>{} << "" << 0 << QStringList{"A1", "MA"} << 0 << true
        << 0 << true << "Aantal regels: 7";
    QTest::newRow("saved file restored ticked")
        << QList<int>{0, 4} << QList<int>{} << "ma" << 1 << QStringList{"A1", "MA"} << 1 << true
        << 1 << true << "Aantal regels: 5";
    QTest::newRow("saved file restored unticked")
        << QList<int>{0, 4} << QList<int>{} << "MA" << 0 << QStringList{"A1", "MA"} << 1 << true
        << 0 << true << "Aantal regels: 5";
    QTest::newRow("saved first entry ticked")
        << QList<int>{0, 4} << QList<int>{} << "A1" << 1 << QStringList{"A1", "MA"} << 0 << true
        << 1 << true << "Aantal regels: 5";
    QTest::newRow("saved file not offered")
        << QList<int>{0, 4} << QList<int>{} << "ZZ" << 1 << QStringList{"A1", "MA"} << 0 << true
        << 0 << true << "Aantal regels: 5";
    QTest::newRow("saved file of an unticked group")
        << QList<int>{1} << QList<int>{} << "A1" << 1 << QStringList{} << -1 << false << 0 << false
        << "Aantal regels: 2";
    QTest::newRow("group without members")
        << QList<int>{3} << QList<int>{} << "" << 0 << QStringList{} << -1 << false << 0 << false
        << "Aantal regels: 0";
    QTest::newRow("last group unticked")
        << QList<int>{0} << QList<int>{0} << "A1" << 1 << QStringList{} << -1 << true << 0 << false
        << "Aantal ...";
    QTest::newRow("one of two unticked")
        << QList<int>{0, 4} << QList<int>{0} << "MA" << 1 << QStringList{"MA"} << 0 << true << 1
        << true << "Aantal regels: 3";
}

void TstGroepvakken::groepWissel() {
    QFETCH(QList<int>, aan);
    QFETCH(QList<int>, uit);
    QFETCH(QString, bewaardBestand);
    QFETCH(int, bewaardToon);
    QFETCH(QStringList, items);
    QFETCH(int, geselecteerd);
    QFETCH(bool, cmbAan);
    QFETCH(int, toon);
    QFETCH(bool, toonAan);
    QFETCH(QString, label6);

    Omgeving o({QString(), bewaardBestand, bewaardToon});
    o.Vink(aan);
    for (int r : uit)
        o.vakken->ZetGroep(r, false);
    const GroepFrame& f = o.Frame();
    QCOMPARE(f.cmbPartner.items, items);
    QCOMPARE(f.cmbPartner.geselecteerd, geselecteerd);
    QCOMPARE(f.cmbPartner.enabled, cmbAan);
    QCOMPARE(f.chkToonPartner.waarde, toon);
    QCOMPARE(f.chkToonPartner.enabled, toonAan);
    QCOMPARE(f.Text1Zichtbaar, toon == 1);
    QVERIFY(f.Frame8Enabled);
    QCOMPARE(f.Label6, label6);
    QCOMPARE(f.txt1.count(u'\n'), label6.startsWith("Aantal regels") ? label6.mid(15).toInt() : 0);
    QVERIFY(o.meldingen.meldingen.isEmpty());
}

void TstGroepvakken::partnerOok() {
    Omgeving o({QString(), "MA", 1});
    o.Vink({4});
    QCOMPARE(o.Frame().Label6, "Aantal regels: 3");
    QVERIFY(o.Frame().txt1.contains("Partner2"));
    QCOMPARE(o.Frame().chkToonPartner.waarde, 1);

    o.Frame().chkPartnerOok.waarde = 0;
    o.vakken->chkPartnerOok_Click();
    QCOMPARE(o.Frame().Label6, "Aantal regels: 2");
    QVERIFY(!o.Frame().txt1.contains("Partner2"));
    QCOMPARE(o.Frame().ListH.size(), 2);
    // The member list is rebuilt with the partner files, restoring the saved choice again.
    QCOMPARE(o.Frame().cmbPartner.items, QStringList{"MA"});
    QCOMPARE(o.Frame().chkToonPartner.waarde, 1);
}

void TstGroepvakken::toonPartner_data() {
    QTest::addColumn<QString>("actie");
    QTest::addColumn<int>("toon");
    QTest::addColumn<bool>("text1");
    QTest::newRow("ticked shows (partners)") << "vink 1" << 1 << true;
    QTest::newRow("grey hides (partners)") << "vink 2" << 2 << false;
    QTest::newRow("unticked hides (partners)") << "vink 0" << 0 << false;
    QTest::newRow("picking a partner file unticks") << "kies" << 0 << false;
}

void TstGroepvakken::toonPartner() {
    QFETCH(QString, actie);
    QFETCH(int, toon);
    QFETCH(bool, text1);
    Omgeving o;
    o.Vink({0, 4});
    o.Frame().chkToonPartner.waarde = 1;
    o.vakken->chkToonPartner_Click();
    QVERIFY(o.Frame().Text1Zichtbaar);
    if (actie == "kies") {
        o.Frame().cmbPartner.geselecteerd = 1;
        o.vakken->cmbPartner_Click();
    } else {
        o.Frame().chkToonPartner.waarde = actie.right(1).toInt();
        o.vakken->chkToonPartner_Click();
    }
    QCOMPARE(o.Frame().chkToonPartner.waarde, toon);
    QCOMPARE(o.Frame().Text1Zichtbaar, text1);
}

void TstGroepvakken::herstel_data() {
    QTest::addColumn<QStringList>("regels");
    QTest::addColumn<QString>("bewaard");
    QTest::addColumn<QList<int>>("aangevinkt");
    QTest::addColumn<int>("huidig");

    QTest::newRow("two saved groups") << StandaardLeden() << "(A1),(MA)" << QList<int>{0, 4} << 0;
    QTest::newRow("nothing saved keeps the current row") << StandaardLeden() << "" << QList<int>{} << 2;
    QTest::newRow("saved key matched with its case") << StandaardLeden() << "(a1),(MA)" << QList<int>{4} << 0;
    QTest::newRow("saved group that no longer exists") << StandaardLeden() << "(Q)" << QList<int>{} << 0;
    QTest::newRow("key contained in another saved key")
        << QStringList{InGroep("B", "", "Kok"), InGroep("X(B", ")", "Bos"), InGroep("C", "", "Vos")}
        << "(X(B))" << QList<int>{0, 2} << 0;
}

void TstGroepvakken::herstel() {
    QFETCH(QStringList, regels);
    QFETCH(QString, bewaard);
    QFETCH(QList<int>, aangevinkt);
    QFETCH(int, huidig);
    Omgeving o({bewaard, QString(), 0}, regels);
    o.Frame().lst1.huidigeRij = 2;
    o.vakken->HerstelLedengroepen();
    QList<int> gevonden;
    for (qsizetype r = 0; r < o.Frame().lst1.rijen.size(); ++r)
        if (o.Frame().lst1.rijen.at(r).aangevinkt)
            gevonden << int(r);
    QCOMPARE(gevonden, aangevinkt);
    QCOMPARE(o.Frame().lst1.huidigeRij, huidig);
    QCOMPARE(o.Frame().ListH.isEmpty(), aangevinkt.isEmpty());
}

void TstGroepvakken::vakVerlaten_data() {
    QTest::addColumn<QList<int>>("aangevinkt");
    QTest::addColumn<int>("vak");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<bool>("aanvaard");
    QTest::addColumn<QString>("daarna");
    QTest::addColumn<bool>("geel");
    QTest::addColumn<QString>("melding");
    QTest::addColumn<int>("pictogram");

    const int geen = int(Pictogram::Geen);
    const int uitroep = int(Pictogram::Uitroep);
    QTest::newRow("1,3 in box 0") << QList<int>{0, 2} << 0 << "1,3" << false << "" << false
                                  << kNaam1Groep << geen;
    QTest::newRow("1,3 in box 2") << QList<int>{0, 2} << 2 << "1,3" << true << "1,3" << false << "" << 0;
    QTest::newRow("group 3 not ticked")
        << QList<int>{0} << 2 << "1,3" << false << "" << true << NietGeselecteerd("3") << uitroep;
    QTest::newRow("trailing comma") << QList<int>{0, 2} << 3 << "1,3," << true << "1,3," << false << "" << 0;
    QTest::newRow("empty box") << QList<int>{0} << 1 << "" << true << "" << false << "" << 0;
    QTest::newRow("empty elements passed over")
        << QList<int>{0, 2} << 2 << ",1,,3" << true << ",1,,3" << false << "" << 0;
    QTest::newRow("11 is not 1") << QList<int>{0} << 1 << "11" << false << "" << true
                                 << NietGeselecteerd("11") << uitroep;
    QTest::newRow("number however large")
        << QList<int>{0} << 3 << "1,99999999999999999999" << false << "" << true
        << NietGeselecteerd("99999999999999999999") << uitroep;
    QTest::newRow("0 is no group")
        << QList<int>{0} << 3 << "0" << false << "" << true << NietGeselecteerd("0") << uitroep;
    QTest::newRow("first missing group named")
        << QList<int>{1} << 2 << "5,2,4" << false << "" << true << NietGeselecteerd("5") << uitroep;
    QTest::newRow("nothing ticked")
        << QList<int>{} << 1 << "2" << false << "" << true << NietGeselecteerd("2") << uitroep;
}

void TstGroepvakken::vakVerlaten() {
    QFETCH(QList<int>, aangevinkt);
    QFETCH(int, vak);
    QFETCH(QString, tekst);
    QFETCH(bool, aanvaard);
    QFETCH(QString, daarna);
    QFETCH(bool, geel);
    QFETCH(QString, melding);
    QFETCH(int, pictogram);

    Omgeving o;
    o.Vink(aangevinkt);
    o.Frame().txtB2[vak] = {tekst, true}; // yellow from an earlier failure
    QCOMPARE(o.vakken->txtB2_LostFocus(vak), aanvaard);
    QCOMPARE(o.Frame().txtB2[vak].tekst, daarna);
    QCOMPARE(o.Frame().txtB2[vak].geel, geel);
    QCOMPARE(o.Frame().focusVak, aanvaard ? -1 : vak);
    if (melding.isEmpty()) {
        QVERIFY(o.meldingen.meldingen.isEmpty());
    } else {
        QCOMPARE(o.meldingen.Teksten(), QStringList{melding});
        QCOMPARE(int(o.meldingen.meldingen.first().pictogram), pictogram);
        QCOMPARE(o.meldingen.meldingen.first().knoppen, Meldingen::Knoppen::Ok);
    }
}

void TstGroepvakken::controle_data() {
    QTest::addColumn<QList<int>>("aangevinkt");
    QTest::addColumn<QStringList>("vakken");
    QTest::addColumn<int>("toon");    // chkToonPartner
    QTest::addColumn<int>("partner"); // selected entry of cmbPartner
    QTest::addColumn<int>("fout");    // failing box, -1 none
    QTest::addColumn<QStringList>("daarna");
    QTest::addColumn<QString>("melding");
    QTest::addColumn<int>("pictogram");

    const int geen = int(Pictogram::Geen);
    const int uitroep = int(Pictogram::Uitroep);
    const QList<int> a1b{0, 1};
    QTest::newRow("all boxes good") << a1b << QStringList{"1", "2", "1,2", " 2, 1 "} << 0 << -1
                                    << -1 << QStringList{"1", "2", "1,2", " 2, 1 "} << "" << 0;
    QTest::newRow("empty box 3") << a1b << QStringList{"1", "2", "1", ""} << 0 << -1 << 3
                                 << QStringList{"1", "2", "1", ""} << kAlleVakken << uitroep;
    QTest::newRow("blanks only is empty")
        << a1b << QStringList{"1", "2", "  ", "1"} << 0 << -1 << 2 << QStringList{"1", "2", "", "1"}
        << kAlleVakken << uitroep;
    QTest::newRow("1,3 in box 0") << QList<int>{0, 2} << QStringList{"1,3", "1", "1", "1"} << 0
                                  << -1 << 0 << QStringList{"", "1", "1", "1"} << kNaam1Ledengroep << geen;
    QTest::newRow("group 3 not ticked") << QList<int>{0} << QStringList{"1", "1", "1,3", "1"} << 0 << -1 << 2
        << QStringList{"1", "1", "", "1"} << NietGeselecteerd("3") << uitroep;
    QTest::newRow("only the first failure") << QList<int>{0} << QStringList{"", "7", "", "1"} << 0 << -1 << 0
        << QStringList{"", "7", "", "1"} << kAlleVakken << uitroep;
    QTest::newRow("box 1 copied from box 0")
        << QList<int>{0} << QStringList{" 1 ", "", "1", "1"} << 1 << 0 << -1
        << QStringList{" 1 ", " 1 ", "1", "1"} << "" << 0;
    QTest::newRow("box 1 overwritten from box 0")
        << QList<int>{0, 1} << QStringList{"1", "2", "1", "1"} << 1 << 0 << -1
        << QStringList{"1", "1", "1", "1"} << "" << 0;
    QTest::newRow("box 1 not copied when box 0 fails")
        << QList<int>{0} << QStringList{"", "", "1", "1"} << 1 << 0 << 0
        << QStringList{"", "", "1", "1"} << kAlleVakken << uitroep;
    QTest::newRow("box 1 checked without chkToonPartner")
        << QList<int>{0} << QStringList{"1", "", "1", "1"} << 0 << 0 << 1
        << QStringList{"1", "", "1", "1"} << kAlleVakken << uitroep;
    QTest::newRow("partner file of another group")
        << QList<int>{0, 4} << QStringList{"1", "", "1", "5"} << 1 << 1 << 0
        << QStringList{"", "", "1", "5"} << kPartnergroep << geen;
    QTest::newRow("partner file of the box 0 group")
        << QList<int>{0, 4} << QStringList{"1", "", "1", "5"} << 1 << 0 << -1
        << QStringList{"1", "1", "1", "5"} << "" << 0;
    QTest::newRow("partner test needs chkToonPartner")
        << QList<int>{0, 4} << QStringList{"1", "1", "1", "5"} << 0 << 1 << -1
        << QStringList{"1", "1", "1", "5"} << "" << 0;
    QTest::newRow("box 0 group not ticked") << QList<int>{4} << QStringList{"1", "", "5", "5"} << 1 << 0 << 0
        << QStringList{"", "", "5", "5"} << NietGeselecteerd("1") << uitroep;
}

void TstGroepvakken::controle() {
    QFETCH(QList<int>, aangevinkt);
    QFETCH(QStringList, vakken);
    QFETCH(int, toon);
    QFETCH(int, partner);
    QFETCH(int, fout);
    QFETCH(QStringList, daarna);
    QFETCH(QString, melding);
    QFETCH(int, pictogram);

    Omgeving o;
    o.Vink(aangevinkt);
    o.ZetVakken(vakken);
    o.Frame().chkToonPartner.waarde = toon;
    o.Frame().cmbPartner.geselecteerd = partner;
    o.vakken->ControleerVakken();

    QCOMPARE(o.vakken->VakFout(), fout < 0 ? 0 : 1);
    QCOMPARE(o.Frame().focusVak, fout);
    QCOMPARE(o.Vakken(), daarna);
    for (int i = 0; i < kAantalVakken; ++i)
        QCOMPARE(o.Frame().txtB2[i].geel, i == fout);
    if (melding.isEmpty()) {
        QVERIFY(o.meldingen.meldingen.isEmpty());
    } else {
        QCOMPARE(o.meldingen.Teksten(), QStringList{melding});
        QCOMPARE(int(o.meldingen.meldingen.first().pictogram), pictogram);
    }
}

void TstGroepvakken::kleurBijControle() {
    Omgeving o;
    o.Vink({0});
    o.ZetVakken({"1", "1", "1", "1"});
    for (GroepVak& vak : o.Frame().txtB2)
        vak.geel = true;
    o.vakken->ControleerVakken();
    QCOMPARE(o.vakken->VakFout(), 0);
    // Only box 0 is made white by the check; the others keep the colour of their last check.
    QCOMPARE(o.Geel(), (QList<bool>{false, true, true, true}));

    o.Frame().txtB2[2].tekst = "4";
    o.vakken->ControleerVakken();
    QCOMPARE(o.vakken->VakFout(), 1);
    o.Frame().txtB2[2].tekst = "1";
    o.vakken->ControleerVakken();
    QCOMPARE(o.vakken->VakFout(), 0);
    QCOMPARE(o.Frame().focusVak, -1);
}

void TstGroepvakken::partnerHulp() {
    const QString regels[] = {
        "\t\tGebruik 'Toon Partner'",
        "",
        "Wanneer u hiervoor kiest, wordt bij het afmelden op de 'Afmeldsite' automatisch de naam "
        "van de 'vaste' partner getoond.",
        "De partner-naam hoeft dan niet meer te worden ingegeven.",
        "",
        "Voorwaarde is, dat in 'SpelerAdministratie > Onderhoud paren' elk lid aan zijn of haar "
        "vaste (speel-)partner is gekoppeld.",
        "",
        "Heeft een lid tijdelijk GEEN vaste partner, maak dan gebruik van een fictief lid, dat is "
        "aangemaakt met de naam 'PartnerX'.",
        "(voor 'X' kiest u een logisch volgnummer, bv '0' t/m '9') ",
        "U kunt een lid dan tijdelijk koppelen aan zo'n fictief lid.",
        "",
    };
    QString verwacht;
    for (const QString& regel : regels)
        verwacht += regel + "\r\n";
    QCOMPARE(PartnerHulpTekst(), verwacht);
    QCOMPARE(PartnerHulpTitel(), "Partnerbestand");
}

void TstGroepvakken::demo() {
    MeldingRecorder meldingen;
    Groepvakken vakken(TestPaden::DemoMap(), {"(A1),(MA)", "Ma", 1}, meldingen);
    vakken.LeesGroepen(TestPaden::DemoMap() + "/TWKspelers.txt");
    vakken.HerstelLedengroepen();
    GroepFrame& f = vakken.Frame();
    QCOMPARE(f.lst1.rijen.at(0).aangevinkt, true);
    QCOMPARE(f.lst1.rijen.at(3).aangevinkt, true);
    QCOMPARE(f.Label6, "Aantal regels: 23");
    QCOMPARE(f.cmbPartner.items, (QStringList{"A1", "MA"}));
    QCOMPARE(f.cmbPartner.Tekst(), "MA");
    QCOMPARE(f.chkToonPartner.waarde, 1);
    QVERIFY(f.chkToonPartner.enabled);
    QVERIFY(f.Text1Zichtbaar);
    QVERIFY(f.txt1.startsWith("0001  01=(A1)  Anna Bakker\r\n"));
    QVERIFY(f.txt1.endsWith("0023  04=(Ma)  Bep van Wijk\r\n"));

    f.txtB2 = {GroepVak{"1"}, GroepVak{""}, GroepVak{"1,4"}, GroepVak{"4"}};
    vakken.ControleerVakken();
    QCOMPARE(vakken.VakFout(), 1);
    QCOMPARE(meldingen.Teksten(), QStringList{kPartnergroep});

    f.txtB2[0].tekst = "4";
    vakken.ControleerVakken();
    QCOMPARE(vakken.VakFout(), 0);
    QCOMPARE(f.txtB2[1].tekst, "4");
}

void TstGroepvakken::ledenbestandOnleesbaar_data() {
    QTest::addColumn<bool>("map");
    QTest::newRow("missing") << false;
    QTest::newRow("a folder") << true;
}

void TstGroepvakken::ledenbestandOnleesbaar() {
    QFETCH(bool, map);
    QTemporaryDir dir;
    const QString pad = dir.filePath("TWKspelers.txt");
    QVERIFY(!map || QDir().mkpath(pad));
    Omgeving o;
    o.vakken->LeesGroepen(pad);
    QCOMPARE(o.meldingen.Teksten(), QStringList{"Het ledenbestand van Tafelwerk kon niet worden gelezen:\r\n" +
                                                 QDir::toNativeSeparators(pad) +
                                                 "\r\n\r\nControleer de regel SPEMAP= in Mappen.ini."});
    QCOMPARE(o.meldingen.meldingen[0].pictogram, Pictogram::Uitroep);
}

QTEST_GUILESS_MAIN(TstGroepvakken)
#include "tst_groepvakken.moc"
