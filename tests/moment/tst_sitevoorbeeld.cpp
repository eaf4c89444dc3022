#include "moment/sitevoorbeeld.h"
#include "support/testpaden.h"

#include <QTest>

Q_DECLARE_METATYPE(GroepFrame)

namespace {

const QString K = QStringLiteral("-----  KIES NAAM  -----");

// A member record as the member list holds it: group, last name, key, number, name, extra.
QString Lid(int groep, const QString& nummer, const QString& naam)
{
    return QStringLiteral("%1,x,(G),%2,%3,0").arg(groep, 2, 10, QLatin1Char('0')).arg(nummer, naam);
}

AfmeldGegevens Gegevens()
{
    AfmeldGegevens g;
    g.txtB1 = {"naam1", "partner", "inval1", "inval3"};
    g.MapTwk = TestPaden::DemoMap();
    return g;
}

GroepFrame Groepen(const std::array<QString, 4>& vakken, int toonPartner = 0, const QString& partnerbestand = {})
{
    GroepFrame f;
    f.ListH = {Lid(1, "1001", "Anna Bakker"), Lid(1, "1011", "Partner1"), Lid(2, "1002", "Bert van Dijk"),
               Lid(4, "1037", "Dirk Maas")};
    for (int i = 0; i < 4; ++i)
        f.txtB2[i].tekst = vakken[i];
    f.chkToonPartner.waarde = toonPartner;
    if (!partnerbestand.isEmpty()) {
        f.cmbPartner.items = {partnerbestand};
        f.cmbPartner.geselecteerd = 0;
    }
    return f;
}

} // namespace

class TstSiteVoorbeeld : public QObject {
    Q_OBJECT
private slots:
    void vakken_data();
    void vakken();
    void dagen();
};

void TstSiteVoorbeeld::vakken_data()
{
    QTest::addColumn<GroepFrame>("groepen");
    QTest::addColumn<QList<QStringList>>("opties");
    QTest::newRow("each box its own groups") << Groepen({"1", "1,4", "2", "4"})
        << QList<QStringList>{{K, "Anna Bakker"},
                              {K, "Anna Bakker", "Partner1", "Dirk Maas"},
                              {K, "Bert van Dijk"},
                              {K, "Dirk Maas"}};
    QTest::newRow("Toon Partner: box 1 takes the groups of box 0") << Groepen({"4", "1,2", "1", ""}, 1)
        << QList<QStringList>{{K, "Dirk Maas"}, {K, "Dirk Maas"}, {K, "Anna Bakker"}, {}};
    QTest::newRow("typed but not yet checked texts count as they stand") << Groepen({" 2 ", "2,,1", "", "9"})
        << QList<QStringList>{{K, "Bert van Dijk"}, {K, "Anna Bakker", "Partner1", "Bert van Dijk"}, {}, {K}};
    // With a partner file the partner numbers fill the codes; the boxes stay the same.
    QTest::newRow("partner file read") << Groepen({"1", "", "1", "1"}, 1, "A1")
                                       << QList<QStringList>{{K, "Anna Bakker"},
                                                             {K, "Anna Bakker", "Partner1"},
                                                             {K, "Anna Bakker"},
                                                             {K, "Anna Bakker", "Partner1"}};
}

void TstSiteVoorbeeld::vakken()
{
    QFETCH(GroepFrame, groepen);
    QFETCH(QList<QStringList>, opties);
    const SiteVoorbeeld voorbeeld = MaakSiteVoorbeeld(Gegevens(), groepen);
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(voorbeeld.namen[k], Gegevens().txtB1[k]);
        QCOMPARE(voorbeeld.vakken[k], opties.at(k));
    }
    QVERIFY(voorbeeld.dagen.isEmpty());
}

void TstSiteVoorbeeld::dagen()
{
    AfmeldGegevens g = Gegevens();
    const QString blanco(40, u' ');
    g.dagen = {{"donderdag-avond 4 september 2025" + blanco + "20250904", true},
               {"donderdag-avond 11 september 2025" + blanco + "20250911", false},
               {"donderdag-avond 1 januari 2026" + blanco + "20260101", true},
               {"kapot" + blanco + "2026x", true}};
    const SiteVoorbeeld voorbeeld = MaakSiteVoorbeeld(g, Groepen({"1", "1", "1", "1"}));
    QCOMPARE(voorbeeld.dagen,
             (QStringList{"donderdag 4 september 2025", "donderdag 1 januari 2026", "   2026x"}));
}

QTEST_GUILESS_MAIN(TstSiteVoorbeeld)
#include "tst_sitevoorbeeld.moc"
