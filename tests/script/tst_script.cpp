#include "common/ansi.h"
#include "nodeharnas.h"
#include "script/groepfilter.h"
#include "script/maakscript.h"
#include "script/scripttekst.h"
#include "script/sitevakken.h"
#include "support/testpaden.h"

#include <QJsonArray>
#include <QRandomGenerator>
#include <QTest>

Q_DECLARE_METATYPE(ScriptInvoer)

namespace {

const std::array<QString, 4> kVakken{u"naam1"_qs, u"partner"_qs, u"inval1"_qs, u"inval3"_qs};

QString Dag(const char* lang, const char* datum) { return QString::fromUtf8(lang) + QString(40, u' ') + QString::fromUtf8(datum); }

// The input with its members: name, number, group and partner number each.
ScriptInvoer Met(ScriptInvoer in, const QList<QStringList>& leden)
{
    in.leden.LidNaam = in.leden.LidNummer = in.leden.LidGroep = in.partners = {QString()};
    for (const QStringList& lid : leden)
        in.leden.LidNaam << lid.value(0), in.leden.LidNummer << lid.value(1), in.leden.LidGroep << lid.value(2), in.partners << lid.value(3);
    return in;
}

// The inputs of the golden files in tests/data/script.
ScriptInvoer TweeLeden()
{
    return Met({.txtClubnaam = "BC De Troef", .cmbSpeeldag = "donderdag-avond", .chkToonInvallers = 1, .chk1 = 1, .chkToonPartner = 1, .txtContactPers = "Piet Bakker", .txtEindtijd = "15:30", .lstActEmails = {"  afmelden@troef.nl  ", "secretaris@troef.nl"}, .lstDagen = {Dag("donderdag-avond 4 september 2025", "20250904"), Dag("donderdag-avond 11 september 2025", "20250911")}, .txtB1 = kVakken, .txtB2 = {"2", "2", "3", "2,3"}, .kop = {.kopvakbr = 750, .kopvakho = 100, .koptekst = "BC De Troef", .kopfont = "Arial", .kophoogi = 7, .kophoog = 24, .kopvet = 1, .kopback = 65535, .kopverti = 10, .kopvert = 20, .tekstlo = "abcde", .tekstro = "info@troef.nl", .logofile = "000001.jpg", .logomarge = 5, .logojn = 1}},
               {{"Jan van Dijk", "1234", "2", "5678"}, {"Els de Wit", "77", "3"}});
}

ScriptInvoer ZonderPartner()
{
    // Partner numbers are given but must not reach the file: the box is cleared.
    return Met({.txtClubnaam = "Bridgeclub €uro", .cmbSpeeldag = "maandag", .chkToonInvallers = 2, .chk2 = 1, .chkPartnerOok = 0, .txtContactPers = "Zoë Müller", .lstActEmails = {"   "}, .txtB1 = kVakken, .txtB2 = {"", "Partners", "1,3,", " 12 "}, .kop = {.kopfont = "Times New Roman", .kopkleur = 255 + 128 * 256, .kophoog = 10, .kopback = 255 * 65536, .kopvert = -2}},
               {{"Zoë Müller", "5", "1", "99"}, {"Partner2 Jansen", "12", "1"}, {"", "13", "1"}, {"Ben\u00A0Bos", " 130", "3", "5"}, {"René Dupré", "1234567", "12"}, {"PARTNER9", "77", "3"}, {"Łukasz Nowak", "88", "3"}});
}

ScriptInvoer Aanhalingstekens()
{
    return Met({.txtClubnaam = "BC 't Hoekje", .cmbSpeeldag = "dinsdag-middag", .chkToonInvallers = 1, .chk1 = 1, .chk2 = 1, .chkToonPartner = 1, .txtContactPers = "Jan \"Pietje\" D'Hondt", .txtEindtijd = "12:00\r\n", .lstActEmails = {"a'b@c.nl", " x\\y@z.nl "}, .lstDagen = {Dag("dinsdag-middag 2 september 2025", "20250902")}, .txtB1 = {"naam'1", "part\\ner", "inval1", "inval3"}, .txtB2 = {"1", "1", "1", "1"}, .kop = {.kopvakbr = 999, .kopvakho = 130, .koptekst = "C:\\Kop\\'s", .kopfont = "Arial", .kopkleur = -1, .kophoog = 24, .kopvet = 1, .kopback = -256, .kopvert = 70, .tekstlo = "a\nb", .tekstro = "tab\there", .logofile = "000002.gif", .logomarge = 30, .logojn = 1}},
               {{"D'Hondt", "1", "1", "2"}, {"'t Hart ë\\", "2", "1", "1"}, {"Partner1 X", "3", "1"}, {"Bas", "4", "1", "12a"}});
}

// Texts from everywhere a typed or imported text can take them.
ScriptInvoer Willekeurig(QRandomGenerator& rg)
{
    static const QString tekens = u"abcXYZ09 .,-:;#@()<>/=+*?!&%$`|_ '''\\\\\"\"\t\r\n\u0080\u0081\u008D\u00A0\u00AD\u00E9\u00EB\u00FF"
                                  "\u20AC\u201A\u2018\u2019\u201E\u2026\u0160\u0178\u0141\u4E2D\u2028\u2029\uFEFF\u0001\u007F\U0001F600"_qs;
    const auto t = [&](int max) {
        QString uit;
        for (int i = rg.bounded(max + 1); i > 0; --i)
            uit += tekens.at(rg.bounded(int(tekens.size())));
        return uit;
    };
    const auto kies = [&](const QStringList& uit) { return uit.at(rg.bounded(int(uit.size()))); };
    // Box names repeat: the site's ifs then run one after the other on the same box.
    const QStringList namen{"naam1", "x", "a'b\\", ""}, vakken{"", "1", "2,3", " 1, 4,", "PartNers", "3,1,,5", "007,12"},
        nummers{"7", " 12", "123456", "1234567", "", "x1"};
    ScriptInvoer in{.txtClubnaam = t(20), .cmbSpeeldag = t(10), .chkToonInvallers = rg.bounded(3), .chk1 = rg.bounded(3), .chk2 = rg.bounded(3), .chkToonPartner = rg.bounded(2), .chkPartnerOok = rg.bounded(2), .txtContactPers = t(20), .txtEindtijd = t(8), .lstActEmails = {t(20)}, .lstDagen = {t(50)}, .txtB1 = {kies(namen), kies(namen), kies(namen), kies(namen)}, .txtB2 = {kies(vakken), kies(vakken), kies(vakken), kies(vakken)}, .kop = {.koptekst = t(30), .kopfont = t(10), .kopkleur = int(rg.generate()), .tekstlo = t(10), .tekstro = t(10), .logofile = t(10)}};
    QList<QStringList> leden;
    for (int i = rg.bounded(30); i > 0; --i)
        leden.append({kies({"", "Partner", "PARTNER", "partne", ""}) + t(15), kies(nummers), kies(nummers).trimmed(), kies(nummers)});
    return Met(in, leden);
}

} // namespace

class TstScript : public QObject {
    Q_OBJECT
private slots:
    void script_data();
    void script();
    void regels_data();
    void regels();
};

void TstScript::script_data()
{
    QTest::addColumn<QList<ScriptInvoer>>("invoeren");
    QTest::addColumn<QString>("bestand");    // the golden file of one input
    QTest::addColumn<QString>("vakken");     // what each box offers, for one input
    QTest::addColumn<QStringList>("regels"); // runs of whole lines the script of one input holds
    QTest::newRow("two members with partners") << QList{TweeLeden()} << "twee_leden.js"
                                               << "K|Jan van Dijk / K|Jan van Dijk / K|Els de Wit / K|Jan van Dijk|Els de Wit" << QStringList();
    // René Dupré's seven-digit number shifts his code: the site reads group 001, not 012.
    QTest::newRow("partners hidden, text rules") << QList{ZonderPartner()} << ""
                                                 << u" / K|Zoë Müller|René Dupré / K|Zoë Müller|Ben\u00A0Bos|René Dupré|?ukasz Nowak / K"_qs
                                                 << QStringList{u"alg[0]='Bridgeclub €uro';\r\nalg[1]='maandag';\r\nalg[2]=0;\r\nalg[3]=1;\r\nalg[4]='Zoë Müller';\r\n"
                                                                "alg[5]='';\r\nalg[6]=2;\r\nalg[7]=0;\r\nalg[8]=1;"_qs,
                                                                "ikop[0]='';\r\nikop[1]='Times New Roman';\r\nikop[2]=0;\r\nikop[3]=10;\r\nikop[4]='rgb(255,128,0)';\r\n"
                                                                "ikop[5]='rgb(0,0,255)';\r\nikop[6]=0;\r\nikop[7]='';\r\nikop[8]=0;\r\nikop[9]=-2;\r\nikop[10]='';\r\n"
                                                                "ikop[11]='';\r\nikop[12]=0;\r\nikop[13]=0;",
                                                                "function ActemNaarDim()\r\n{\r\n}", "function DagenNaarDim()\r\n{\r\n}",
                                                                "var DUM10='';\r\nvar DUM11='#000#001';\r\nvar DUM12='#000#001#003';\r\nvar DUM13='#000#012';",
                                                                u"idbnrbes[0]='000000000000000000';\r\nlid[1]='Zo\\u00EB M\\u00FCller';\r\nidbnrbes[1]='000005000000000001';\r\n"
                                                                "lid[2]='Ben\u00A0Bos';\r\nidbnrbes[2]='000130000000000003';\r\nlid[3]='Ren\\u00E9 Dupr\\u00E9';\r\n"
                                                                "idbnrbes[3]='1234567000000000012';\r\nlid[4]='?ukasz Nowak';\r\nidbnrbes[4]='000088000000000003';\r\n}"_qs};
    QTest::newRow("quotes; boxes 0 and 2 skip Partner..") << QList{Aanhalingstekens()} << ""
                                                          << u"K|D'Hondt|'t Hart ë\\|Bas / K|D'Hondt|'t Hart ë\\|Partner1 X|Bas / K|D'Hondt|'t Hart ë\\|Bas / K|D'Hondt|'t Hart ë\\|Partner1 X|Bas"_qs
                                                          << QStringList{"alg[0]='BC \\'t Hoekje';\r\nalg[1]='dinsdag-middag';\r\nalg[2]=1;\r\nalg[3]=1;\r\n"
                                                                         "alg[4]='Jan \"Pietje\" D\\'Hondt';\r\nalg[5]='12:00\\r\\n';\r\nalg[6]=1;\r\nalg[7]=1;",
                                                                         "ikop[0]='C:\\\\Kop\\\\\\'s';\r\nikop[1]='Arial';\r\nikop[2]=1;\r\nikop[3]=24;\r\nikop[4]='rgb(255,0,0)';\r\n"
                                                                         "ikop[5]='rgb(0,255,0)';\r\nikop[6]=1;\r\nikop[7]='000002.gif';\r\nikop[8]=30;\r\nikop[9]=70;\r\n"
                                                                         "ikop[10]='a\\nb';\r\nikop[11]='tab\there';\r\nikop[12]=999;\r\nikop[13]=130;",
                                                                         "{\r\nactem[0]='a\\'b@c.nl';\r\nactem[1]='x\\\\y@z.nl';\r\n}", "{\r\ndag[0]='20250902';\r\n}",
                                                                         u"lid[1]='D\\'Hondt';\r\nidbnrbes[1]='000001000000002001';\r\nlid[2]='\\'t Hart \\u00EB\\\\';\r\n"
                                                                         "idbnrbes[2]='000002000000001001';\r\nlid[3]='Partner1 X';\r\nidbnrbes[3]='000003000000000001';\r\n"
                                                                         "lid[4]='Bas';\r\nidbnrbes[4]='000004000000000001';\r\n}"_qs,
                                                                         "if (cmbnaam == 'naam\\'1'){", "if (cmbnaam == 'part\\\\ner'){"};
    QRandomGenerator rg(20250902);
    QList<ScriptInvoer> veel;
    for (int i = 0; i < 200; ++i)
        veel.append(Willekeurig(rg));
    QTest::newRow("200 generated inputs") << veel << ""
                                          << "" << QStringList();
}

void TstScript::script()
{
    QFETCH(QList<ScriptInvoer>, invoeren);
    QFETCH(QString, bestand);
    QFETCH(QString, vakken);
    QFETCH(QStringList, regels);
    QTemporaryDir map;
    QList<std::pair<QString, std::array<QString, 4>>> scripts;
    for (const ScriptInvoer& in : invoeren) {
        scripts.append({map.filePath(QString::number(scripts.size()) + u".js"_qs), in.txtB1});
        QVERIFY(TestPaden::SchrijfBestand(scripts.last().first, Script::MaakScriptBestand(in)));
    }
    NodeHarnas node;
    const QByteArray gemaakt = TestPaden::LeesBestand(scripts.first().first);
    for (const QString& regel : regels)
        QVERIFY2(Ansi::Van(gemaakt).contains(u"\r\n"_qs + regel + u"\r\n"_qs), qPrintable(regel));
    if (!bestand.isEmpty()) {
        const QByteArray verwacht = TestPaden::LeesBestand(TestPaden::TestData(u"script/"_qs + bestand));
        QCOMPARE(Ansi::Van(gemaakt).split(u"\r\n"_qs), Ansi::Van(verwacht).split(u"\r\n"_qs)); // names the first differing line
        QCOMPARE(gemaakt, verwacht);
    }
    const QList<QJsonObject> site = node.Draai(scripts);
    QVERIFY2(site.size() == invoeren.size(), qPrintable(node.Fout()));
    for (qsizetype i = 0; i < site.size(); ++i) {
        const ScriptInvoer& in = invoeren.at(i);
        QVERIFY2(!site.at(i).contains(u"fout"), qPrintable(site.at(i)[u"fout"].toString()));
        // Every value arrives as typed, as far as the code page holds it.
        const QJsonArray alg = site.at(i)[u"alg"].toArray(), ikop = site.at(i)[u"ikop"].toArray();
        const QList<QJsonValue> aangekomen{alg[0], alg[1], alg[4], alg[5], ikop[0], ikop[1], ikop[7], ikop[10], ikop[11]};
        const QStringList getypt{in.txtClubnaam, in.cmbSpeeldag, in.txtContactPers, in.txtEindtijd, in.kop.koptekst,
                                 in.kop.kopfont, in.kop.logofile, in.kop.tekstlo, in.kop.tekstro};
        for (qsizetype v = 0; v < getypt.size(); ++v)
            QCOMPARE(aangekomen.at(v).toString(), Ansi::Van(Ansi::Naar(getypt.at(v))));
        // The boxes as the preview computes them.
        const Script::SiteGegevens model = Script::MaakSiteGegevens(in);
        QStringList teksten;
        for (int k = 0; k < 4; ++k) {
            QJsonArray opties;
            QStringList namen;
            for (const Script::SiteNaam& naam : Script::VulCombo(model, model.namen[k]))
                opties.append(QJsonObject{{u"tekst"_qs, naam.tekst}, {u"waarde"_qs, naam.code}}),
                    namen << (naam.code == QLatin1String(Script::KiesNaamCode) ? u"K"_qs : naam.tekst);
            QCOMPARE(site.at(i)[u"vakken"][k][u"opties"].toArray(), opties);
            teksten << namen.join(u'|');
        }
        if (!vakken.isEmpty())
            QCOMPARE(teksten.join(u" / "), vakken);
    }
}

void TstScript::regels_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("soort"); // 0 to 3: the site filter of that box; else: at least that many digits
    QTest::addColumn<QString>("uit");
    QTest::newRow("filter: zeros") << "007,0,00" << 2 << "#000#007#000#000";
    QTest::newRow("filter: no number, beyond 16 bits") << "1,x,70000,32767" << 3 << "#000#001#000#000#32767";
    QTest::newRow("filter: partners in box 3 is no word") << "2,partners" << 3 << "#000#002#000";
    QTest::newRow("digits: blanks around") << " 77 " << 6 << "000077";
    QTest::newRow("digits: leading zeros do not count") << "0000012" << 6 << "000012";
    QTest::newRow("digits: more kept, beyond 64 bits") << "123456789012345678901" << 6 << "123456789012345678901";
    for (const QString& nul : {u"12a"_qs, u"-5"_qs, u"1'2"_qs, u"\u0661\u0662"_qs, u""_qs, u"   "_qs})
        QTest::newRow(qPrintable(u"digits: reads 0: "_qs + nul)) << nul << 4 << "0000";
}

void TstScript::regels()
{
    QFETCH(QString, tekst);
    QFETCH(int, soort);
    QFETCH(QString, uit);
    QByteArray script("x"); // digits are appended
    if (soort >= 4)
        Script::VoegCijfersToe(script, tekst, soort);
    QCOMPARE(soort < 4 ? Script::GroepFilter(tekst, soort) : QString::fromLatin1(script), soort >= 4 ? u'x' + uit : uit);
}

QTEST_GUILESS_MAIN(TstScript)
#include "tst_script.moc"
