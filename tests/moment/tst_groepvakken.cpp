#include "members/testleden.h"
#include "moment/groepvakken.h"
#include "support/meldingrecorder.h"
#include "support/tabel.h"
#include "support/testpaden.h"

#include <QTemporaryDir>
#include <QTest>

using namespace TestLeden;

namespace {

// Groups A1, B, C, E (only a deceased member) and MA; partner files A1 and ma.
struct Omgeving {
    QTemporaryDir map;
    MeldingRecorder meldingen;
    std::unique_ptr<Groepvakken> vakken;
    explicit Omgeving(const QList<int>& vinken, const BewaardeGroepkeuze& bewaard = {})
    {
        Lid overleden;
        overleden.groep2 = "E";
        overleden.overleden = "Overleden";
        for (const char* naam : {"A1.txt", "ma.txt"})
            TestPaden::SchrijfBestand(map.filePath("TWKspelers/Parenmap/") + naam, "1001-1002#\r\n");
        vakken = std::make_unique<Groepvakken>(map.path(), bewaard, meldingen);
        vakken->LeesGroepen(Schrijf(map.path(), {InGroep("A", "1", "Bakker", "1001"), InGroep("a", "1", "Dijk", "1002"),
                                                 InGroep("B", "", "Kok", "1003"), InGroep("B", "", "Bos", "1004"),
                                                 InGroep("C", "", "Vos", "1005"), Regel(overleden),
                                                 InGroep("M", "a", "Groen", "1006"), InGroep("m", "A", "Blom", "1007"),
                                                 InGroep("M", "a", "Partner2", "1008")}));
        for (const int r : vinken)
            vakken->ZetGroep(r, true);
    }
    GroepFrame& f() { return vakken->Frame(); }
};

// The box left, its text and the message (empty: accepted).
struct VakRij {
    int vak = 0;
    QString tekst, melding;
};

// The groups ticked, the boxes' texts, the entry of cmbPartner with "Toon Partner" ticked (-1:
// unticked); the boxes after the check and the one message (empty: all accepted).
struct ControleRij {
    QList<int> aangevinkt;
    QStringList vakken;
    int partner = -1;
    QStringList daarna;
    QString melding;
};

// Groups ticked and a row unticked after (-1 none), the saved partner file and its "Toon Partner"
// state; then the partner files offered, the one selected, "Toon Partner" and the count.
struct WisselRij {
    QList<int> aan;
    int uit = -1;
    QString bewaard;
    int bewaardToon = 0;
    QStringList items;
    qsizetype geselecteerd = -1;
    int toon = 0;
    QString label6;
};

QString Niet(const QString& n) { return "Groep " + n + " is niet geselecteerd in bovenstaande lijst!"; }

} // namespace

class TstGroepvakken : public QObject {
    Q_OBJECT
private slots:
    // Ticking groups offers their partner files in row order, and restores the saved one.
    void groepWissel_data()
    {
        RijKolom<WisselRij>();
        QTest::newRow("in row order") << WisselRij{.aan = {4, 1, 0}, .items = {"A1", "MA"}, .geselecteerd = 0, .label6 = "Aantal regels: 7"};
        QTest::newRow("saved restored ticked") << WisselRij{.aan = {0, 4}, .bewaard = "ma", .bewaardToon = 1, .items = {"A1", "MA"}, .geselecteerd = 1, .toon = 1, .label6 = "Aantal regels: 5"};
        QTest::newRow("saved restored grey") << WisselRij{.aan = {0, 4}, .bewaard = "MA", .bewaardToon = 2, .items = {"A1", "MA"}, .geselecteerd = 1, .toon = 2, .label6 = "Aantal regels: 5"};
        QTest::newRow("saved file not offered") << WisselRij{.aan = {0, 4}, .bewaard = "ZZ", .bewaardToon = 1, .items = {"A1", "MA"}, .geselecteerd = 0, .label6 = "Aantal regels: 5"};
        QTest::newRow("group without members") << WisselRij{.aan = {3}, .label6 = "Aantal regels: 0"};
        QTest::newRow("last group unticked") << WisselRij{.aan = {0}, .uit = 0, .bewaard = "A1", .bewaardToon = 1, .label6 = "Aantal ..."};
        QTest::newRow("one of two unticked") << WisselRij{.aan = {0, 4}, .uit = 0, .bewaard = "MA", .bewaardToon = 1, .items = {"MA"}, .geselecteerd = 0, .toon = 1, .label6 = "Aantal regels: 3"};
    }
    void groepWissel()
    {
        const auto& [aan, uit, bewaard, bewaardToon, items, geselecteerd, toon, label6] = DezeRij<WisselRij>();
        Omgeving o(aan, {QString(), bewaard, bewaardToon});
        if (uit >= 0)
            o.vakken->ZetGroep(uit, false);
        QCOMPARE(o.f().cmbPartner.items, items);
        QCOMPARE(o.f().cmbPartner.geselecteerd, geselecteerd);
        QCOMPARE(o.f().cmbPartner.enabled, !items.isEmpty() || uit >= 0);
        QCOMPARE(o.f().chkToonPartner.waarde, toon);
        QCOMPARE(o.f().Text1Zichtbaar, toon == 1);
        QCOMPARE(o.f().Label6, label6);
        QVERIFY(o.meldingen.meldingen.isEmpty());
    }

    // Leaving a box (groups 1 and 3 ticked); a failure empties it, makes it yellow and keeps the focus.
    void vakVerlaten_data()
    {
        RijKolom<VakRij>();
        QTest::newRow("1,3 in box 0") << VakRij{.vak = 0, .tekst = "1,3", .melding = "In vak 'naam1' mag slechts 1 groep gebruikt worden!"};
        QTest::newRow("1,3 in box 2, empty elements passed over") << VakRij{.vak = 2, .tekst = ",1,,3,"};
        QTest::newRow("11 is not 1") << VakRij{.vak = 1, .tekst = "11", .melding = Niet("11")};
        QTest::newRow("number however large") << VakRij{.vak = 3, .tekst = "1,99999999999999999999", .melding = Niet("99999999999999999999")};
        QTest::newRow("first missing group named") << VakRij{.vak = 2, .tekst = "5,2,4", .melding = Niet("5")};
        QTest::newRow("leading digits, as the site filters") << VakRij{.vak = 3, .tekst = "3E1, 1.6, 0003"};
        QTest::newRow("sign is no digit") << VakRij{.vak = 3, .tekst = "+1", .melding = Niet("0")};
    }
    void vakVerlaten()
    {
        const auto& [vak, tekst, melding] = DezeRij<VakRij>();
        Omgeving o({0, 2});
        o.f().txtB2[vak] = {tekst, true}; // yellow from an earlier failure
        QCOMPARE(o.vakken->txtB2_LostFocus(vak), melding.isEmpty());
        QCOMPARE(o.f().txtB2[vak].tekst, melding.isEmpty() ? tekst : QString());
        QCOMPARE(o.f().txtB2[vak].geel, !melding.isEmpty() && vak > 0);
        QCOMPARE(o.f().focusVak, melding.isEmpty() ? -1 : vak);
        QCOMPARE(o.meldingen.Teksten(), melding.isEmpty() ? QStringList{} : QStringList{melding});
    }

    // All boxes checked on OK; only the first failure is told.
    void controle_data()
    {
        RijKolom<ControleRij>();
        const QString partnergroep = "De groep in vak 'naam1' komt niet overeen met de PARTNERgroep!";
        QTest::newRow("all good") << ControleRij{.aangevinkt = {0, 1}, .vakken = {"1", "2", "1,2", " 2, 1 "}, .daarna = {"1", "2", "1,2", " 2, 1 "}};
        QTest::newRow("1,3 in box 0") << ControleRij{.aangevinkt = {0, 2}, .vakken = {"1,3", "1", "1", "1"}, .daarna = {"", "1", "1", "1"}, .melding = "In vak 'naam1' mag slechts 1 ledengroep gebruikt worden!"};
        QTest::newRow("group 3 not ticked") << ControleRij{.aangevinkt = {0}, .vakken = {"1", "1", "1,3", "1"}, .daarna = {"1", "1", "", "1"}, .melding = Niet("3")};
        QTest::newRow("box 1 takes box 0") << ControleRij{.aangevinkt = {0, 1}, .vakken = {" 1 ", "2", "1", "1"}, .partner = 0, .daarna = {" 1 ", " 1 ", "1", "1"}};
        QTest::newRow("box 1 checked without Toon Partner") << ControleRij{.aangevinkt = {0}, .vakken = {"1", "", "1", "1"}, .daarna = {"1", "", "1", "1"}, .melding = "Alle vakken moeten voorzien zijn van een groepsnummer!\r\nVak 1 mag slechts 1 groep bevatten, de overige mogen meer groepen hebben.\r\nSchrijfwijze bijv: 1,3,5"};
        QTest::newRow("partner file of another group") << ControleRij{.aangevinkt = {0, 4}, .vakken = {"1", "", "1", "5"}, .partner = 1, .daarna = {"", "", "1", "5"}, .melding = partnergroep};
        QTest::newRow("partner file of the box 0 group") << ControleRij{.aangevinkt = {0, 4}, .vakken = {"1", "", "1", "5"}, .partner = 0, .daarna = {"1", "1", "1", "5"}};
    }
    void controle()
    {
        const auto& [aangevinkt, vakken, partner, daarna, melding] = DezeRij<ControleRij>();
        Omgeving o(aangevinkt);
        for (int i = 0; i < kAantalVakken; ++i)
            o.f().txtB2[i] = {vakken[i], true};
        o.f().chkToonPartner.waarde = partner >= 0 ? 1 : 0;
        o.f().cmbPartner.geselecteerd = partner;
        o.vakken->ControleerVakken();
        QCOMPARE(o.vakken->VakFout(), melding.isEmpty() ? 0 : 1);
        QStringList uit;
        for (const GroepVak& vak : o.f().txtB2)
            uit << vak.tekst;
        QCOMPARE(uit, daarna);
        QCOMPARE(o.f().txtB2[0].geel, !melding.isEmpty() && o.f().focusVak == 0);
        QCOMPARE(o.meldingen.Teksten(), melding.isEmpty() ? QStringList{} : QStringList{melding});
    }
};

QTEST_GUILESS_MAIN(TstGroepvakken)
#include "tst_groepvakken.moc"
