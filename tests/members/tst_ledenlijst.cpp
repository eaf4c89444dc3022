#include "common/lijstvolgorde.h"
#include "members/ledenlijst.h"
#include "members/ledennaartabellen.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"
#include "testleden.h"

#include <QTest>

using namespace TestLeden;

namespace {

// The group list of the lines with the rows in `aangevinkt` ticked.
GroepenLijst Gekozen(const Ledenbestand& bestand, const QList<int>& aangevinkt) {
    MeldingRecorder meldingen;
    GroepenLijst lijst = LeesGroepen(bestand, meldingen);
    for (int r : aangevinkt)
        lijst.rijen[r].aangevinkt = true;
    return lijst;
}

Lid Persoon(const QString& voornaam, const QString& tussenvoegsel, const QString& achternaam) {
    Lid lid;
    lid.groep2 = QStringLiteral("A");
    lid.voornaam = voornaam;
    lid.tussenvoegsel = tussenvoegsel;
    lid.achternaam = achternaam;
    return lid;
}

} // namespace

class TstLedenlijst : public QObject {
    Q_OBJECT
private slots:
    void overleden_data();
    void overleden();
    void filter_data();
    void filter();
    void record_data();
    void record();
    void volgorde_data();
    void volgorde();
    void volgordeAlsLijstvak_data();
    void volgordeAlsLijstvak();
    void nummerVolgtKeuze_data();
    void nummerVolgtKeuze();
    void overzicht_data();
    void overzicht();
    void overzichtVijfCijfers();
    void nietsGekozen();
    void naarTabellen_data();
    void naarTabellen();
    void demoLeden_data();
    void demoLeden();
};

void TstLedenlijst::overleden_data() {
    QTest::addColumn<QString>("veld15");
    QTest::addColumn<bool>("overleden");
    QTest::newRow("Overleden") << "Overleden" << true;
    QTest::newRow("OVERLEDEN") << "OVERLEDEN" << true;
    QTest::newRow("Overl") << "Overl" << true;
    QTest::newRow("leden is part of the word") << "leden" << true;
    QTest::newRow("OVER is too short") << "OVER" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("trailing blank is not in the word") << "Overleden " << false;
    QTest::newRow("other text") << "Verhuisd" << false;
}

void TstLedenlijst::overleden() {
    QFETCH(QString, veld15);
    QFETCH(bool, overleden);
    Lid lid = Persoon("Jan", "", "Dijk");
    lid.overleden = veld15;
    const LedenLijst lijst = LeesLeden(Lees({Regel(lid)}), Gekozen(Lees({Regel(lid)}), {0}), 1);
    QCOMPARE(lijst.ListH.isEmpty(), overleden);
}

void TstLedenlijst::filter_data() {
    QTest::addColumn<QStringList>("regels");
    QTest::addColumn<QList<int>>("aangevinkt");
    QTest::addColumn<int>("partnerOok");
    QTest::addColumn<QStringList>("achternamen");

    const QStringList partners{InGroep("A", "", "Partner3"), InGroep("A", "", "Bos")};
    QTest::newRow("Partner3 left out without chkPartnerOok")
        << partners << QList<int>{0} << 0 << QStringList{"Bos"};
    QTest::newRow("Partner3 kept with chkPartnerOok")
        << partners << QList<int>{0} << 1 << QStringList{"Bos", "Partner3"};
    QTest::newRow("partner test ignores case")
        << QStringList{InGroep("A", "", "zijnpartner")} << QList<int>{0} << 0 << QStringList{};
    QTest::newRow("grey chkPartnerOok keeps dummies")
        << partners << QList<int>{0} << 2 << QStringList{"Bos", "Partner3"};

    QTest::newRow("(naam ontbreekt) and empty last names never listed")
        << QStringList{InGroep("A", "", "(naam ontbreekt)"), InGroep("A", "", ""),
                       InGroep("A", "", "   "), InGroep("A", "", " (naam ontbreekt) "),
                       InGroep("A", "", "Kok")}
        << QList<int>{0} << 1 << QStringList{"Kok"};
    QTest::newRow("(NAAM ONTBREEKT) is a name")
        << QStringList{InGroep("A", "", "(NAAM ONTBREEKT)")} << QList<int>{0} << 1
        << QStringList{"(NAAM ONTBREEKT)"};

    const QStringList tweeGroepen{InGroep("A", "", "Bos"), InGroep("B", "", "Kok"),
                                  InGroep("b", "", "Vos")};
    QTest::newRow("only ticked groups") << tweeGroepen << QList<int>{1} << 1 << QStringList{"Kok", "Vos"};
    QTest::newRow("group test ignores case")
        << tweeGroepen << QList<int>{0, 1} << 1 << QStringList{"Bos", "Kok", "Vos"};
    QTest::newRow("key 1 is not in (11)")
        << QStringList{InGroep("1", "1", "Elf"), InGroep("1", "", "Een")} << QList<int>{1} << 1
        << QStringList{"Elf"};
    QTest::newRow("no group ticked") << tweeGroepen << QList<int>{} << 1 << QStringList{};
}

void TstLedenlijst::filter() {
    QFETCH(QStringList, regels);
    QFETCH(QList<int>, aangevinkt);
    QFETCH(int, partnerOok);
    QFETCH(QStringList, achternamen);
    const Ledenbestand bestand = Lees(regels);
    const LedenLijst lijst = LeesLeden(bestand, Gekozen(bestand, aangevinkt), partnerOok);
    QStringList gelezen;
    for (const QString& record : lijst.ListH)
        gelezen << record.section(u',', 1, 1);
    QCOMPARE(gelezen, achternamen);
    QCOMPARE(lijst.Label6, QStringLiteral("Aantal regels: %1").arg(achternamen.size()));
}

void TstLedenlijst::record_data() {
    QTest::addColumn<Lid>("lid");
    QTest::addColumn<QString>("record");
    Lid gewoon = Persoon("Jan", "van", " Dijk ");
    gewoon.nummer = "1234";
    gewoon.extra = "7";
    QTest::newRow("fields in order, last name trimmed") << gewoon << "01,Dijk,A,1234,Jan van Dijk,7";
    Lid leeg = Persoon("Els", "", "Wit");
    leeg.nummer = " 77";
    leeg.groep2 = "a";
    leeg.groep16 = "x";
    QTest::newRow("empty field 17 is 0, number and key unchanged") << leeg << "01,Wit,ax, 77,Els Wit,0";
    // The shown name: first name, infix and last name, each trimmed.
    QTest::newRow("no first name, no infix") << Persoon("", "", "Dijk") << "01,Dijk,A,1,Dijk,0";
    QTest::newRow("infix without first name") << Persoon("", "van", "Dijk") << "01,Dijk,A,1, van Dijk,0";
    QTest::newRow("first name without infix") << Persoon("Jan", "", "Dijk") << "01,Dijk,A,1,Jan Dijk,0";
    QTest::newRow("name fields trimmed") << Persoon("  Jan ", " van der ", " Dijk  ") << "01,Dijk,A,1,Jan van der Dijk,0";
    QTest::newRow("apostrophe infix") << Persoon("Kees", "'t", "Hart") << "01,Hart,A,1,Kees 't Hart,0";
}

void TstLedenlijst::record() {
    QFETCH(Lid, lid);
    QFETCH(QString, record);
    const Ledenbestand bestand = Lees({Regel(lid)});
    QCOMPARE(LeesLeden(bestand, Gekozen(bestand, {0}), 1).ListH, QStringList{record});
}

void TstLedenlijst::volgorde_data() {
    QTest::addColumn<QStringList>("regels");
    QTest::addColumn<QList<int>>("aangevinkt");
    QTest::addColumn<QStringList>("begin"); // group number and last name of each record

    QTest::newRow("last names ignoring case")
        << QStringList{InGroep("A", "", "bakker"), InGroep("A", "", "Claes"),
                       InGroep("A", "", "Aalders")}
        << QList<int>{0} << QStringList{"01,Aalders", "01,bakker", "01,Claes"};
    QTest::newRow("group number before last name")
        << QStringList{InGroep("B", "", "Aalders"), InGroep("A", "", "Zijlstra")}
        << QList<int>{0, 1} << QStringList{"01,Zijlstra", "02,Aalders"};
    QTest::newRow("apostrophe ignored")
        << QStringList{InGroep("A", "", "D'Hondt"), InGroep("A", "", "Dekker")} << QList<int>{0}
        << QStringList{"01,Dekker", "01,D'Hondt"};

    QStringList tien;
    for (const char* g : {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"})
        tien << InGroep(QString::fromLatin1(g), "", QStringLiteral("Lid") + QString::fromLatin1(g));
    QTest::newRow("groups 9 and 10") << tien << QList<int>{9, 8} << QStringList{"09,LidI", "10,LidJ"};
}

void TstLedenlijst::volgorde() {
    QFETCH(QStringList, regels);
    QFETCH(QList<int>, aangevinkt);
    QFETCH(QStringList, begin);
    const Ledenbestand bestand = Lees(regels);
    QStringList gelezen;
    for (const QString& record : LeesLeden(bestand, Gekozen(bestand, aangevinkt), 1).ListH)
        gelezen << record.section(u',', 0, 1);
    QCOMPARE(gelezen, begin);
}

void TstLedenlijst::volgordeAlsLijstvak_data() {
    QTest::addColumn<QList<int>>("eerst");
    QTest::addColumn<QList<int>>("daarna");
    QTest::addColumn<int>("partnerEerst");
    QTest::addColumn<int>("partnerDaarna");
    QTest::newRow("all groups, then one") << QList<int>{0, 1, 2} << QList<int>{1} << 1 << 1;
    QTest::newRow("one group, then all") << QList<int>{2} << QList<int>{0, 1, 2} << 1 << 1;
    QTest::newRow("without dummies") << QList<int>{0, 2} << QList<int>{0, 1, 2} << 0 << 0;
    QTest::newRow("dummies added") << QList<int>{0, 1} << QList<int>{0, 1} << 0 << 1;
    QTest::newRow("dummies left out") << QList<int>{1, 2} << QList<int>{0, 1, 2} << 1 << 0;
}

void TstLedenlijst::volgordeAlsLijstvak() {
    QFETCH(QList<int>, eerst);
    QFETCH(QList<int>, daarna);
    QFETCH(int, partnerEerst);
    QFETCH(int, partnerDaarna);
    // Names that differ only in case, accents, apostrophes and hyphens, in three groups, so
    // the order of every member list must be exactly the sorted-list order of its records.
    QStringList regels;
    const QStringList namen{"bos",      "Bos",     "BOS",     u"Müller"_qs, "Muller", "Mueller",
                            "D'Hondt",  "Dhondt",  "D-Hondt", "de Boer",    "Boer",   "Partner1",
                            "partner2", "Bos-Kok", "Boskok",  u"Ölmez"_qs,  "Zee"};
    int nummer = 100;
    for (const char* groep : {"A", "b", "C"})
        for (const QString& naam : namen)
            regels << InGroep(QString::fromLatin1(groep), "", naam, QString::number(nummer--));
    const Ledenbestand bestand = Lees(regels);
    for (const auto& [aangevinkt, partnerOok] : {std::pair{eerst, partnerEerst}, std::pair{daarna, partnerDaarna}}) {
        const QStringList ListH =
            LeesLeden(bestand, Gekozen(bestand, aangevinkt), partnerOok).ListH;
        QStringList gesorteerd = ListH;
        LijstVolgorde::Sorteer(gesorteerd);
        QCOMPARE(ListH, gesorteerd);
        QCOMPARE(ListH.size(), aangevinkt.size() * (partnerOok ? namen.size() : namen.size() - 2));
        // What an earlier list kept of the file changes nothing: a file read anew gives the same.
        const Ledenbestand nieuw = Lees(regels);
        QCOMPARE(LeesLeden(nieuw, Gekozen(nieuw, aangevinkt), partnerOok).ListH, ListH);
    }
}

void TstLedenlijst::nummerVolgtKeuze_data() {
    QTest::addColumn<QList<QList<int>>>("keuzes");
    QTest::addColumn<QStringList>("records"); // of the last selection
    // Group A's key also stands inside row 2 "2 (B(A)": alone, row 2 gives A's members the
    // number read three places before it (" (" is 0); with row 1 ticked, A has number 1.
    QTest::newRow("row 2, then both")
        << QList<QList<int>>{{1}, {0, 1}} << QStringList{"01,Aal,A,1,Aal,0", "02,Bos,B(A,2,Bos,0"};
    QTest::newRow("both, then row 2")
        << QList<QList<int>>{{0, 1}, {1}} << QStringList{"00,Aal,A,1,Aal,0", "02,Bos,B(A,2,Bos,0"};
    QTest::newRow("row 2, both, row 2")
        << QList<QList<int>>{{1}, {0, 1}, {1}} << QStringList{"00,Aal,A,1,Aal,0", "02,Bos,B(A,2,Bos,0"};
}

void TstLedenlijst::nummerVolgtKeuze() {
    QFETCH(QList<QList<int>>, keuzes);
    QFETCH(QStringList, records);
    const QStringList regels{InGroep("A", "", "Aal", "1"), InGroep("B(A", "", "Bos", "2")};
    const Ledenbestand bestand = Lees(regels);
    QStringList ListH;
    for (const QList<int>& aangevinkt : keuzes) {
        ListH = LeesLeden(bestand, Gekozen(bestand, aangevinkt), 1).ListH;
        const Ledenbestand nieuw = Lees(regels);
        QCOMPARE(ListH, LeesLeden(nieuw, Gekozen(nieuw, aangevinkt), 1).ListH);
    }
    QCOMPARE(ListH, records);
}

void TstLedenlijst::overzicht_data() {
    QTest::addColumn<QStringList>("regels");
    QTest::addColumn<QList<int>>("aangevinkt");
    QTest::addColumn<QString>("txt1");

    QTest::newRow("aligned )") << QStringList{InGroep("ABC", "", "Kok"),
                                              Regel(Persoon("Jan", "van", "Dijk"))}
                               << QList<int>{0, 1} << QString("0001  01=(A  )  Jan van Dijk\r\n"
                                          "0002  02=(ABC)  Kok\r\n");
    QTest::newRow("key as written in the file") << QStringList{InGroep("a", "1", "Bos")} << QList<int>{0}
        << QString("0001  01=(a1)  Bos\r\n");
    QTest::newRow("width from the ticked rows only")
        << QStringList{InGroep("A", "", "Kok"), InGroep("LANG", "", "Bos")} << QList<int>{0}
        << QString("0001  01=(A)  Kok\r\n");
    QStringList tien;
    for (const char* g : {"A", "B", "C", "D", "E", "F", "G", "H", "I", "JJ"})
        tien << InGroep(QString::fromLatin1(g), "", QStringLiteral("Lid"));
    QTest::newRow("groups 9 and 10 aligned") << tien << QList<int>{8, 9} << QString("0001  09=(I )  Lid\r\n"
                                                        "0002  10=(JJ)  Lid\r\n");
    QTest::newRow("no members") << QStringList{InGroep("A", "", "")} << QList<int>{0} << QString();
}

void TstLedenlijst::overzicht() {
    QFETCH(QStringList, regels);
    QFETCH(QList<int>, aangevinkt);
    QFETCH(QString, txt1);
    const Ledenbestand bestand = Lees(regels);
    MeldingRecorder meldingen;
    const std::optional<LedenLijst> lijst =
        KiesLeden(bestand, Gekozen(bestand, aangevinkt), 1, meldingen);
    QVERIFY(lijst.has_value());
    QCOMPARE(lijst->txt1, txt1);
    QCOMPARE(lijst->Label6, QStringLiteral("Aantal regels: %1").arg(txt1.count(u'\n')));
    QVERIFY(meldingen.meldingen.isEmpty());
}

void TstLedenlijst::overzichtVijfCijfers() {
    // Beyond 9,999 members the line number takes five digits and the line grows with it.
    const QStringList ListH(10001, QStringLiteral("01,Bos,A,7,Jan Bos,0"));
    const QString txt1 = ToonLeden(ListH, 2);
    QVERIFY(txt1.startsWith("0001  01=(A)  Jan Bos\r\n"));
    QVERIFY(txt1.endsWith("9999  01=(A)  Jan Bos\r\n10000  01=(A)  Jan Bos\r\n10001  01=(A)  Jan Bos\r\n"));
    QCOMPARE(txt1.size(), 9999 * 23 + 2 * 24);
}

void TstLedenlijst::nietsGekozen() {
    const Ledenbestand bestand = Lees({InGroep("A", "", "Kok")});
    MeldingRecorder meldingen;
    QVERIFY(!KiesLeden(bestand, Gekozen(bestand, {}), 1, meldingen).has_value());
    QCOMPARE(meldingen.meldingen.size(), 1);
    QCOMPARE(meldingen.meldingen.first().tekst, "U hebt nog geen ledenbestand gekozen!\r\n");
    QCOMPARE(meldingen.meldingen.first().pictogram, Meldingen::Pictogram::Uitroep);
    QCOMPARE(meldingen.meldingen.first().knoppen, Meldingen::Knoppen::Ok);
}

void TstLedenlijst::naarTabellen_data() {
    QTest::addColumn<QStringList>("ListH");
    QTest::addColumn<QStringList>("namen");
    QTest::addColumn<QStringList>("nummers");
    QTest::addColumn<QStringList>("groepen");
    QTest::newRow("two records") << QStringList{"02,Dijk,A1,1234,Jan van Dijk,0",
                                                "12,Wit,B, 77,Els de Wit,3"}
                                 << QStringList{"", "Jan van Dijk", "Els de Wit"}
                                 << QStringList{"", "1234", " 77"} << QStringList{"", "2", "12"};
    QTest::newRow("empty list") << QStringList{} << QStringList{""} << QStringList{""} << QStringList{""};
}

void TstLedenlijst::naarTabellen() {
    QFETCH(QStringList, ListH);
    QFETCH(QStringList, namen);
    QFETCH(QStringList, nummers);
    QFETCH(QStringList, groepen);
    const LedenTabellen tabellen = LedenNaarTabellen(ListH);
    QCOMPARE(tabellen.LidNaam, namen);
    QCOMPARE(tabellen.LidNummer, nummers);
    QCOMPARE(tabellen.LidGroep, groepen);
    QCOMPARE(tabellen.Aantal(), ListH.size());
}

void TstLedenlijst::demoLeden_data() {
    QTest::addColumn<QList<int>>("aangevinkt");
    QTest::addColumn<int>("partnerOok");
    QTest::addColumn<int>("aantal");
    QTest::addColumn<QStringList>("bevat");
    QTest::addColumn<QStringList>("ontbreekt");

    QTest::newRow("all groups with dummies") << QList<int>{0, 1, 2, 3, 4} << 1 << 58
        << QStringList{u"01,Müller,a1,1004,Hans Müller,3"_qs,
                       "01,Hart,A1,1005,Kees 't Hart,0",
                       "01,Partner1,A1,1011,Partner1,0",
                       "04,Scholten,mA,1040,Dini Scholten,3",
                       "02,D'Hondt,A2,1016,Wim D'Hondt,2",
                       u"02,Dubois,A2,1015,Hélène Dubois,3"_qs,
                       u"01,Verhoeven,A1,1003,Zoë Verhoeven,4"_qs}
        << QStringList{"Jansen", "(naam ontbreekt)"};
    QTest::newRow("all groups without dummies") << QList<int>{0, 1, 2, 3, 4} << 0 << 55 << QStringList{}
        << QStringList{"Partner1", "Partner2", "Partner3"};
    QTest::newRow("group MA") << QList<int>{3} << 1 << 12 << QStringList{"04,Partner3,Ma,1048,Partner3,0"}
                              << QStringList{"Bakker"};
}

void TstLedenlijst::demoLeden() {
    QFETCH(QList<int>, aangevinkt);
    QFETCH(int, partnerOok);
    QFETCH(int, aantal);
    QFETCH(QStringList, bevat);
    QFETCH(QStringList, ontbreekt);
    const Ledenbestand bestand = LeesLedenbestand(TestPaden::DemoMap() + "/TWKspelers.txt");
    MeldingRecorder meldingen;
    const std::optional<LedenLijst> lijst =
        KiesLeden(bestand, Gekozen(bestand, aangevinkt), partnerOok, meldingen);
    QVERIFY(lijst.has_value());
    QCOMPARE(lijst->ListH.size(), aantal);
    QCOMPARE(lijst->Label6, QStringLiteral("Aantal regels: %1").arg(aantal));
    for (const QString& record : bevat)
        QVERIFY2(lijst->ListH.contains(record), qPrintable(record));
    // Keys that differ only in case (a1 and A1, mA and Ma) share a number and mix in one order.
    QStringList gesorteerd = lijst->ListH;
    LijstVolgorde::Sorteer(gesorteerd);
    QCOMPARE(lijst->ListH, gesorteerd);
    for (const QString& naam : ontbreekt)
        QVERIFY2(!lijst->txt1.contains(naam), qPrintable(naam));
    // Every ")" of the overview in one column.
    const QStringList regels = lijst->txt1.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(regels.size(), aantal);
    for (const QString& regel : regels)
        QCOMPARE(regel.indexOf(u')'), regels.first().indexOf(u')'));
}

QTEST_GUILESS_MAIN(TstLedenlijst)
#include "tst_ledenlijst.moc"
