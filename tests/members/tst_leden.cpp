#include "members/ledenlijst.h"
#include "members/ledennaartabellen.h"
#include "members/partnerbestand.h"
#include "support/meldingrecorder.h"
#include "support/tabel.h"
#include "testleden.h"

#include <QTemporaryDir>
#include <QTest>

using namespace TestLeden;

namespace {

// Reads the bytes as a member file; null bytes: no file.
Ledenbestand Lees(const QByteArray& bytes)
{
    QTemporaryDir map;
    if (!bytes.isNull())
        TestPaden::SchrijfBestand(map.filePath(u"TWKspelers.txt"_qs), bytes);
    return LeesLedenbestand(map.filePath(u"TWKspelers.txt"_qs));
}

// A member file of a header and the lines.
QByteArray B(const QString& regel) { return Ansi::Naar(u"kop\r\n"_qs + regel); }

GroepenLijst Gekozen(const Ledenbestand& bestand, const QList<int>& rijen, MeldingRecorder& m)
{
    GroepenLijst lijst = LeesGroepen(bestand, m);
    for (int r : rijen)
        if (r < lijst.rijen.size())
            lijst.rijen[r].aangevinkt = true;
    return lijst;
}

// A file in the partner folder (group A1 is chosen), the numbers looked up, and the file's
// first item followed by each number's partner.
struct PartnerRij {
    QString naam = "A1.txt";
    QByteArray bytes;
    QString nummers, uit;
};

} // namespace

class TstLeden : public QObject {
    Q_OBJECT
private slots:
    void lezen_data();
    void lezen();
    void groepen_data();
    void groepen();
    void overzicht_data();
    void overzicht();
    void partner_data();
    void partner();
};

void TstLeden::lezen_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("partnerOok");
    QTest::addColumn<QString>("records"); // of every group, "?" when the file is not read
    QTest::newRow("header, empty and blank lines skipped") << QByteArray("0,1,A,x,,Kop\r\n\r\n0,2,A,,,Bos\r\n  \r\n0,3,A,,,Kok\r\n\r\n") << 1 << "01,Bos,A,2,Bos,0|01,Kok,A,3,Kok,0";
    QTest::newRow("bare line feeds") << QByteArray("kop\n0,2,A,,,Bos\n0,3,A,,,Kok") << 1 << "01,Bos,A,2,Bos,0|01,Kok,A,3,Kok,0";
    QTest::newRow("lone carriage returns") << QByteArray("kop\r0,2,A,,,Bos\r\r0,3,A,,,Kok\r") << 1 << "01,Bos,A,2,Bos,0|01,Kok,A,3,Kok,0";
    QTest::newRow("utf-8 after a byte order mark") << QByteArray("\xEF\xBB\xBFkop\r\n0,2,A,,,M\xC3\xBCller\r\n") << 1 << u"01,Müller,A,2,Müller,0"_qs;
    QTest::newRow("windows-1252") << QByteArray("kop\r\n0,2,A,,,M\xFCller\r\n") << 1 << u"01,Müller,A,2,Müller,0"_qs;
    QTest::newRow("empty file") << QByteArray("") << 1 << "";
    QTest::newRow("missing file") << QByteArray() << 1 << "?";
    // Read in 1 MiB pieces: the second starts inside a line, with the bytes of a UTF-8 byte order mark.
    QByteArray groot("kop\r\n");
    while (groot.size() < (1 << 20) - 100)
        groot += "0,1,A\r\n";
    groot += "0,9,A,,,Bos,,,,,,,,,";
    groot += QByteArray((1 << 20) - groot.size() - 2, 'x') + ",,\xEF\xBB\xBF"
                                                             "B\r\n0,10,A,,,Kok\r\n";
    QTest::newRow("lines across the pieces the file is read in") << groot << 1 << u"01,Kok,A,10,Kok,0|02,Bos,Aï»¿B,9,Bos,0"_qs;
    QTest::newRow("fields in order, names trimmed") << B(Regel({"1234", "A", "", "  Jan ", " van der ", " Dijk  ", "", "7"})) << 1 << "01,Dijk,A,1234,Jan van der Dijk,7";
    QTest::newRow("key of fields 2 and 16, number as written") << B(Regel({" 77", "a", "x", "Els", "", "Wit", "", ""})) << 1 << "01,Wit,ax, 77,Els Wit,0";
    QTest::newRow("infix without first name") << B(Regel({"1", "A", "", "", "van", "Dijk", "", ""})) << 1 << "01,Dijk,A,1, van Dijk,0";
    QTest::newRow("six fields") << B(u"0,5,A,Jan,,Bos"_qs) << 1 << "01,Bos,A,5,Jan Bos,0";
    QTest::newRow("seventeen fields") << B(u"0,5,A,,,Bos,,,,,,,,,,,B"_qs) << 1 << "01,Bos,AB,5,Bos,0";
    QTest::newRow("more than 18 fields") << B(Regel({"5", "A", "", "", "", "Bos", "", "3"}) + u",x,y"_qs) << 1 << "01,Bos,A,5,Bos,3";
    QTest::newRow("control and high characters are text") << QByteArray("\xEF\xBB\xBFkop\r\n0,5,A,\tJan\f,,B\xE8\x80\x80s\x01,\xEF\xBF\xBD\r\n") << 1 << u"01,B\u8000s\x01,A,5,\tJan\f B\u8000s\x01,0"_qs;
    QTest::newRow("quotes are plain text") << B(u"0,\"1,2\",A,,Bos"_qs) << 1 << "01,Bos,2\",\"1,A Bos,0";
    for (const char* w : {"Overleden", "OVERLEDEN", "Overl", "leden"})
        QTest::newRow(w) << B(Regel({"1", "A", "", "", "", "Bos", QString::fromLatin1(w), ""})) << 1 << "";
    for (const char* w : {"OVER", "Overleden ", "Verhuisd"})
        QTest::newRow(w) << B(Regel({"1", "A", "", "", "", "Bos", QString::fromLatin1(w), ""})) << 1 << "01,Bos,A,1,Bos,0";
    for (const char* w : {"(naam ontbreekt)", "", "   ", " (naam ontbreekt) "})
        QTest::newRow(qPrintable(u"name '"_qs + QString::fromLatin1(w))) << B(InGroep("A", "", QString::fromLatin1(w))) << 1 << "";
    QTest::newRow("(NAAM ONTBREEKT) is a name") << B(InGroep("A", "", "(NAAM ONTBREEKT)")) << 1 << "01,(NAAM ONTBREEKT),A,1,(NAAM ONTBREEKT),0";
    QTest::newRow("dummy left out") << B(InGroep("A", "", "zijnPartner")) << 0 << "";
    QTest::newRow("almost a dummy, without chkPartnerOok") << B(InGroep("A", "", "Partne")) << 0 << "01,Partne,A,1,Partne,0";
    QTest::newRow("dummy with chkPartnerOok") << B(InGroep("A", "", "Partner3")) << 1 << "01,Partner3,A,1,Partner3,0";
    QTest::newRow("dummy, grey chkPartnerOok") << B(InGroep("A", "", "Partner3")) << 2 << "01,Partner3,A,1,Partner3,0";
}

void TstLeden::lezen()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, partnerOok);
    QFETCH(QString, records);
    const Ledenbestand bestand = Lees(bytes);
    MeldingRecorder m;
    LedenVolgorde volgorde;
    const LedenLijst lijst = LeesLeden(bestand, volgorde, Gekozen(bestand, {0, 1}, m), partnerOok);
    QCOMPARE(bestand.gelezen ? lijst.ListH.join(u'|') : u"?"_qs, records);
    const LedenTabellen t = LedenNaarTabellen(lijst.ListH); // index 0 stays empty
    const QString eerste = lijst.ListH.value(0);
    QCOMPARE(t.LidNaam.value(1) + t.LidNummer.value(1) + t.LidGroep.value(1) + QString::number(t.Aantal()),
             (eerste.isEmpty() ? QString() : eerste.section(u',', 4, 4) + eerste.section(u',', 3, 3) + u"1"_qs) + QString::number(lijst.ListH.size()));
}

void TstLeden::groepen_data()
{
    QTest::addColumn<QStringList>("groepen");
    QTest::addColumn<QString>("rijen"); // count: first .. last, current row, messages
    QTest::newRow("sorted, numbered") << QStringList{"B", "a", "C"} << "3: 1  (A) .. 3  (C) 0 0";
    QTest::newRow("case gives one group") << QStringList{"a+1", "A+1", "A+x", "a+X"} << "2: 1  (A1) .. 2  (AX) 0 0";
    QTest::newRow("digits as text, 1 after 11") << QStringList{"2", "1+0", "1", "1+1"} << "4: 1  (1) .. 4  (2) 0 0";
    QTest::newRow("hyphen ignored") << QStringList{"A-C", "AB"} << "2: 1  (AB) .. 2  (A-C) 0 0";
    QTest::newRow("none") << QStringList{} << "0:  ..  -1 0";
    QStringList g;
    for (int i = 100; i > 0; --i)
        g << QStringLiteral("G%1").arg(i, 3, 10, QLatin1Char('0'));
    QTest::newRow("100 groups: the first 99") << g << "99: 1  (G001) .. 99 (G099) 0 1";
}

void TstLeden::groepen()
{
    QFETCH(QStringList, groepen);
    QFETCH(QString, rijen);
    QStringList regels;
    for (const QString& groep : groepen)
        regels << InGroep(groep.section(u'+', 0, 0), groep.section(u'+', 1), u"Bos"_qs);
    MeldingRecorder m;
    const GroepenLijst lijst = LeesGroepen(Lees(B(regels.join(u"\r\n"))), m);
    QCOMPARE(QStringLiteral("%1: %2 .. %3 %4 %5").arg(lijst.rijen.size()).arg(lijst.rijen.value(0).tekst, lijst.rijen.value(lijst.rijen.size() - 1).tekst).arg(lijst.huidigeRij).arg(m.meldingen.size()), rijen);
    if (!m.meldingen.isEmpty())
        QCOMPARE(m.Teksten().first(), "Het ledenbestand heeft meer dan 99 spelergroepen; alleen de eerste 99 worden gebruikt.");
}

void TstLeden::overzicht_data()
{
    QTest::addColumn<QStringList>("regels");
    QTest::addColumn<QList<QList<int>>>("keuzes"); // ticked rows, one selection after the other
    QTest::addColumn<QString>("txt1");
    QTest::newRow("group number, then last name ignoring case and apostrophe")
        << QStringList{InGroep("B", "", "Aalders"), InGroep("A", "", "Zijlstra"), InGroep("A", "", "bakker"), InGroep("A", "", "D'Hondt"), InGroep("A", "", "Dekker")}
        << QList<QList<int>>{{0, 1}} << "0001  01=(A)  bakker\r\n0002  01=(A)  Dekker\r\n0003  01=(A)  D'Hondt\r\n"
                                        "0004  01=(A)  Zijlstra\r\n0005  02=(B)  Aalders\r\n";
    QTest::newRow("keys differing in case share a number and one order")
        << QStringList{InGroep("a", "", "Mol"), InGroep("A", "", "Aal"), InGroep("A", "", "Kok"), InGroep("A", "", "Bos")} << QList<QList<int>>{{0}}
        << "0001  01=(A)  Aal\r\n0002  01=(A)  Bos\r\n0003  01=(A)  Kok\r\n0004  01=(a)  Mol\r\n";
    QTest::newRow(") aligned over the ticked rows") << QStringList{InGroep("ABC", "", "Kok"), Regel({"1", "A", "", "Jan", "van", "Dijk", "", ""}), InGroep("LANGER", "", "Bos")}
                                                    << QList<QList<int>>{{0, 1}} << "0001  01=(A  )  Jan van Dijk\r\n0002  02=(ABC)  Kok\r\n";
    QStringList tien;
    for (const char* g : {"A", "B", "C", "D", "E", "F", "G", "H", "I", "JJ"})
        tien << InGroep(QString::fromLatin1(g), {});
    QTest::newRow("groups 9 and 10") << tien << QList<QList<int>>{{9, 8}} << "0001  09=(I )  Lid\r\n0002  10=(JJ)  Lid\r\n";
    QTest::newRow("key 1 is not in (11)") << QStringList{InGroep("1", "1", "Elf"), InGroep("1", "", "Een")} << QList<QList<int>>{{1}} << "0001  02=(11)  Elf\r\n";
    // "(A)" also stands inside row 2 "2  (B(A)": alone, row 2 gives A the number read three places before it.
    const QStringList binnen{InGroep("A", "", "Aal"), InGroep("B(A", "", "Bos", "2")};
    QTest::newRow("row 2, both, row 2") << binnen << QList<QList<int>>{{1}, {0, 1}, {1}} << "0001  00=(A  )  Aal\r\n0002  02=(B(A)  Bos\r\n";
    QTest::newRow("nothing ticked") << binnen << QList<QList<int>>{{}} << "U hebt nog geen ledenbestand gekozen!\r\n";
}

void TstLeden::overzicht()
{
    QFETCH(QStringList, regels);
    QFETCH(QList<QList<int>>, keuzes);
    QFETCH(QString, txt1);
    const Ledenbestand bestand = Lees(B(regels.join(u"\r\n")));
    std::optional<LedenLijst> lijst;
    MeldingRecorder m;
    LedenVolgorde volgorde;
    for (const QList<int>& rijen : keuzes) {
        lijst = KiesLeden(bestand, volgorde, Gekozen(bestand, rijen, m), 1, m);
        // What an earlier list kept of the file changes nothing.
        const Ledenbestand nieuw = Lees(B(regels.join(u"\r\n")));
        LedenVolgorde nieuweVolgorde;
        QCOMPARE(LeesLeden(nieuw, nieuweVolgorde, Gekozen(nieuw, rijen, m), 1).ListH, LeesLeden(bestand, volgorde, Gekozen(bestand, rijen, m), 1).ListH);
    }
    QCOMPARE(lijst ? lijst->txt1 : m.Teksten().join(u'|'), txt1);
    QCOMPARE(lijst ? lijst->Label6 : QString(), lijst ? u"Aantal regels: "_qs + QString::number(txt1.count(u'\n')) : QString());
}

void TstLeden::partner_data()
{
    RijKolom<PartnerRij>();
    QTest::newRow("ends at comma; both halves") << PartnerRij{.bytes = "   1234-5678#,3-4#\r\n", .nummers = "1234 5678 42", .uit = "1234-5678# => 5678 1234 "};
    QTest::newRow("CR LF, name in other case; last pair wins") << PartnerRij{.naam = "a1.TXT", .bytes = "1234-5678#1234-9999#\r\n3-4#\r\n", .nummers = "1234 5678", .uit = "1234-5678#1234-9999# => 9999 1234"};
    QTest::newRow("line feed; piece after the last # unused") << PartnerRij{.bytes = "1234-5678#2345-6789\n3-4#", .nummers = "1234 2345", .uit = "1234-5678#2345-6789 => 5678 "};
    QTest::newRow("carriage return; compared exactly") << PartnerRij{.bytes = "01234-5678#1234 -5678#\r3-4#", .nummers = "1234", .uit = "01234-5678#1234 -5678# => "};
    QTest::newRow("utf-8 after a byte order mark") << PartnerRij{.bytes = "\xEF\xBB\xBF\"1-2#\xC3\xAB\"", .nummers = "1", .uit = u"1-2#ë => 2"_qs};
    QTest::newRow("quoted over a comma and a line break; no - passed over") << PartnerRij{.bytes = "\"1234#5678-1234#,\r\n\"x9-9#,A1\r\n", .nummers = "1234", .uit = "1234#5678-1234#,\r\n => 5678"};
    QTest::newRow("no closing quote; first two parts") << PartnerRij{.bytes = "\"1234-5678-9999#", .nummers = "1234 9999", .uit = "1234-5678-9999# => 5678 "};
    QTest::newRow("no file of the group") << PartnerRij{.naam = "A.txt", .bytes = "1-2#", .nummers = "1", .uit = "geen  => "};
    QTest::newRow("empty first item") << PartnerRij{.bytes = ",1-2#", .nummers = "1", .uit = " => "};
}

void TstLeden::partner()
{
    const auto& [naam, bytes, nummers, uit] = DezeRij<PartnerRij>();
    QTemporaryDir twk;
    QVERIFY(TestPaden::SchrijfBestand(twk.filePath(u"TWKspelers/Parenmap/"_qs + naam), bytes));
    const Partnerbestand paren = LeesPartnerbestand(twk.path(), u"A1"_qs);
    QStringList gevonden;
    for (const QString& nummer : nummers.split(u' '))
        gevonden << ZoekPartner(paren, u"01,Naam,A,"_qs + nummer + u",Jan Naam,0"_qs);
    QCOMPARE((HeeftPartnerbestand(twk.path(), u"A1"_qs) ? QString() : u"geen "_qs) + paren.PartnerTekst + u" => "_qs + gevonden.join(u' '), uit);
}

QTEST_GUILESS_MAIN(TstLeden)
#include "tst_leden.moc"
