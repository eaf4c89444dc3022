#include "common/tekst.h"
#include "nodeharnas.h"
#include "scriptvoorbeelden.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

using namespace ScriptVoorbeelden;

namespace {

const QString kKiesNaam = QStringLiteral("-----  KIES NAAM  -----");

QString Rondgang(const QString& tekst) { return NodeHarnas::Rondgang(tekst); }

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

} // namespace

class TstScriptNode : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void waardenKomenAan_data();
    void waardenKomenAan();
    void vakken_data();
    void vakken();

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

void TstScriptNode::vakken_data()
{
    QTest::addColumn<ScriptInvoer>("invoer");
    QTest::addColumn<QList<QStringList>>("opties");

    QTest::newRow("two members") << TweeLeden()
                                 << QList<QStringList>{{kKiesNaam, "Jan van Dijk"},
                                                       {kKiesNaam, "Jan van Dijk"},
                                                       {kKiesNaam, "Els de Wit"},
                                                       {kKiesNaam, "Jan van Dijk", "Els de Wit"}};
    // René Dupré's seven-digit member number keeps all its digits, which shifts his code:
    // the site reads group 001 instead of 012. The layout binds, so that is what it shows.
    QTest::newRow("text rules, empty box 0")
        << ZonderPartner()
        << QList<QStringList>{
               {},
               {kKiesNaam, u"Zoë Müller"_qs, u"René Dupré"_qs},
               {kKiesNaam, u"Zoë Müller"_qs, u"Ben\u00A0Bos"_qs, u"René Dupré"_qs, "?ukasz Nowak"},
               {kKiesNaam}};
    QTest::newRow("quotes in names and box names")
        << Aanhalingstekens()
        << QList<QStringList>{{kKiesNaam, "D'Hondt", u"'t Hart ë\\"_qs, "Bas"},
                              {kKiesNaam, "D'Hondt", u"'t Hart ë\\"_qs, "Partner1 X", "Bas"},
                              {kKiesNaam, "D'Hondt", u"'t Hart ë\\"_qs, "Bas"},
                              {kKiesNaam, "D'Hondt", u"'t Hart ë\\"_qs, "Partner1 X", "Bas"}};
    {
        ScriptInvoer in = Basis();
        in.txtB2 = {"1,2", "1,2", "2", "1"};
        VoegLidToe(in, "Partner1", "1", "1");
        VoegLidToe(in, "partner5 klein", "5", "1");
        VoegLidToe(in, "Piet", "2", "2");
        VoegLidToe(in, "PARTNER7", "7", "2");
        QTest::newRow("partner dummies only in boxes 1 and 3")
            << in
            << QList<QStringList>{{kKiesNaam, "partner5 klein", "Piet", "PARTNER7"},
                                  {kKiesNaam, "Partner1", "partner5 klein", "Piet", "PARTNER7"},
                                  {kKiesNaam, "Piet", "PARTNER7"},
                                  {kKiesNaam, "Partner1", "partner5 klein"}};
        in.txtB2 = {"", "", "", ""};
        QTest::newRow("empty filters offer nothing") << in << QList<QStringList>(4);
    }
    {
        ScriptInvoer in = Basis();
        in.txtB2 = {"1", "partners", "1,2", "3"};
        QTest::newRow("zero members") << in << QList<QStringList>(4, {kKiesNaam});
    }
    {
        ScriptInvoer in = TweeLeden();
        in.txtB1 = {"a'b", "c\\d", "e\r\nf", "\"g\""};
        QTest::newRow("box names with quotes and line break")
            << in
            << QList<QStringList>{{kKiesNaam, "Jan van Dijk"},
                                  {kKiesNaam, "Jan van Dijk"},
                                  {kKiesNaam, "Els de Wit"},
                                  {kKiesNaam, "Jan van Dijk", "Els de Wit"}};
    }
}

void TstScriptNode::vakken()
{
    QFETCH(ScriptInvoer, invoer);
    QFETCH(QList<QStringList>, opties);
    const QJsonObject js = m_harnas.Draai(invoer);
    QVERIFY2(!js.isEmpty(), "node --check or the harness failed");
    const QJsonArray lid = js[u"lid"].toArray();
    const QJsonArray idbnrbes = js[u"idbnrbes"].toArray();
    const QJsonArray vakken = js[u"vakken"].toArray();
    QCOMPARE(vakken.size(), 4);
    for (int k = 0; k < 4; ++k) {
        const QJsonObject vak = vakken.at(k).toObject();
        QCOMPARE(vak[u"naam"].toString(), Rondgang(invoer.txtB1[k]));
        QStringList teksten;
        for (const QJsonValue optie : vak[u"opties"].toArray()) {
            const QString tekst = optie[u"tekst"].toString();
            teksten.append(tekst);
            // Each option carries the code that belongs to its name.
            const qsizetype i = lid.toVariantList().indexOf(tekst);
            QVERIFY(i >= 0);
            QCOMPARE(optie[u"waarde"].toString(), idbnrbes.at(i).toString());
            if (k == 0 || k == 2)
                QVERIFY(!tekst.startsWith(u"Partner"));
        }
        QCOMPARE(teksten, opties.at(k));
        const bool filterLeeg = js[u"filters"].toArray().at(k).toString().isEmpty();
        QCOMPARE(teksten.isEmpty(), filterLeeg);
    }
}

QTEST_GUILESS_MAIN(TstScriptNode)
#include "tst_scriptnode.moc"
