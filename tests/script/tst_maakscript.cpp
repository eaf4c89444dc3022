#include "common/ansi.h"
#include "common/paden.h"
#include "common/tekstbestand.h"
#include "script/bewaarscript.h"
#include "script/maakscript.h"
#include "scriptvoorbeelden.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QTemporaryDir>
#include <QTest>

using namespace ScriptVoorbeelden;

namespace {

QStringList Regels(const QByteArray& bytes)
{
    return Ansi::Van(bytes).split(QStringLiteral("\r\n"));
}

// True when `stuk` occurs as consecutive lines of `regels`.
bool BevatAaneen(const QStringList& regels, const QStringList& stuk)
{
    for (qsizetype i = 0; i + stuk.size() <= regels.size(); ++i) {
        if (regels.mid(i, stuk.size()) == stuk)
            return true;
    }
    return false;
}

QString Voltooid(const QString& speeldag)
{
    return QStringLiteral("\r\nHet Script-bestand voor '") + speeldag +
           QStringLiteral("' is gemaakt.\r\n\r\nU moet het hierna nog Uploaden.\r\n\r\n") +
           u"Als u ook een logoafbeelding hebt gemaakt of gewijzigd moet u die óók uploaden."_qs;
}

} // namespace

class TstMaakScript : public QObject {
    Q_OBJECT
private slots:
    void golden_data();
    void golden();
    void regels_data();
    void regels();
    void geenLeden();
    void bewaar();
    void bewaarMislukt_data();
    void bewaarMislukt();
};

void TstMaakScript::golden_data()
{
    QTest::addColumn<ScriptInvoer>("invoer");
    QTest::addColumn<QString>("bestand");
    QTest::newRow("two members with partners") << TweeLeden() << "script/twee_leden.js";
    QTest::newRow("partners hidden, text rules") << ZonderPartner() << "script/zonder_partner.js";
    QTest::newRow("quotes and backslashes") << Aanhalingstekens() << "script/aanhalingstekens.js";
}

void TstMaakScript::golden()
{
    QFETCH(ScriptInvoer, invoer);
    QFETCH(QString, bestand);
    const QByteArray verwacht = TestPaden::LeesBestand(TestPaden::TestData(bestand));
    QVERIFY(!verwacht.isEmpty());
    const QByteArray gemaakt = Script::MaakScriptBestand(invoer);
    QCOMPARE(Regels(gemaakt), Regels(verwacht)); // names the first differing line
    QCOMPARE(gemaakt, verwacht);
}

void TstMaakScript::regels_data()
{
    QTest::addColumn<ScriptInvoer>("invoer");
    QTest::addColumn<QStringList>("stuk");

    QTest::newRow("no address") << Basis() << QStringList{"function ActemNaarDim()", "{", "}",
                                               "ActemNaarDim();", ""};
    QTest::newRow("no date") << Basis() << QStringList{"function DagenNaarDim()", "{", "}", "DagenNaarDim();",
                                            ""};
    {
        ScriptInvoer in = Basis();
        in.lstActEmails = {"   ", "  a@b.nl  ", "", "c@d.nl", "\tt@u.nl"};
        QTest::newRow("addresses trimmed, blank ones use no index") << in
            << QStringList{"{", "actem[0]='a@b.nl';", "actem[1]='c@d.nl';", "actem[2]='\tt@u.nl';",
                           "}"};
    }
    {
        ScriptInvoer in = Basis();
        in.lstDagen = {DagRegel("maandag 1 september 2025", "20250901"), "x20991231"};
        QTest::newRow("last eight characters of a date entry")
            << in << QStringList{"{", "dag[0]='20250901';", "dag[1]='20991231';", "}"};
    }
    {
        ScriptInvoer in = Basis();
        in.txtB2 = {"", "partners", "1,,3,", "PARTNERS"};
        QTest::newRow("filters") << in << QStringList{"var DUM10='';", "var DUM11='#000#001';",
                                                "var DUM12='#000#001#003';",
                                                "var DUM13='#000#000';", ""};
    }
    {
        ScriptInvoer in = Basis();
        in.txtB2[1] = "  PaRtNeRs  ";
        QTest::newRow("partners in any case, blanks around") << in << QStringList{"var DUM11='#000#001';"};
    }
    {
        ScriptInvoer in = TweeLeden();
        in.chkToonPartner = 0;
        QTest::newRow("partner box cleared gives nine zeros") << in << QStringList{"alg[7]=0;"};
        QTest::newRow("partner box cleared gives nine zeros in codes") << in
            << QStringList{"lid[1]='Jan van Dijk';", "idbnrbes[1]='001234000000000002';",
                           "lid[2]='Els de Wit';", "idbnrbes[2]='000077000000000003';", "}"};
    }
    {
        ScriptInvoer in = TweeLeden();
        in.chkToonPartner = 2;
        QTest::newRow("partner box grey is not ticked")
            << in << QStringList{"idbnrbes[1]='001234000000000002';"};
    }
    {
        ScriptInvoer in = TweeLeden();
        in.partners = {QString()};
        QTest::newRow("partner list shorter than the tables")
            << in << QStringList{"idbnrbes[1]='001234000000000002';"};
    }
    {
        ScriptInvoer in = Basis();
        in.chkPartnerOok = 0;
        VoegLidToe(in, "Anna Bos", "1", "1");
        VoegLidToe(in, "Partner2 Jansen", "2", "1");
        VoegLidToe(in, "partner", "3", "1");
        VoegLidToe(in, "Partne", "4", "1");
        VoegLidToe(in, "", "5", "1");
        VoegLidToe(in, "Cor Vos", "6", "1");
        QTest::newRow("dummies and empty names skipped without a gap")
            << in << QStringList{"idbnrbes[0]='000000000000000000';", "lid[1]='Anna Bos';",
                                 "idbnrbes[1]='000001000000000001';", "lid[2]='Partne';",
                                 "idbnrbes[2]='000004000000000001';", "lid[3]='Cor Vos';",
                                 "idbnrbes[3]='000006000000000001';", "}"};
        in.chkPartnerOok = 1;
        QTest::newRow("dummies kept when they may show") << in << QStringList{"lid[1]='Anna Bos';",
                           "idbnrbes[1]='000001000000000001';",
                           "lid[2]='Partner2 Jansen';",
                           "idbnrbes[2]='000002000000000001';",
                           "lid[3]='partner';",
                           "idbnrbes[3]='000003000000000001';",
                           "lid[4]='Partne';",
                           "idbnrbes[4]='000004000000000001';",
                           "lid[5]='Cor Vos';",
                           "idbnrbes[5]='000006000000000001';",
                           "}"};
    }
    {
        ScriptInvoer in = Basis();
        in.chkToonPartner = 1;
        VoegLidToe(in, "Kees", "abc", "x", "1'2");
        VoegLidToe(in, "Lot", "123456789", "1000", "0012");
        QTest::newRow("codes stay digits") << in
            << QStringList{"idbnrbes[1]='000000000000000000';", "lid[2]='Lot';",
                           "idbnrbes[2]='1234567890000000121000';"};
    }
    {
        ScriptInvoer in = Basis();
        VoegLidToe(in, u"Zoë d'Ancona\\"_qs, "1", "1");
        QTest::newRow("name: quotes escaped before accents")
            << in << QStringList{"lid[1]='Zo\\u00EB d\\'Ancona\\\\';"};
    }
    {
        ScriptInvoer in = Basis();
        in.txtB1 = {" naam1 ", "a'b", "", "c\r\nd"};
        QTest::newRow("box names untrimmed and escaped") << in << QStringList{"if (cmbnaam == ' naam1 '){"};
        QTest::newRow("box name with apostrophe") << in << QStringList{"if (cmbnaam == 'a\\'b'){"};
        QTest::newRow("empty box name") << in << QStringList{"if (cmbnaam == ''){"};
        QTest::newRow("box name with line break") << in << QStringList{"if (cmbnaam == 'c\\r\\nd'){"};
    }
    {
        ScriptInvoer in = Basis();
        in.txtClubnaam = u"Ĳssel 😀 €"_qs;
        QTest::newRow("outside the code page becomes ?") << in << QStringList{u"alg[0]='?ssel ? €';"_qs};
    }
}

void TstMaakScript::regels()
{
    QFETCH(ScriptInvoer, invoer);
    QFETCH(QStringList, stuk);
    const QStringList regels = Regels(Script::MaakScriptBestand(invoer));
    if (!BevatAaneen(regels, stuk))
        QFAIL(qPrintable(QStringLiteral("Not found as consecutive lines:\n") + stuk.join(u'\n')));
}

void TstMaakScript::geenLeden()
{
    const QByteArray bytes = Script::MaakScriptBestand(Basis());
    const QStringList regels = Regels(bytes);
    QVERIFY(
        BevatAaneen(regels, {"lid[0]='-----  KIES NAAM  -----';",
                             "idbnrbes[0]='000000000000000000';", "}", "", "LedenNaarDims();"}));
    QVERIFY(bytes.endsWith("catch(ex)   {x.add(y);}\r\n}\r\n}\r\n}\r\n\r\n"));
    QVERIFY(!bytes.contains("lid[1]"));
}

void TstMaakScript::bewaar()
{
    // Saving twice over an older, longer file leaves exactly the new script.
    QTemporaryDir map;
    const QString pad = Paden::Samen(map.path(), "hovelink.js");
    QVERIFY(TestPaden::SchrijfBestand(pad, QByteArray(5000, 'x')));
    MeldingRecorder meldingen;
    const ScriptInvoer invoer = ZonderPartner();
    for (int keer = 0; keer < 2; ++keer)
        QVERIFY(Script::BewaarScript(pad, Script::MaakScriptBestand(invoer), invoer.cmbSpeeldag, meldingen));
    QCOMPARE(TestPaden::LeesBestand(pad), TestPaden::LeesBestand(TestPaden::TestData("script/zonder_partner.js")));
    QCOMPARE(meldingen.Teksten(), QStringList(2, Voltooid("maandag")));
    QCOMPARE(meldingen.meldingen.at(0).pictogram, Meldingen::Pictogram::Informatie);
    QCOMPARE(meldingen.meldingen.at(0).knoppen, Meldingen::Knoppen::Ok);
}

void TstMaakScript::bewaarMislukt_data()
{
    QTest::addColumn<bool>("schijfVol");
    QTest::newRow("folder missing") << false;
    QTest::newRow("disk fails while writing") << true;
}

void TstMaakScript::bewaarMislukt()
{
    QFETCH(bool, schijfVol);
    QTemporaryDir map;
    const QString pad = schijfVol ? Paden::Samen(map.path(), "hovelink.js")
                                  : Paden::Samen(map.path(), "ontbreekt/hovelink.js");
    if (schijfVol) {
        QVERIFY(TestPaden::SchrijfBestand(pad, "oud\r\n"));
        TekstBestand::ZetSchrijver([](const QString&, const QByteArray&) {
            return TekstBestand::SchrijfResultaat{false, QStringLiteral("schijf vol")};
        });
    }
    MeldingRecorder meldingen;
    const bool ok = Script::BewaarScript(pad, Script::MaakScriptBestand(TweeLeden()),
                                         "donderdag-avond", meldingen);
    TekstBestand::ZetSchrijver({});
    QVERIFY(!ok);
    QCOMPARE(meldingen.meldingen.size(), 1);
    const QString kop = QStringLiteral("Het Script-bestand kon niet worden opgeslagen:\r\n") + Paden::Toon(pad) +
                        QStringLiteral("\r\n\r\n");
    QVERIFY2(meldingen.meldingen.at(0).tekst.startsWith(kop) && meldingen.meldingen.at(0).tekst.size() > kop.size(),
             qPrintable(meldingen.meldingen.at(0).tekst)); // and the reason
    QCOMPARE(meldingen.meldingen.at(0).pictogram, Meldingen::Pictogram::Kritiek);
    if (schijfVol)
        QCOMPARE(TestPaden::LeesBestand(pad), QByteArray("oud\r\n"));
    else
        QVERIFY(!Paden::Bestaat(pad));
}

QTEST_GUILESS_MAIN(TstMaakScript)
#include "tst_maakscript.moc"
