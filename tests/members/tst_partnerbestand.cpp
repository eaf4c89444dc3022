#include "members/partnerbestand.h"
#include "support/testpaden.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TstPartnerbestand : public QObject {
    Q_OBJECT
private slots:
    void zoekPartner_data();
    void zoekPartner();
    void partnerTekst_data();
    void partnerTekst();
    void partnerTekstVoegtToe();
    void bestandOpzoeken_data();
    void bestandOpzoeken();
    void demoParen_data();
    void demoParen();
};

void TstPartnerbestand::zoekPartner_data() {
    QTest::addColumn<QString>("paren");
    QTest::addColumn<QString>("nummer");
    QTest::addColumn<QString>("partner");
    QTest::newRow("first of the pair") << "1234-5678#" << "1234" << "5678";
    QTest::newRow("second of the pair") << "1234-5678#" << "5678" << "1234";
    QTest::newRow("last pair wins") << "1234-5678#1234-9999#" << "1234" << "9999";
    QTest::newRow("earlier partner keeps its pair") << "1234-5678#1234-9999#" << "5678" << "1234";
    QTest::newRow("no closing #") << "1234-5678" << "1234" << "";
    QTest::newRow("piece after the last # unused") << "1234-5678#2345-6789" << "2345" << "";
    QTest::newRow("leading zero does not match") << "01234-5678#" << "1234" << "";
    QTest::newRow("exact comparison, no trimming") << "1234 -5678#" << "1234" << "";
    QTest::newRow("piece without - passed over") << "1234#5678-1234#" << "1234" << "5678";
    QTest::newRow("more than one - uses first two parts") << "1234-5678-9999#" << "1234" << "5678";
    QTest::newRow("third part is no partner") << "1234-5678-9999#" << "9999" << "";
    QTest::newRow("empty pieces") << "##1234-5678##" << "5678" << "1234";
    QTest::newRow("not in any pair") << "1234-5678#" << "42" << "";
    QTest::newRow("no pairs at all") << "" << "1234" << "";
}

void TstPartnerbestand::zoekPartner() {
    QFETCH(QString, paren);
    QFETCH(QString, nummer);
    QFETCH(QString, partner);
    QCOMPARE(ZoekPartner(MaakPartnerbestand(paren), "01,Naam,A," + nummer + ",Jan Naam,0"), partner);
}

void TstPartnerbestand::partnerTekst_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("plain line") << QByteArray("1-2#3-4#\r\n") << "1-2#3-4#";
    QTest::newRow("ends at comma") << QByteArray("1-2#,3-4#\r\n") << "1-2#";
    QTest::newRow("ends at line end") << QByteArray("1-2#\r\n3-4#\r\n") << "1-2#";
    QTest::newRow("bare line feed") << QByteArray("1-2#\n3-4#") << "1-2#";
    QTest::newRow("lone carriage return") << QByteArray("1-2#\r3-4#") << "1-2#";
    QTest::newRow("utf-8 after a byte order mark") << QByteArray("\xEF\xBB\xBF\"1-2#\xC3\xAB\"") << u"1-2#ë"_qs;
    QTest::newRow("leading spaces skipped") << QByteArray("   1-2# \r\n") << "1-2# ";
    QTest::newRow("quoted, comma inside") << QByteArray("\"1-2#,3-4#\",A1\r\n") << "1-2#,3-4#";
    QTest::newRow("quoted over a line break") << QByteArray("\"1-2#\r\n3-4#\"\r\n") << "1-2#\r\n3-4#";
    QTest::newRow("quoted, text after the quote ignored") << QByteArray("\"1-2#\"x9-9#,y") << "1-2#";
    QTest::newRow("quoted without closing quote") << QByteArray("\"1-2#3-4#") << "1-2#3-4#";
    QTest::newRow("empty file") << QByteArray() << "";
    QTest::newRow("empty first item") << QByteArray(",1-2#") << "";
}

void TstPartnerbestand::partnerTekst() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, tekst);
    QTemporaryDir map;
    const QString pad = map.filePath("A1.txt");
    QVERIFY(TestPaden::SchrijfBestand(pad, bytes));
    QString gelezen;
    LeesPartnerTekst(pad, gelezen);
    QCOMPARE(gelezen, tekst);
}

void TstPartnerbestand::partnerTekstVoegtToe() {
    QTemporaryDir map;
    QVERIFY(TestPaden::SchrijfBestand(map.filePath("A1.txt"), "3-4#\r\n"));
    QString tekst = QStringLiteral("1-2#");
    LeesPartnerTekst(map.filePath("A1.txt"), tekst);
    QCOMPARE(tekst, "1-2#3-4#");
    LeesPartnerTekst(map.filePath("ontbreekt.txt"), tekst);
    QCOMPARE(tekst, "1-2#3-4#");
}

void TstPartnerbestand::bestandOpzoeken_data() {
    QTest::addColumn<QString>("bestand"); // file name in the partner folder
    QTest::addColumn<QByteArray>("inhoud");
    QTest::addColumn<QString>("gekozen"); // text of cmbPartner
    QTest::addColumn<bool>("bestaat");
    QTest::addColumn<QStringList>("paren");
    QTest::newRow("same case") << "A1.txt" << QByteArray("1-2#\r\n") << "A1" << true
                               << QStringList{"1-2", ""};
    QTest::newRow("other case") << "a1.TXT" << QByteArray("1-2#\r\n") << "A1" << true
                                << QStringList{"1-2", ""};
    QTest::newRow("missing file") << "B.txt" << QByteArray("1-2#\r\n") << "A1" << false << QStringList{};
    QTest::newRow("empty file") << "A1.txt" << QByteArray() << "A1" << true << QStringList{};
    QTest::newRow("name is not a prefix") << "A1.txt" << QByteArray("1-2#") << "A" << false << QStringList{};
}

void TstPartnerbestand::bestandOpzoeken() {
    QFETCH(QString, bestand);
    QFETCH(QByteArray, inhoud);
    QFETCH(QString, gekozen);
    QFETCH(bool, bestaat);
    QFETCH(QStringList, paren);
    QTemporaryDir twk;
    QVERIFY(TestPaden::SchrijfBestand(twk.filePath("TWKspelers/Parenmap/" + bestand), inhoud));
    QCOMPARE(HeeftPartnerbestand(twk.path(), gekozen), bestaat);
    QCOMPARE(ZoekPartnerbestand(twk.path(), gekozen).isEmpty(), !bestaat);
    QCOMPARE(LeesPartnerbestand(twk.path(), gekozen).PartnerParen, paren);
}

void TstPartnerbestand::demoParen_data() {
    QTest::addColumn<QString>("gekozen");
    QTest::addColumn<QString>("nummer");
    QTest::addColumn<QString>("partner");
    QTest::newRow("A1, quoted file") << "A1" << "1002" << "1001";
    QTest::newRow("A1, paired with a dummy") << "A1" << "1010" << "1011";
    QTest::newRow("A1, no pair") << "A1" << "1012" << "";
    QTest::newRow("MA from Ma.txt") << "MA" << "1043" << "1044";
    QTest::newRow("MA, member of another group") << "MA" << "1001" << "";
}

void TstPartnerbestand::demoParen() {
    QFETCH(QString, gekozen);
    QFETCH(QString, nummer);
    QFETCH(QString, partner);
    const Partnerbestand bestand = LeesPartnerbestand(TestPaden::DemoMap(), gekozen);
    QVERIFY(bestand.PartnerTekst.endsWith(u'#'));
    QCOMPARE(ZoekPartner(bestand, "01,Naam,A1," + nummer + ",Jan Naam,0"), partner);
}

QTEST_GUILESS_MAIN(TstPartnerbestand)
#include "tst_partnerbestand.moc"
