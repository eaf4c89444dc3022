// Thousands of generated inputs through script generation and Node: every script parses,
// and each of the site's four boxes offers exactly the members its group box names, with
// their names as typed and their codes, whatever the names and texts hold.
#include "common/ansi.h"
#include "common/tekst.h"
#include "script/maakscript.h"
#include "support/testpaden.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kInvoeren = 300;   // long runs belong to tools/fuzz.sh
constexpr int kPerNode = 150;    // scripts per Node process
constexpr int kCheckElke = 50;   // every so many scripts also through node --check
constexpr quint32 kZaad = 20250902;

// Characters from everywhere a typed or imported text can take them.
const QString kTekens = QString::fromUtf16(
    u"abcXYZ09 .,-:;#@()[]{}<>/=+*?!&%$`^~|_ '''\\\\\"\"\t\r\n"
    u"\u0080\u0081\u008D\u00A0\u00A1\u00AD\u00E9\u00EB\u00FF\u00C9\u00DF"
    u"\u20AC\u201A\u0192\u201E\u2026\u2020\u0160\u2018\u2019\u201C\u201D\u2022\u2013\u2122\u0178"
    u"\u0141\u4E2D\u2028\u2029\uFEFF\u0001\u007F");

QString RandomTekst(QRandomGenerator& rg, int maxLengte)
{
    const int lengte = rg.bounded(maxLengte + 1);
    QString uit;
    for (int i = 0; i < lengte; ++i) {
        if (rg.bounded(40) == 0)
            uit += QString::fromUtf16(u"\U0001F600"); // a surrogate pair
        else
            uit += kTekens.at(rg.bounded(int(kTekens.size())));
    }
    return uit;
}

QString Cijfers(QRandomGenerator& rg, int maxCijfers)
{
    QString uit;
    const int n = 1 + rg.bounded(maxCijfers);
    for (int i = 0; i < n; ++i)
        uit += QChar(u'0' + rg.bounded(10));
    return uit;
}

// A group box text as typing and the box checks let through, and some that only a
// hand-edited settings file holds: blanks, empty elements, unticked groups, "partners".
QString RandomVak(QRandomGenerator& rg, const QList<int>& aangevinkt, int vak)
{
    if (rg.bounded(12) == 0)
        return {};
    if (vak == 1 && rg.bounded(8) == 0)
        return rg.bounded(2) ? QStringLiteral(" PartNers ") : QStringLiteral("1,partners");
    QStringList elementen;
    const int n = vak == 0 ? 1 : 1 + rg.bounded(5);
    for (int i = 0; i < n; ++i) {
        switch (rg.bounded(8)) {
        case 0: elementen.append(QString()); break;
        case 1: elementen.append(QString::number(rg.bounded(1000))); break;
        case 2: elementen.append(QStringLiteral(" 00") + QString::number(1 + rg.bounded(99)) + u' '); break;
        default:
            elementen.append(aangevinkt.isEmpty() ? QStringLiteral("1")
                                                  : QString::number(aangevinkt.at(rg.bounded(int(aangevinkt.size())))));
        }
    }
    return QString(rg.bounded(3), u' ') + elementen.join(u',') + (rg.bounded(4) ? QString() : QStringLiteral(","));
}

struct Geval {
    ScriptInvoer invoer;
    QList<int> groepVan; // per member (index as in the tables): its group number
};

Geval RandomGeval(QRandomGenerator& rg)
{
    Geval g;
    ScriptInvoer& in = g.invoer;
    in.txtClubnaam = RandomTekst(rg, 30);
    in.cmbSpeeldag = RandomTekst(rg, 20);
    in.txtContactPers = RandomTekst(rg, 30);
    in.txtEindtijd = RandomTekst(rg, 8);
    for (int i = rg.bounded(4); i > 0; --i)
        in.lstActEmails.append(RandomTekst(rg, 30));
    for (int i = rg.bounded(4); i > 0; --i)
        in.lstDagen.append(RandomTekst(rg, 50));
    in.kop.koptekst = RandomTekst(rg, 40);
    in.kop.tekstlo = RandomTekst(rg, 20);
    in.kop.tekstro = RandomTekst(rg, 20);
    in.kop.logofile = RandomTekst(rg, 12);
    in.kop.kopkleur = static_cast<qint32>(rg.generate());
    in.chk1 = rg.bounded(3);
    in.chk2 = rg.bounded(3);
    in.chkToonInvallers = rg.bounded(3);
    in.chkToonPartner = rg.bounded(2);
    in.chkPartnerOok = rg.bounded(2);

    QList<int> aangevinkt;
    for (int groep = 1; groep <= 99; ++groep)
        if (rg.bounded(10) == 0)
            aangevinkt.append(groep);
    // Distinct box names: each ends in its own digit.
    for (int k = 0; k < 4; ++k) {
        in.txtB1[k] = RandomTekst(rg, 10) + QString::number(k);
        in.txtB2[k] = RandomVak(rg, aangevinkt, k);
    }

    // Mostly small clubs, some of up to 500 members.
    const double schaal = rg.generateDouble();
    const int leden = static_cast<int>(schaal * schaal * 501);
    in.leden.LidNaam = in.leden.LidNummer = in.leden.LidGroep = in.partners = {QString()};
    g.groepVan = {0};
    static const QStringList voorvoegsels{QStringLiteral("Partner"), QStringLiteral("PARTNER"),
                                          QStringLiteral("partner"), QStringLiteral("Partne")};
    for (int i = 0; i < leden; ++i) {
        QString naam = RandomTekst(rg, 25);
        if (rg.bounded(10) == 0)
            naam.prepend(voorvoegsels.at(rg.bounded(int(voorvoegsels.size()))));
        const int groep = aangevinkt.isEmpty() || rg.bounded(4) == 0
                              ? 1 + rg.bounded(99)
                              : aangevinkt.at(rg.bounded(int(aangevinkt.size())));
        in.leden.LidNaam.append(naam);
        in.leden.LidNummer.append(Cijfers(rg, 6));
        in.leden.LidGroep.append(QString::number(groep));
        in.partners.append(rg.bounded(3) ? Cijfers(rg, 9) : QString());
        g.groepVan.append(groep);
    }
    return g;
}

QString Rondgang(const QString& tekst) { return Ansi::Van(Ansi::Naar(tekst)); }

// The groups a box names: nothing for an empty box (no entry at all), else group 0 (the
// KIES NAAM entry) and every element's number; "partners" in box 1 names group 1.
std::optional<QSet<int>> Groepen(const QString& vaktekst, int vak)
{
    const QString s = Tekst::Trim(vaktekst);
    if (s.isEmpty())
        return std::nullopt;
    if (vak == 1 && s.contains(QStringLiteral("partners"), Qt::CaseInsensitive))
        return QSet<int>{0, 1};
    QSet<int> groepen{0};
    for (const QString& element : s.split(u',')) {
        const QString e = Tekst::Trim(element);
        if (!e.isEmpty())
            groepen.insert(e.toInt()); // digits only here
    }
    return groepen;
}

QString Vast(const QString& cijfers, int breedte)
{
    QString s = cijfers;
    while (s.size() > 1 && s.startsWith(u'0'))
        s.remove(0, 1);
    return s.rightJustified(breedte, u'0');
}

// The options box `vak` must offer: [text, value] pairs.
QJsonArray Verwacht(const Geval& g, int vak)
{
    const ScriptInvoer& in = g.invoer;
    QJsonArray opties;
    const std::optional<QSet<int>> groepen = Groepen(in.txtB2[vak], vak);
    if (!groepen)
        return opties;
    opties.append(QJsonArray{QStringLiteral("-----  KIES NAAM  -----"), QString(18, u'0')});
    for (qsizetype i = 1; i <= in.leden.Aantal(); ++i) {
        const QString& naam = in.leden.LidNaam.at(i);
        const bool dummy = naam.size() > 6 && naam.left(7).compare(u"partner", Qt::CaseInsensitive) == 0;
        if (naam.isEmpty() || (dummy && in.chkPartnerOok == 0) || !groepen->contains(g.groepVan.at(i)))
            continue;
        const QString tekst = Rondgang(naam);
        if ((vak == 0 || vak == 2) && tekst.startsWith(u"Partner"))
            continue;
        const QString partner = in.chkToonPartner == 1 && !in.partners.at(i).isEmpty() ? in.partners.at(i)
                                                                                       : QStringLiteral("0");
        opties.append(QJsonArray{tekst, Vast(in.leden.LidNummer.at(i), 6) + Vast(partner, 9) +
                                            Vast(QString::number(g.groepVan.at(i)), 3)});
    }
    return opties;
}

} // namespace

class TstScriptEigenschap : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void vakkenKloppen();

private:
    QByteArray Node(const QStringList& argumenten, int& code);

    QString m_node;
};

void TstScriptEigenschap::initTestCase()
{
    m_node = QStandardPaths::findExecutable(QStringLiteral("node"));
    if (m_node.isEmpty())
        QFAIL("node not found; ./test installs nodejs");
}

QByteArray TstScriptEigenschap::Node(const QStringList& argumenten, int& code)
{
    QProcess node;
    node.start(m_node, argumenten);
    if (!node.waitForFinished(300000)) {
        code = -1;
        return {};
    }
    code = node.exitStatus() == QProcess::NormalExit ? node.exitCode() : -1;
    if (code != 0)
        qWarning("%s", node.readAllStandardError().constData());
    return node.readAllStandardOutput();
}

void TstScriptEigenschap::vakkenKloppen()
{
    QTemporaryDir map;
    QVERIFY(map.isValid());
    QRandomGenerator rg(kZaad);
    int getoetst = 0;
    for (int begin = 0; begin < kInvoeren; begin += kPerNode) {
        QList<Geval> gevallen;
        QJsonArray manifest;
        for (int n = begin; n < qMin(begin + kPerNode, kInvoeren); ++n) {
            gevallen.append(RandomGeval(rg));
            const QString pad = map.filePath(QStringLiteral("s%1.js").arg(n));
            QVERIFY(TestPaden::SchrijfBestand(pad, Script::MaakScriptBestand(gevallen.last().invoer)));
            QJsonArray namen;
            for (const QString& naam : gevallen.last().invoer.txtB1)
                namen.append(Rondgang(naam));
            manifest.append(QJsonObject{{QStringLiteral("pad"), pad}, {QStringLiteral("namen"), namen}});
            if (n % kCheckElke == 0) {
                int code = 0;
                Node({QStringLiteral("--check"), pad}, code);
                QVERIFY2(code == 0, qPrintable(QStringLiteral("node --check fails on input %1").arg(n)));
            }
        }
        const QString manifestPad = map.filePath(QStringLiteral("manifest.json"));
        QVERIFY(TestPaden::SchrijfBestand(manifestPad, QJsonDocument(manifest).toJson(QJsonDocument::Compact)));
        int code = 0;
        const QList<QByteArray> regels =
            Node({QStringLiteral(HOVELINK_SCRIPT_REEKS), manifestPad}, code).trimmed().split('\n');
        QCOMPARE(code, 0);
        QCOMPARE(regels.size(), gevallen.size());
        for (qsizetype i = 0; i < gevallen.size(); ++i) {
            const QJsonObject uit = QJsonDocument::fromJson(regels.at(i)).object();
            const QString wie = QStringLiteral("input %1").arg(begin + i);
            QVERIFY2(!uit.contains(u"fout"), qPrintable(wie + QStringLiteral(": ") + uit[u"fout"].toString()));
            const QJsonArray vakken = uit[u"vakken"].toArray();
            QCOMPARE(vakken.size(), 4);
            for (int k = 0; k < 4; ++k) {
                const QJsonArray verwacht = Verwacht(gevallen.at(i), k);
                if (vakken.at(k).toArray() != verwacht)
                    QFAIL(qPrintable(QStringLiteral("%1, box %2: offers %3, expected %4")
                                         .arg(wie)
                                         .arg(k)
                                         .arg(QString::fromUtf8(QJsonDocument(vakken.at(k).toArray()).toJson()).left(2000),
                                              QString::fromUtf8(QJsonDocument(verwacht).toJson()).left(2000))));
            }
            ++getoetst;
        }
    }
    QCOMPARE(getoetst, kInvoeren);
}

QTEST_GUILESS_MAIN(TstScriptEigenschap)
#include "tst_scripteigenschap.moc"
