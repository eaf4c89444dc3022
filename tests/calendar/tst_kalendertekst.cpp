#include "calendar/kalendertekst.h"

#include <QTest>

namespace {

const QString Veertig(40, u' ');

} // namespace

class TstKalenderTekst : public QObject {
    Q_OBJECT
private slots:
    void maandRegel_data();
    void maandRegel();
    void datumRegel_data();
    void datumRegel();
    void weekdagwoord_data();
    void weekdagwoord();
};

void TstKalenderTekst::maandRegel_data()
{
    QTest::addColumn<QDate>("datum");
    QTest::addColumn<QString>("verwacht");
    QTest::newRow("first day") << QDate(2025, 1, 1) << QStringLiteral("januari 2025") + Veertig +
                                      QStringLiteral("2025-01-01");
    QTest::newRow("mid month keys the first day") << QDate(2025, 3, 15)
        << QStringLiteral("maart 2025") + Veertig + QStringLiteral("2025-03-01");
    QTest::newRow("last month of the year") << QDate(2026, 12, 31)
        << QStringLiteral("december 2026") + Veertig + QStringLiteral("2026-12-01");
    QTest::newRow("short name") << QDate(2025, 5, 20) << QStringLiteral("mei 2025") + Veertig +
                                       QStringLiteral("2025-05-01");
}

void TstKalenderTekst::maandRegel()
{
    QFETCH(QDate, datum);
    QFETCH(QString, verwacht);
    const QString regel = KalenderTekst::MaandRegel(datum);
    QCOMPARE(regel, verwacht);
    QCOMPARE(KalenderTekst::MaandSleutel(regel),
             QDate(datum.year(), datum.month(), 1).toString(Qt::ISODate));
}

void TstKalenderTekst::datumRegel_data()
{
    QTest::addColumn<QString>("speeldag");
    QTest::addColumn<QDate>("datum");
    QTest::addColumn<QString>("verwacht");
    QTest::newRow("donderdag-avond 2 januari 2025") << QStringLiteral("donderdag-avond") << QDate(2025, 1, 2)
        << QStringLiteral("donderdag-avond 2 januari 2025") + Veertig + QStringLiteral("20250102");
    QTest::newRow("two-digit day") << QStringLiteral("zaterdag") << QDate(2025, 11, 29)
        << QStringLiteral("zaterdag 29 november 2025") + Veertig + QStringLiteral("20251129");
    QTest::newRow("name kept as shown") << QStringLiteral("Zondag-Middag") << QDate(2025, 6, 1)
        << QStringLiteral("Zondag-Middag 1 juni 2025") + Veertig + QStringLiteral("20250601");
}

void TstKalenderTekst::datumRegel()
{
    QFETCH(QString, speeldag);
    QFETCH(QDate, datum);
    QFETCH(QString, verwacht);
    const QString regel = KalenderTekst::DatumRegel(speeldag, datum);
    QCOMPARE(regel, verwacht);
    QCOMPARE(KalenderTekst::DatumVanRegel(regel), datum.toString(QStringLiteral("yyyyMMdd")));
}

void TstKalenderTekst::weekdagwoord_data()
{
    QTest::addColumn<QString>("speeldag");
    QTest::addColumn<QString>("verwacht");
    QTest::newRow("zondag") << QStringLiteral("zondag") << QStringLiteral("ZONDAG");
    QTest::newRow("maandag-morgen") << QStringLiteral("maandag-morgen") << QStringLiteral("MAANDAG");
    QTest::newRow("dinsdag-avond") << QStringLiteral("dinsdag-avond") << QStringLiteral("DINSDAG");
    QTest::newRow("woensdag-middag") << QStringLiteral("woensdag-middag") << QStringLiteral("WOENSDAG");
    QTest::newRow("donderdag-avond") << QStringLiteral("donderdag-avond") << QStringLiteral("DONDERDAG");
    QTest::newRow("vrijdag") << QStringLiteral("vrijdag") << QStringLiteral("VRIJDAG");
    QTest::newRow("zaterdag-morgen") << QStringLiteral("zaterdag-morgen") << QStringLiteral("ZATERDAG");
    QTest::newRow("capitals") << QStringLiteral("DONDERDAG") << QStringLiteral("DONDERDAG");
    QTest::newRow("unknown") << QStringLiteral("feestdag") << QString();
}

void TstKalenderTekst::weekdagwoord()
{
    QFETCH(QString, speeldag);
    QFETCH(QString, verwacht);
    QCOMPARE(KalenderTekst::Weekdagwoord(speeldag), verwacht);
}

QTEST_GUILESS_MAIN(TstKalenderTekst)
#include "tst_kalendertekst.moc"
