// Restoring the saved groups when the window opens ticks them all and builds the member
// list once; what it leaves is what ticking them one by one, each tick rebuilding the lists,
// leaves: groups, members, overview, partner files and the partner check box.
#include "moment/groepvakken.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QTest>

class TstHerstelGroepen : public QObject {
    Q_OBJECT
private slots:
    void alsEenVoorEen_data();
    void alsEenVoorEen();
};

void TstHerstelGroepen::alsEenVoorEen_data()
{
    QTest::addColumn<QString>("ledenBest");
    QTest::addColumn<QString>("partnerbest");
    QTest::addColumn<int>("toonPartner");

    QTest::newRow("nothing saved") << "" << "" << 0;
    QTest::newRow("one group") << "(B)" << "" << 0;
    QTest::newRow("every group") << "(A1),(A2),(B),(MA),(ZO)" << "" << 0;
    QTest::newRow("partner file saved with its tick") << "(A1),(MA)" << "Ma" << 1;
    QTest::newRow("partner file saved unticked") << "(A1),(MA)" << "A1" << 0;
    QTest::newRow("saved partner file of an unticked group") << "(A2),(B)" << "A1" << 1;
    QTest::newRow("key inside another saved key") << "(A12)" << "" << 0;
    QTest::newRow("no row matches") << "(X)" << "" << 0;
}

void TstHerstelGroepen::alsEenVoorEen()
{
    QFETCH(QString, ledenBest);
    QFETCH(QString, partnerbest);
    QFETCH(int, toonPartner);
    const BewaardeGroepkeuze bewaard{ledenBest, partnerbest, toonPartner};
    const QString bestand = TestPaden::DemoMap() + QStringLiteral("/TWKspelers.txt");

    MeldingRecorder meldingen;
    Groepvakken hersteld(TestPaden::DemoMap(), bewaard, meldingen);
    hersteld.LeesGroepen(bestand);
    hersteld.HerstelLedengroepen();

    MeldingRecorder meldingenEenVoorEen;
    Groepvakken eenVoorEen(TestPaden::DemoMap(), bewaard, meldingenEenVoorEen);
    eenVoorEen.LeesGroepen(bestand);
    const GroepFrame& f = eenVoorEen.Frame();
    for (qsizetype r = 0; r < f.lst1.rijen.size(); ++r) {
        if (!ledenBest.isEmpty() && ledenBest.contains(RijSleutel(f.lst1.rijen.at(r).tekst)))
            eenVoorEen.ZetGroep(r, true);
    }
    if (!f.lst1.rijen.isEmpty())
        eenVoorEen.Frame().lst1.huidigeRij = 0;

    const GroepFrame& h = hersteld.Frame();
    QCOMPARE(h.lst1.rijen.size(), f.lst1.rijen.size());
    for (qsizetype r = 0; r < f.lst1.rijen.size(); ++r)
        QCOMPARE(h.lst1.rijen.at(r).aangevinkt, f.lst1.rijen.at(r).aangevinkt);
    QCOMPARE(h.lst1.huidigeRij, f.lst1.huidigeRij);
    QCOMPARE(h.ListH, f.ListH);
    QCOMPARE(h.txt1, f.txt1);
    QCOMPARE(h.Label6, f.Label6);
    QCOMPARE(h.cmbPartner.items, f.cmbPartner.items);
    QCOMPARE(h.cmbPartner.geselecteerd, f.cmbPartner.geselecteerd);
    QCOMPARE(h.cmbPartner.enabled, f.cmbPartner.enabled);
    QCOMPARE(h.chkToonPartner.waarde, f.chkToonPartner.waarde);
    QCOMPARE(h.chkToonPartner.enabled, f.chkToonPartner.enabled);
    QCOMPARE(h.Frame8Enabled, f.Frame8Enabled);
    QCOMPARE(h.Text1Zichtbaar, f.Text1Zichtbaar);
    QCOMPARE(meldingen.Teksten(), meldingenEenVoorEen.Teksten());
    // The cases differ where they should: a saved group shows its members.
    QCOMPARE(h.ListH.isEmpty(), !h.lst1.IetsAangevinkt());
}

QTEST_GUILESS_MAIN(TstHerstelGroepen)
#include "tst_herstelgroepen.moc"
