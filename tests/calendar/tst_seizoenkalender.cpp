#include "calendar/seizoenkalender.h"

#include "support/meldingrecorder.h"

#include <QTest>

namespace {

using Antwoord = Meldingen::Antwoord;

const QString Veertig(40, u' ');

Seizoenkalender::Vandaag Op(const QDate& dag)
{
    return [dag] { return dag; };
}

// "20250102 20250109" as a list of dates.
QStringList Lijst(const char* datums)
{
    return QString::fromLatin1(datums).split(u' ', Qt::SkipEmptyParts);
}

QString Maand(const QString& naam, const QString& sleutel) { return naam + Veertig + sleutel; }

QStringList Datums(const KalenderStaat& staat)
{
    QStringList datums;
    for (const Vinkregel& regel : staat.lstDagen)
        datums.append(regel.tekst.right(8));
    return datums;
}

QList<int> Vinkjes(const KalenderStaat& staat)
{
    QList<int> rijen;
    for (int i = 0; i < staat.lstDagen.size(); ++i) {
        if (staat.lstDagen.at(i).aangevinkt)
            rijen.append(i);
    }
    return rijen;
}

bool Vergrendeld(const KalenderStaat& staat)
{
    return !staat.cmbVan.ingeschakeld && !staat.cmbTot.ingeschakeld && !staat.cmdMaakDatums;
}

bool Ontgrendeld(const KalenderStaat& staat)
{
    return staat.cmbVan.ingeschakeld && staat.cmbTot.ingeschakeld && staat.cmdMaakDatums;
}

const QString Vraag = QStringLiteral(
    "Als u deze maanden wilt wijzigen worden alle bestaande speeldagen verwijderd!\r\n"
    "U zult dan opnieuw de juiste selecties moeten maken en uploaden!\r\n\r\n"
    "Wilt u doorgaan!\r\n");

} // namespace

class TstSeizoenkalender : public QObject {
    Q_OBJECT
private slots:
    // Month lists
    void vulMaanden_data();
    void vulMaanden();
    void maandKiezenWistDatums_data();
    void maandKiezenWistDatums();

    // Date generation
    void maakDatums_data();
    void maakDatums();
    void heelSeizoen();

    // Ticking
    void selecteren_data();
    void selecteren();
    void aangevinkteDatums();

    // Lock and change of months
    void wijzigData_data();
    void wijzigData();

    // Opening sequence
    void openen_data();
    void openen();
};

void TstSeizoenkalender::vulMaanden_data()
{
    QTest::addColumn<QDate>("vandaag");
    QTest::addColumn<QDate>("startdatum");
    QTest::addColumn<int>("rij");
    QTest::addColumn<QString>("verwacht");
    const QDate maart15(2025, 3, 15);
    QTest::newRow("today 15 March 2025: first month") << maart15 << QDate() << 0
        << Maand("maart 2025", "2025-03-01");
    QTest::newRow("today 15 March 2025: last month") << maart15 << QDate() << 15
        << Maand("juni 2026", "2026-06-01");
    QTest::newRow("stored first month wins over today") << maart15 << QDate(2024, 9, 1) << 0
        << Maand("september 2024", "2024-09-01");
    QTest::newRow("stored first month: last month") << maart15 << QDate(2024, 9, 1) << 15
        << Maand("december 2025", "2025-12-01");
    QTest::newRow("31 January: February is not skipped") << QDate(2025, 1, 31) << QDate() << 1
        << Maand("februari 2025", "2025-02-01");
    QTest::newRow("31 January: the months after February keep going") << QDate(2025, 1, 31) << QDate() << 3
        << Maand("april 2025", "2025-04-01");
}

void TstSeizoenkalender::vulMaanden()
{
    QFETCH(QDate, vandaag);
    QFETCH(QDate, startdatum);
    QFETCH(int, rij);
    QFETCH(QString, verwacht);

    Seizoenkalender kalender(QStringLiteral("donderdag-avond"), Op(vandaag));
    kalender.Open(startdatum, QString());
    const KalenderStaat& staat = kalender.Staat();
    QCOMPARE(staat.cmbVan.regels.size(), 16);
    QCOMPARE(staat.cmbTot.regels, staat.cmbVan.regels);
    QCOMPARE(staat.cmbVan.regels.at(rij), verwacht);
    QCOMPARE(staat.cmbVan.index, 0);
    QCOMPARE(staat.cmbTot.index, 15);
}

void TstSeizoenkalender::maandKiezenWistDatums_data()
{
    QTest::addColumn<bool>("van");
    QTest::newRow("cmbVan") << true;
    QTest::newRow("cmbTot") << false;
}

void TstSeizoenkalender::maandKiezenWistDatums()
{
    QFETCH(bool, van);
    Seizoenkalender kalender(QStringLiteral("dinsdag"), Op(QDate(2025, 3, 15)));
    kalender.Open(QDate(), QString());
    kalender.cmdSelect_Click();
    QVERIFY(!kalender.Staat().lstDagen.isEmpty());

    if (van)
        kalender.cmbVan_Click(2);
    else
        kalender.cmbTot_Click(4);

    const KalenderStaat& staat = kalender.Staat();
    QVERIFY(staat.lstDagen.isEmpty());
    QCOMPARE(staat.lstDagenHuidig, -1);
    QVERIFY(!staat.cmdSelect);
    QVERIFY(!staat.cmdDeselect);
    QCOMPARE(staat.cmbVan.index, van ? 2 : 0);
    QCOMPARE(staat.cmbTot.index, van ? 15 : 4);

    kalender.cmdMaakDatums_Click();
    QVERIFY(!kalender.Staat().lstDagen.isEmpty());
    QVERIFY(kalender.Staat().cmdSelect);
    QVERIFY(kalender.Staat().cmdDeselect);
    QVERIFY(Vinkjes(kalender.Staat()).isEmpty());
}

void TstSeizoenkalender::maakDatums_data()
{
    QTest::addColumn<QString>("speeldag");
    QTest::addColumn<int>("van"); // months after January 2025
    QTest::addColumn<int>("tot");
    QTest::addColumn<QStringList>("verwacht");
    QTest::newRow("Thursdays of January 2025") << QStringLiteral("donderdag-avond") << 0 << 0
        << Lijst("20250102 20250109 20250116 20250123 20250130");
    QTest::newRow("last day of the month is the weekday") << QStringLiteral("vrijdag-middag") << 1 << 1
        << Lijst("20250207 20250214 20250221 20250228");
    QTest::newRow("first day of the month is the weekday") << QStringLiteral("woensdag") << 0 << 0
        << Lijst("20250101 20250108 20250115 20250122 20250129");
    QTest::newRow("Saturday on the first") << QStringLiteral("zaterdag-morgen") << 2 << 2
                                           << Lijst("20250301 20250308 20250315 20250322 20250329");
    QTest::newRow("Monday on the last") << QStringLiteral("maandag") << 2 << 2
                                        << Lijst("20250303 20250310 20250317 20250324 20250331");
    QTest::newRow("Sundays of June 2025") << QStringLiteral("zondag") << 5 << 5
                                          << Lijst("20250601 20250608 20250615 20250622 20250629");
    QTest::newRow("two months") << QStringLiteral("dinsdag-avond") << 0 << 1
        << Lijst("20250107 20250114 20250121 20250128 20250204 20250211 20250218 20250225");
    QTest::newRow("first month after last month") << QStringLiteral("donderdag") << 3 << 1 << QStringList();
}

void TstSeizoenkalender::maakDatums()
{
    QFETCH(QString, speeldag);
    QFETCH(int, van);
    QFETCH(int, tot);
    QFETCH(QStringList, verwacht);

    Seizoenkalender kalender(speeldag, Op(QDate(2025, 1, 20)));
    kalender.Open(QDate(), QString());
    kalender.cmbVan_Click(van);
    kalender.cmbTot_Click(tot);
    kalender.cmdMaakDatums_Click();

    const KalenderStaat& staat = kalender.Staat();
    QCOMPARE(Datums(staat), verwacht);
    QVERIFY(Vinkjes(staat).isEmpty());
    QCOMPARE(staat.lstDagenHuidig, verwacht.isEmpty() ? -1 : 0);
    QCOMPARE(staat.cmdSelect, !verwacht.isEmpty());
    QCOMPARE(staat.cmdDeselect, !verwacht.isEmpty());
    for (const Vinkregel& regel : staat.lstDagen)
        QVERIFY2(regel.tekst.startsWith(speeldag + u' '), qPrintable(regel.tekst));
}

void TstSeizoenkalender::heelSeizoen()
{
    // Sixteen months of Thursdays is the longest list there is: 70 of at most 82 steps.
    Seizoenkalender kalender(QStringLiteral("donderdag-avond"), Op(QDate(2025, 1, 2)));
    kalender.Open(QDate(), QString());
    const KalenderStaat& staat = kalender.Staat();
    QCOMPARE(staat.lstDagen.size(), 70);
    QCOMPARE(staat.lstDagen.first().tekst, QStringLiteral("donderdag-avond 2 januari 2025") +
                                               Veertig + QStringLiteral("20250102"));
    QCOMPARE(staat.lstDagen.last().tekst, QStringLiteral("donderdag-avond 30 april 2026") +
                                              Veertig + QStringLiteral("20260430"));
}

void TstSeizoenkalender::selecteren_data()
{
    QTest::addColumn<bool>("alles");
    QTest::newRow("Selecteer alles") << true;
    QTest::newRow("Selecteer niets") << false;
}

void TstSeizoenkalender::selecteren()
{
    QFETCH(bool, alles);

    Seizoenkalender kalender(QStringLiteral("donderdag-avond"), Op(QDate(2025, 1, 20)));
    kalender.Open(QDate(), QString());
    kalender.ZetVinkje(1, true);
    kalender.ZetVinkje(4, true);
    kalender.ZetHuidigeRij(3);
    QCOMPARE(Vinkjes(kalender.Staat()), (QList<int>{1, 4}));

    if (alles)
        kalender.cmdSelect_Click();
    else
        kalender.cmdDeselect_Click();

    const KalenderStaat& staat = kalender.Staat();
    QCOMPARE(Vinkjes(staat).size(), alles ? staat.lstDagen.size() : 0);
    QCOMPARE(staat.lstDagenHuidig, 0);
}

void TstSeizoenkalender::aangevinkteDatums()
{
    Seizoenkalender kalender(QStringLiteral("donderdag-avond"), Op(QDate(2025, 3, 15)));
    kalender.Open(QDate(2025, 1, 1), QStringLiteral("0004"));
    kalender.ZetVinkje(8, true);
    QCOMPARE(kalender.AangevinkteDatums(), (Lijst("20250102 20250130 20250227")));
}

void TstSeizoenkalender::wijzigData_data()
{
    QTest::addColumn<bool>("vinkjesWeg");   // untick every date before clicking
    QTest::addColumn<bool>("aangevinkt");   // new state of "Data wijzigen?"
    QTest::addColumn<Antwoord>("antwoord"); // answer to the question, when asked
    QTest::addColumn<bool>("gevraagd");
    QTest::addColumn<bool>("vakBlijft"); // chkWijzData after the click
    QTest::addColumn<bool>("opnieuw");   // months restart at today, dates emptied
    QTest::newRow("ticked dates, OK") << false << true << Antwoord::Ok << true << true << true;
    QTest::newRow("ticked dates, Cancel") << false << true << Antwoord::Annuleren << true << false << false;
    QTest::newRow("nothing ticked, no question")
        << true << true << Antwoord::Annuleren << false << true << true;
    QTest::newRow("unticking locks") << false << false << Antwoord::Ok << false << false << false;
}

void TstSeizoenkalender::wijzigData()
{
    QFETCH(bool, vinkjesWeg);
    QFETCH(bool, aangevinkt);
    QFETCH(Antwoord, antwoord);
    QFETCH(bool, gevraagd);
    QFETCH(bool, vakBlijft);
    QFETCH(bool, opnieuw);

    Seizoenkalender kalender(QStringLiteral("donderdag-avond"), Op(QDate(2025, 3, 15)));
    kalender.Open(QDate(2024, 9, 1), QStringLiteral("000105"));
    QVERIFY(Vergrendeld(kalender.Staat()));
    if (vinkjesWeg)
        kalender.cmdDeselect_Click();
    const KalenderStaat voor = kalender.Staat();

    MeldingRecorder meldingen;
    meldingen.ZetVolgendAntwoord(antwoord);
    kalender.chkWijzData_Click(aangevinkt, meldingen);

    const KalenderStaat& staat = kalender.Staat();
    QCOMPARE(meldingen.meldingen.size(), gevraagd ? 1 : 0);
    if (gevraagd) {
        const MeldingRecorder::Melding& m = meldingen.meldingen.first();
        QCOMPARE(m.tekst, Vraag);
        QCOMPARE(m.titel, QStringLiteral("Datums wijzigen?"));
        QCOMPARE(m.pictogram, Meldingen::Pictogram::Uitroep);
        QCOMPARE(m.knoppen, Meldingen::Knoppen::OkAnnuleren);
    }
    QCOMPARE(staat.chkWijzData, vakBlijft);
    QCOMPARE(Ontgrendeld(staat), vakBlijft);
    QCOMPARE(Vergrendeld(staat), !vakBlijft);
    if (opnieuw) {
        QVERIFY(staat.Startdatum.isNull());
        QCOMPARE(staat.cmbVan.regels.first(),
                 Maand("maart 2025", "2025-03-01"));
        QCOMPARE(staat.cmbTot.index, 15);
        QVERIFY(staat.lstDagen.isEmpty());
        QVERIFY(!staat.cmdSelect);
    } else {
        QCOMPARE(staat.Startdatum, voor.Startdatum);
        QCOMPARE(staat.cmbVan.regels, voor.cmbVan.regels);
        QCOMPARE(staat.lstDagen, voor.lstDagen);
        QCOMPARE(Vinkjes(staat), (QList<int>{0, 1, 5}));
    }
}

void TstSeizoenkalender::openen_data()
{
    QTest::addColumn<QString>("bewaardeDagen");
    QTest::addColumn<QList<int>>("vinkjes");
    QTest::addColumn<bool>("vergrendeld");
    QTest::newRow("positions 00, 01 and 05") << QStringLiteral("000105") << QList<int>{0, 1, 5} << true;
    QTest::newRow("nothing stored") << QString() << QList<int>{} << false;
    QTest::newRow("unordered positions") << QStringLiteral("1203") << QList<int>{3, 12} << true;
    QTest::newRow("one digit: no pair, still locked") << QStringLiteral("5") << QList<int>{} << true;
    QTest::newRow("position beyond the list passed over") << QStringLiteral("0099") << QList<int>{0} << true;
}

void TstSeizoenkalender::openen()
{
    QFETCH(QString, bewaardeDagen);
    QFETCH(QList<int>, vinkjes);
    QFETCH(bool, vergrendeld);

    Seizoenkalender kalender(QStringLiteral("donderdag-avond"), Op(QDate(2025, 3, 15)));
    kalender.Open(QDate(2024, 9, 1), bewaardeDagen);

    const KalenderStaat& staat = kalender.Staat();
    QCOMPARE(staat.cmbVan.regels.first(),
             Maand("september 2024", "2024-09-01"));
    QCOMPARE(staat.cmbVan.index, 0);
    QCOMPARE(staat.cmbTot.index, 15);
    QCOMPARE(staat.lstDagen.first().tekst.right(8), QStringLiteral("20240905"));
    QCOMPARE(Vinkjes(staat), vinkjes);
    QCOMPARE(staat.lstDagenHuidig, 0);
    QCOMPARE(Vergrendeld(staat), vergrendeld);
    QCOMPARE(Ontgrendeld(staat), !vergrendeld);
    QVERIFY(!staat.chkWijzData);
    QVERIFY(staat.cmdSelect);
    QVERIFY(staat.cmdDeselect);
    QCOMPARE(staat.MaxMaanden, qint16(18));
    QCOMPARE(kalender.VanSleutel(), QStringLiteral("2024-09-01"));
}

QTEST_GUILESS_MAIN(TstSeizoenkalender)
#include "tst_seizoenkalender.moc"
