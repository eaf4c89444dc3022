#include "members/spelergroepen.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"
#include "testleden.h"

#include <QTemporaryDir>
#include <QTest>

using namespace TestLeden;

class TstSpelergroepen : public QObject {
    Q_OBJECT
private slots:
    void splitsRegel_data();
    void splitsRegel();
    void leesBestand_data();
    void leesBestand();
    void ontbrekendBestand();
    void groepen_data();
    void groepen();
    void meerDan99Groepen_data();
    void meerDan99Groepen();
    void rijDelen_data();
    void rijDelen();
};

void TstSpelergroepen::splitsRegel_data() {
    QTest::addColumn<QString>("regel");
    QTest::addColumn<QStringList>("velden"); // 1, 2 + 16, 3, 4, 5, 15, 17

    QStringList volledig;
    for (int i = 0; i < 18; ++i)
        volledig << QStringLiteral("f%1").arg(i);
    const QStringList alle{"f1", "f2f16", "f3", "f4", "f5", "f15", "f17"};
    QTest::newRow("18 fields") << volledig.join(u',') << alle;
    QTest::newRow("more than 18 fields") << (volledig.join(u',') + ",f18,f19") << alle;
    QTest::newRow("three fields, the rest empty")
        << "0,1234,A" << QStringList{"1234", "A", "", "", "", "", ""};
    QTest::newRow("sixteen fields")
        << volledig.mid(0, 16).join(u',') << QStringList{"f1", "f2", "f3", "f4", "f5", "f15", ""};
    QTest::newRow("seventeen fields") << volledig.mid(0, 17).join(u',')
                                      << QStringList{"f1", "f2f16", "f3", "f4", "f5", "f15", ""};
    QTest::newRow("nothing is trimmed")
        << "0, 1234 , A , Jan , van , Dijk ,6,7,8,9,10,11,12,13,14, Overl , 1 , 5 "
        << QStringList{" 1234 ", " A  1 ", " Jan ", " van ", " Dijk ", " Overl ", " 5 "};
    QTest::newRow("quotes are plain text")
        << "0,\"12,34\",A" << QStringList{"\"12", "34\"", "A", "", "", "", ""};
    QTest::newRow("empty fields between commas")
        << "0,1,,,,Bos,,,,,,,,,,,," << QStringList{"1", "", "", "", "Bos", "", ""};
}

void TstSpelergroepen::splitsRegel() {
    QFETCH(QString, regel);
    QFETCH(QStringList, velden);
    Ledenbestand bestand;
    bestand.VoegToe(regel);
    const LidVelden lid = bestand.Lid(0);
    QCOMPARE((QStringList{lid.Nummer.toString(), bestand.sleutels.at(lid.sleutel), lid.Voornaam.toString(),
                          lid.Tussenvoegsel.toString(), lid.Achternaam.toString(), lid.Overleden.toString(),
                          lid.Extra.toString()}),
             velden);
}

void TstSpelergroepen::leesBestand_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("achternamen");
    QTest::newRow("header skipped") << QByteArray("0,1,A,x,,Kop\r\n0,2,A,,,Bos\r\n") << QStringList{"Bos"};
    QTest::newRow("empty and blank lines skipped")
        << QByteArray("kop\r\n\r\n0,2,A,,,Bos\r\n   \r\n0,3,A,,,Kok\r\n\r\n") << QStringList{"Bos", "Kok"};
    QTest::newRow("bare line feeds")
        << QByteArray("kop\n0,2,A,,,Bos\n0,3,A,,,Kok") << QStringList{"Bos", "Kok"};
    QTest::newRow("lone carriage returns")
        << QByteArray("kop\r0,2,A,,,Bos\r\r0,3,A,,,Kok\r") << QStringList{"Bos", "Kok"};
    QTest::newRow("utf-8 after a byte order mark")
        << QByteArray("\xEF\xBB\xBFkop\r\n0,2,A,Zo\xC3\xAB,,M\xC3\xBCller\r\n") << QStringList{u"Müller"_qs};
    QTest::newRow("windows-1252") << QByteArray("kop\r\n0,2,A,Zo\xEB,,M\xFCller\r\n")
                                  << QStringList{u"Müller"_qs};
    QTest::newRow("header only") << QByteArray("kop\r\n") << QStringList{};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    // The file is read in pieces of 1 MiB. One line runs across the boundary, and its second
    // piece starts with the bytes of a UTF-8 byte order mark, which in a Windows-1252 file are
    // just "ï»¿".
    QByteArray groot("kop\r\n");
    QStringList namen;
    for (int i = 0; groot.size() < (1 << 20) - 100; ++i) {
        const QByteArray naam = QByteArray::number(100000 + i);
        groot += "0," + naam + ",A,,,N" + naam + "\r\n";
        namen << "N" + QString::fromLatin1(naam);
    }
    groot += "0,9,A,,,";
    const QByteArray vulling((1 << 20) - groot.size(), 'x');
    groot += vulling + "\xEF\xBB\xBF" "Bos\r\n0,10,A,,,Kok\r\n";
    namen << QString::fromLatin1(vulling) + u"ï»¿Bos"_qs << "Kok";
    QTest::newRow("lines across the pieces the file is read in") << groot << namen;
}

void TstSpelergroepen::leesBestand() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, achternamen);
    QTemporaryDir map;
    const QString pad = map.filePath("TWKspelers.txt");
    QVERIFY(TestPaden::SchrijfBestand(pad, bytes));
    const Ledenbestand bestand = LeesLedenbestand(pad);
    QVERIFY(bestand.gelezen);
    QStringList gelezen;
    for (qsizetype i = 0; i < bestand.Aantal(); ++i)
        gelezen << bestand.Lid(i).Achternaam.toString();
    QCOMPARE(gelezen, achternamen);
}

void TstSpelergroepen::ontbrekendBestand() {
    QTemporaryDir map;
    const Ledenbestand bestand = LeesLedenbestand(map.filePath("TWKspelers.txt"));
    QVERIFY(!bestand.gelezen);
    MeldingRecorder meldingen;
    const GroepenLijst lijst = LeesGroepen(bestand, meldingen);
    QVERIFY(lijst.rijen.isEmpty());
    QCOMPARE(lijst.huidigeRij, -1);
    QVERIFY(meldingen.meldingen.isEmpty());
}

void TstSpelergroepen::groepen_data() {
    QTest::addColumn<QStringList>("regels");
    QTest::addColumn<QStringList>("rijen");

    QTest::newRow("B, a, C numbered 2, 1, 3")
        << QStringList{InGroep("B", ""), InGroep("a", ""), InGroep("C", "")}
        << QStringList{"1  (A)", "2  (B)", "3  (C)"};
    QTest::newRow("codes differing in case give one group")
        << QStringList{InGroep("a", "1"), InGroep("A", "1"), InGroep("A", "x"), InGroep("a", "X")}
        << QStringList{"1  (A1)", "2  (AX)"};
    QTest::newRow("fields 2 and 16 joined")
        << QStringList{InGroep("Di", "avond"), InGroep("", "Z"), InGroep("Z", "")}
        << QStringList{"1  (DIAVOND)", "2  (Z)"};
    QTest::newRow("1 after 11 is a group of its own")
        << QStringList{InGroep("1", "1"), InGroep("1", "")} << QStringList{"1  (1)", "2  (11)"};
    QTest::newRow("digits compare as text")
        << QStringList{InGroep("2", ""), InGroep("10", ""), InGroep("1", "")}
        << QStringList{"1  (1)", "2  (10)", "3  (2)"};
    QTest::newRow("hyphen ignored in order")
        << QStringList{InGroep("A-C", ""), InGroep("AB", "")} << QStringList{"1  (AB)", "2  (A-C)"};
    QTest::newRow("no member lines") << QStringList{} << QStringList{};

    QStringList tien;
    for (const char* g : {"J", "I", "H", "G", "F", "E", "D", "C", "B", "A"})
        tien << InGroep(QString::fromLatin1(g), "");
    QTest::newRow("groups 9 and 10 spacing")
        << tien << QStringList{"1  (A)", "2  (B)", "3  (C)", "4  (D)", "5  (E)",
                               "6  (F)", "7  (G)", "8  (H)", "9  (I)", "10 (J)"};
}

void TstSpelergroepen::groepen() {
    QFETCH(QStringList, regels);
    QFETCH(QStringList, rijen);
    MeldingRecorder meldingen;
    const GroepenLijst lijst = LeesGroepen(Lees(regels), meldingen);
    QStringList teksten;
    for (const GroepRij& rij : lijst.rijen) {
        teksten << rij.tekst;
        QVERIFY(!rij.aangevinkt);
    }
    QCOMPARE(teksten, rijen);
    QCOMPARE(lijst.huidigeRij, rijen.isEmpty() ? -1 : 0);
    QVERIFY(meldingen.meldingen.isEmpty());
}

void TstSpelergroepen::meerDan99Groepen_data() {
    QTest::addColumn<int>("aantal");
    QTest::addColumn<int>("rijen");
    QTest::addColumn<bool>("melding");
    QTest::newRow("99 groups") << 99 << 99 << false;
    QTest::newRow("100 groups") << 100 << 99 << true;
}

void TstSpelergroepen::meerDan99Groepen() {
    QFETCH(int, aantal);
    QFETCH(int, rijen);
    QFETCH(bool, melding);
    QStringList regels;
    for (int g = aantal; g >= 1; --g)
        regels << InGroep(QStringLiteral("G%1").arg(g, 3, 10, QLatin1Char('0')), "");
    MeldingRecorder meldingen;
    const GroepenLijst lijst = LeesGroepen(Lees(regels), meldingen);
    QCOMPARE(lijst.rijen.size(), rijen);
    QCOMPARE(lijst.rijen.first().tekst, "1  (G001)");
    QCOMPARE(lijst.rijen.last().tekst, "99 (G099)");
    QCOMPARE(meldingen.meldingen.size(), melding ? 1 : 0);
    if (melding) {
        QCOMPARE(meldingen.meldingen.first().tekst,
                 "Het ledenbestand heeft meer dan 99 spelergroepen; alleen de eerste 99 worden "
                 "gebruikt.");
        QCOMPARE(meldingen.meldingen.first().pictogram, Meldingen::Pictogram::Uitroep);
    }
}

void TstSpelergroepen::rijDelen_data() {
    QTest::addColumn<QString>("rij");
    QTest::addColumn<int>("nummer");
    QTest::addColumn<QString>("sleutel");
    QTest::addColumn<QString>("naam");
    QTest::newRow("one digit") << "1  (A1)" << 1 << "(A1)" << "A1";
    QTest::newRow("two digits") << "12 (B)" << 12 << "(B)" << "B";
    QTest::newRow("blank inside the key") << "3  (A B)" << 3 << "(A B)" << "A B";
    QTest::newRow("parenthesis inside the key") << "4  (X(B))" << 4 << "(X(B))" << "X(B";
    QTest::newRow("no blank") << "7(Q)" << 7 << "7(Q)" << "Q";
}

void TstSpelergroepen::rijDelen() {
    QFETCH(QString, rij);
    QFETCH(int, nummer);
    QFETCH(QString, sleutel);
    QFETCH(QString, naam);
    QCOMPARE(RijNummer(rij), nummer);
    QCOMPARE(RijSleutel(rij), sleutel);
    QCOMPARE(RijNaam(rij), naam);
}

QTEST_GUILESS_MAIN(TstSpelergroepen)
#include "tst_spelergroepen.moc"
