// A group box text that passes the box checks names, in the site's filter, exactly the
// groups the checks found ticked: both read an element by its leading digits. A value such
// as 20E1 or 1.6 from a hand-edited settings file once passed as group 20 or 1 and then
// filtered group 200 or 2 on the site.
#include "moment/groepvakken.h"
#include "script/groepfilter.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QTemporaryDir>
#include <QTest>

class TstVakfilter : public QObject {
    Q_OBJECT
private slots:
    void checkEnFilter_data();
    void checkEnFilter();
};

void TstVakfilter::checkEnFilter_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<bool>("aanvaard"); // with groups 1, 2 and 20 of 25 ticked
    QTest::addColumn<QString>("filter"); // of site box 3

    QTest::newRow("plain groups") << "1,20" << true << "#000#001#020";
    QTest::newRow("exponent") << "20E1" << true << "#000#020";
    QTest::newRow("lower-case exponent") << "2e1" << true << "#000#002";
    QTest::newRow("decimal point") << "1.6" << true << "#000#001";
    QTest::newRow("decimal comma splits") << "1,6" << false << "#000#001#006";
    QTest::newRow("letters after digits") << "2abc, 1" << true << "#000#002#001";
    QTest::newRow("leading zeros") << " 0020 " << true << "#000#020";
    QTest::newRow("sign is no digit") << "+2" << false << "#000#000";
    QTest::newRow("minus is no digit") << "-1" << false << "#000#000";
    QTest::newRow("blank between digits") << "2 5" << true << "#000#002";
    QTest::newRow("unticked group") << "3" << false << "#000#003";
    QTest::newRow("beyond 16 bits") << "70001" << false << "#000#000";
    QTest::newRow("Arabic-Indic digit") << QString::fromUtf16(u"\u0661") << false << "#000#000";
}

void TstVakfilter::checkEnFilter()
{
    QFETCH(QString, tekst);
    QFETCH(bool, aanvaard);
    QFETCH(QString, filter);

    QTemporaryDir map;
    QByteArray leden = "kop\r\n";
    for (int g = 1; g <= 25; ++g)
        leden += QByteArray::number(g) + ',' + QByteArray::number(1000 + g) + ",G" +
                 QByteArray::number(g).rightJustified(2, '0') + ",Jan,,Lid" + QByteArray::number(g) +
                 ",,,,,,,,,,,,1\r\n";
    const QString bestand = map.filePath(QStringLiteral("TWKspelers.txt"));
    QVERIFY(TestPaden::SchrijfBestand(bestand, leden));
    MeldingRecorder meldingen;
    Groepvakken vakken(map.path(), {}, meldingen);
    vakken.LeesGroepen(bestand);
    QCOMPARE(vakken.Frame().lst1.rijen.size(), 25);
    for (const int rij : {0, 1, 19})
        vakken.ZetGroep(rij, true);
    meldingen.meldingen.clear();

    vakken.Frame().txtB2[3].tekst = tekst;
    QCOMPARE(vakken.txtB2_LostFocus(3), aanvaard);
    QCOMPARE(meldingen.meldingen.size(), aanvaard ? 0 : 1);
    QCOMPARE(Script::GroepFilter(tekst, 3), filter);
}

QTEST_GUILESS_MAIN(TstVakfilter)
#include "tst_vakfilter.moc"
