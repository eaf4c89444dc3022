// What the sign-off site holds and offers for generated scripts: the box filling computed in
// C++ against hand-written expectations, and the same as Node runs the script.
#include "common/tekst.h"
#include "nodeharnas.h"
#include "script/sitevakken.h"
#include "scriptvoorbeelden.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

using namespace ScriptVoorbeelden;

namespace {

const QString K = QString::fromLatin1(Script::KiesNaam);

QString Rondgang(const QString& tekst) { return NodeHarnas::Rondgang(tekst); }

struct Geval {
    const char* naam;
    ScriptInvoer invoer;
    QList<QStringList> opties; // per box
};

// Every text of the inputs set to `t` (box names numbered to keep them apart), with
// partners shown and two members.
ScriptInvoer Overal(const QString& t)
{
    ScriptInvoer in = Basis();
    in.txtClubnaam = in.cmbSpeeldag = in.txtContactPers = in.txtEindtijd = t;
    in.chkToonPartner = 1;
    in.lstActEmails = {t};
    in.lstDagen = {t};
    for (int k = 0; k < 4; ++k) {
        in.txtB1[k] = t + QString::number(k);
        in.txtB2[k] = t;
    }
    in.kop.koptekst = in.kop.kopfont = in.kop.tekstlo = in.kop.tekstro = in.kop.logofile = t;
    VoegLidToe(in, t, t, t, t);
    VoegLidToe(in, u"Zoë "_qs + t, QStringLiteral("2"), QStringLiteral("0"), t);
    return in;
}


// Partner dummies in several spellings beside an ordinary member, all in group 1.
ScriptInvoer Dummies(int chkPartnerOok)
{
    ScriptInvoer in = Basis();
    in.chkPartnerOok = chkPartnerOok;
    in.txtB2 = {"1", "1", "1", "1"};
    VoegLidToe(in, "Partner1", "1", "1");
    VoegLidToe(in, "partner5 klein", "5", "1");
    VoegLidToe(in, "Piet", "2", "1");
    VoegLidToe(in, "PARTNER7", "7", "1");
    VoegLidToe(in, "Partne", "8", "1");
    return in;
}

QList<Geval> Gevallen()
{
    QList<Geval> gevallen;
    {
        ScriptInvoer in = Basis();
        in.txtB2 = {"", "1", "2,3", "1, 3,"};
        VoegLidToe(in, "Anna", "1", "1");
        VoegLidToe(in, "Bert", "2", "2");
        VoegLidToe(in, "Carla", "3", "3");
        VoegLidToe(in, "Dirk", "4", "4");
        gevallen.append({"groups per box, empty box offers nothing", in,
                         {{}, {K, "Anna"}, {K, "Bert", "Carla"}, {K, "Anna", "Carla"}}});
    }
    gevallen.append({"boxes 0 and 2 skip Partner in exact case", Dummies(1),
                     {{K, "partner5 klein", "Piet", "PARTNER7", "Partne"},
                      {K, "Partner1", "partner5 klein", "Piet", "PARTNER7", "Partne"},
                      {K, "partner5 klein", "Piet", "PARTNER7", "Partne"},
                      {K, "Partner1", "partner5 klein", "Piet", "PARTNER7", "Partne"}}});
    gevallen.append({"dummies left out everywhere without chkPartnerOok", Dummies(0),
                     QList<QStringList>(4, {K, "Piet", "Partne"})});
    {
        ScriptInvoer in = Basis();
        in.txtB2 = {"1", "partners", "PARTNERS", "2"};
        VoegLidToe(in, "Anna", "1", "1");
        VoegLidToe(in, "Bert", "2", "2");
        gevallen.append({"the word partners in box 1 only", in, {{K, "Anna"}, {K, "Anna"}, {K}, {K, "Bert"}}});
    }
    {
        // 1234567 has seven digits: the code is one longer and the site reads group 001.
        ScriptInvoer in = Basis();
        in.txtB2 = {"1", "12", "1,12", "12"};
        VoegLidToe(in, "Lang Nummer", "1234567", "12");
        VoegLidToe(in, "Kort Nummer", "123456", "12");
        gevallen.append({"long member number shifts the group", in,
                         {{K, "Lang Nummer"}, {K, "Kort Nummer"}, {K, "Lang Nummer", "Kort Nummer"}, {K, "Kort Nummer"}}});
    }
    {
        // A partner number of ten digits shifts the group just as well: the site reads 100.
        ScriptInvoer in = Basis();
        in.chkToonPartner = 1;
        in.txtB2 = {"2", "100", "2", "100"};
        VoegLidToe(in, "Met Partner", "1", "2", "1234567891");
        VoegLidToe(in, "Zonder", "2", "2", "55");
        gevallen.append({"long partner number shifts the group", in,
                         {{K, "Zonder"}, {K, "Met Partner"}, {K, "Zonder"}, {K, "Met Partner"}}});
        in.chkToonPartner = 0;
        gevallen.append({"partner numbers unused without Toon Partner", in,
                         {{K, "Met Partner", "Zonder"}, {K}, {K, "Met Partner", "Zonder"}, {K}}});
    }
    {
        // Two boxes of one name: the site's ifs run one after the other on the same box.
        ScriptInvoer in = Basis();
        in.txtB1 = {"x", "x", "y", "z"};
        in.txtB2 = {"1", "2", "1", "3"};
        VoegLidToe(in, "Anna", "1", "1");
        VoegLidToe(in, "Partner2", "2", "2");
        VoegLidToe(in, "Partner1", "3", "1");
        gevallen.append({"two boxes with one name", in,
                         {{K, "Anna", "Partner2"}, {K, "Anna", "Partner2"}, {K, "Anna"}, {K}}});
    }
    {
        ScriptInvoer in = Basis();
        in.txtB2 = {"1", "1", "1", "1"};
        VoegLidToe(in, u"Zoë Łukasz"_qs, "1", "1");
        gevallen.append({"names as the code page brings them", in,
                         QList<QStringList>(4, {K, u"Zoë ?ukasz"_qs})});
    }
    const QList<QStringList> tweeLeden{{K, "Jan van Dijk"}, {K, "Jan van Dijk"}, {K, "Els de Wit"},
                                       {K, "Jan van Dijk", "Els de Wit"}};
    gevallen.append({"two members", TweeLeden(), tweeLeden});
    // René Dupré's seven-digit member number keeps all its digits, which shifts his code:
    // the site reads group 001 instead of 012. The layout binds, so that is what it shows.
    gevallen.append({"text rules, empty box 0", ZonderPartner(),
                     {{},
                      {K, u"Zoë Müller"_qs, u"René Dupré"_qs},
                      {K, u"Zoë Müller"_qs, u"Ben\u00A0Bos"_qs, u"René Dupré"_qs, "?ukasz Nowak"},
                      {K}}});
    gevallen.append({"quotes in names and box names", Aanhalingstekens(),
                     {{K, "D'Hondt", u"'t Hart ë\\"_qs, "Bas"},
                      {K, "D'Hondt", u"'t Hart ë\\"_qs, "Partner1 X", "Bas"},
                      {K, "D'Hondt", u"'t Hart ë\\"_qs, "Bas"},
                      {K, "D'Hondt", u"'t Hart ë\\"_qs, "Partner1 X", "Bas"}}});
    {
        ScriptInvoer in = TweeLeden();
        in.txtB1 = {"a'b", "c\\d", "e\r\nf", "\"g\""};
        gevallen.append({"box names with quotes and line break", in, tweeLeden});
    }
    {
        ScriptInvoer in = Basis();
        in.txtB2 = {"1", "partners", "1,2", "3"};
        gevallen.append({"zero members", in, QList<QStringList>(4, {K})});
    }
    return gevallen;
}

QStringList Teksten(const QList<Script::SiteNaam>& namen)
{
    QStringList uit;
    for (const Script::SiteNaam& naam : namen)
        uit.append(naam.tekst);
    return uit;
}

} // namespace

class TstScriptNode : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void waardenKomenAan_data();
    void waardenKomenAan();
    void lidOpSite_data();
    void lidOpSite();
    void vulCombo_data();
    void vulCombo();
    void zoalsDeSite_data();
    void zoalsDeSite();

private:
    NodeHarnas m_harnas;
};

void TstScriptNode::initTestCase()
{
    if (const QString fout = m_harnas.Fout(); !fout.isEmpty())
        QFAIL(qPrintable(fout));
}

void TstScriptNode::waardenKomenAan_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::newRow("apostrophes") << "D'Hondt 't ''";
    QTest::newRow("backslash at the end") << "C:\\map\\";
    QTest::newRow("backslash before apostrophe") << "\\'";
    QTest::newRow("double quotes") << "\"Pietje\" \"";
    QTest::newRow("line breaks") << "a\r\nb\rc\nd";
    QTest::newRow("above 160") << u"Zoë ÿ ¡ é\u00A0x"_qs;
    QTest::newRow("euro and curly quotes") << u"€ ‘x’ „y” … – ™"_qs;
    QTest::newRow("outside the code page") << u"Łódź 中文 😀 \u2028\u2029"_qs;
    QTest::newRow("script-like text") << "</script><!-- */ // ${x} `";
    QTest::newRow("tab and control") << u"a\tb\u0001c"_qs;
}

void TstScriptNode::waardenKomenAan()
{
    QFETCH(QString, tekst);
    const QJsonObject js = m_harnas.Draai(Overal(tekst));
    QVERIFY2(!js.isEmpty(), "node --check or the harness failed");
    const QString t = Rondgang(tekst);
    const QJsonArray alg = js[u"alg"].toArray();
    QCOMPARE(alg.at(0).toString(), t);
    QCOMPARE(alg.at(1).toString(), t);
    QCOMPARE(alg.at(4).toString(), t);
    QCOMPARE(alg.at(5).toString(), t);
    const QJsonArray ikop = js[u"ikop"].toArray();
    for (int i : {0, 1, 7, 10, 11})
        QCOMPARE(ikop.at(i).toString(), t);
    const QString adres = Tekst::Trim(t);
    QCOMPARE(js[u"actem"].toArray().size(), adres.isEmpty() ? 0 : 1);
    if (!adres.isEmpty())
        QCOMPARE(js[u"actem"].toArray().at(0).toString(), adres);
    QCOMPARE(js[u"dag"].toArray().at(0).toString(), Rondgang(tekst.right(8)));
    const QJsonArray lid = js[u"lid"].toArray();
    QCOMPARE(lid.size(), 3);
    QCOMPARE(lid.at(1).toString(), t);
    QCOMPARE(lid.at(2).toString(), Rondgang(u"Zoë "_qs + tekst));
    for (const QJsonValue code : js[u"idbnrbes"].toArray())
        QVERIFY(
            QRegularExpression(QStringLiteral("^[0-9]{18}$")).match(code.toString()).hasMatch());
}

void TstScriptNode::lidOpSite_data()
{
    QTest::addColumn<QString>("naam");
    QTest::addColumn<int>("chkPartnerOok");
    QTest::addColumn<bool>("opSite");
    QTest::newRow("ordinary") << "Piet" << 0 << true;
    QTest::newRow("empty name") << "" << 1 << false;
    QTest::newRow("dummy with chkPartnerOok") << "Partner1" << 1 << true;
    QTest::newRow("dummy without") << "Partner1" << 0 << false;
    QTest::newRow("any case without") << "pARTNER9 x" << 0 << false;
    QTest::newRow("seven letters exactly") << "Partner" << 0 << false;
    QTest::newRow("six letters stay") << "Partne" << 0 << true;
    QTest::newRow("grey state keeps dummies") << "Partner1" << 2 << true;
}

void TstScriptNode::lidOpSite()
{
    QFETCH(QString, naam);
    QFETCH(int, chkPartnerOok);
    QFETCH(bool, opSite);
    QCOMPARE(Script::LidOpSite(naam, chkPartnerOok), opSite);
}

void TstScriptNode::vulCombo_data()
{
    QTest::addColumn<ScriptInvoer>("invoer");
    QTest::addColumn<QList<QStringList>>("opties");
    for (const Geval& geval : Gevallen())
        QTest::newRow(geval.naam) << geval.invoer << geval.opties;
}

void TstScriptNode::vulCombo()
{
    QFETCH(ScriptInvoer, invoer);
    QFETCH(QList<QStringList>, opties);
    const Script::SiteGegevens site = Script::MaakSiteGegevens(invoer);
    QCOMPARE(site.lid.first().code, QString::fromLatin1(Script::KiesNaamCode));
    for (int k = 0; k < 4; ++k)
        QCOMPARE(Teksten(Script::VulCombo(site, site.namen[k])), opties.at(k));
}

void TstScriptNode::zoalsDeSite_data()
{
    QTest::addColumn<ScriptInvoer>("invoer");
    for (const Geval& geval : Gevallen())
        QTest::newRow(geval.naam) << geval.invoer;
}

void TstScriptNode::zoalsDeSite()
{
    QFETCH(ScriptInvoer, invoer);
    const QJsonObject js = m_harnas.Draai(invoer);
    QVERIFY2(!js.isEmpty(), "node --check or the harness failed");
    const Script::SiteGegevens site = Script::MaakSiteGegevens(invoer);
    const QJsonArray vakken = js[u"vakken"].toArray();
    QCOMPARE(vakken.size(), 4);
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(vakken.at(k)[u"naam"].toString(), Rondgang(invoer.txtB1[k]));
        QList<Script::SiteNaam> opSite;
        for (const QJsonValue optie : vakken.at(k)[u"opties"].toArray())
            opSite.append({optie[u"tekst"].toString(), optie[u"waarde"].toString()});
        const QList<Script::SiteNaam> berekend = Script::VulCombo(site, site.namen[k]);
        QCOMPARE(Teksten(berekend), Teksten(opSite));
        QCOMPARE(berekend, opSite);
    }
}

QTEST_GUILESS_MAIN(TstScriptNode)
#include "tst_scriptnode.moc"
