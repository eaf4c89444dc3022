#include "common/rijlijst.h"

#include <QTest>

namespace {

QList<Vinkregel> Rijen(int aantal, const QList<int>& aangevinkt)
{
    QList<Vinkregel> rijen(aantal);
    for (const int rij : aangevinkt)
        rijen[rij].aangevinkt = true;
    return rijen;
}

} // namespace

class TstRijlijst : public QObject {
    Q_OBJECT
private slots:
    void schrijf_data();
    void schrijf();
    void lees_data();
    void lees();
};

void TstRijlijst::schrijf_data()
{
    QTest::addColumn<int>("aantal");
    QTest::addColumn<QList<int>>("aangevinkt");
    QTest::addColumn<QString>("verwacht");
    QTest::newRow("rows 0, 3 and 12") << 20 << QList<int>{0, 3, 12} << QStringLiteral("000312");
    QTest::newRow("ticked in any order, written ascending")
        << 20 << QList<int>{12, 0, 3} << QStringLiteral("000312");
    QTest::newRow("nothing ticked") << 5 << QList<int>{} << QString();
    QTest::newRow("empty list") << 0 << QList<int>{} << QString();
    QTest::newRow("row 99 is the last that fits") << 100 << QList<int>{2, 99} << QStringLiteral("0299");
    QTest::newRow("row 100 and later left out") << 120 << QList<int>{0, 100, 119} << QStringLiteral("00");
}

void TstRijlijst::schrijf()
{
    QFETCH(int, aantal);
    QFETCH(QList<int>, aangevinkt);
    QFETCH(QString, verwacht);
    QCOMPARE(Rijlijst::Schrijf(Rijen(aantal, aangevinkt)), verwacht);
}

void TstRijlijst::lees_data()
{
    QTest::addColumn<QString>("waarde");
    QTest::addColumn<QList<int>>("verwacht");
    QTest::newRow("000312") << QStringLiteral("000312") << QList<int>{0, 3, 12};
    QTest::newRow("000205") << QStringLiteral("000205") << QList<int>{0, 2, 5};
    QTest::newRow("empty") << QString() << QList<int>{};
    QTest::newRow("one digit: half a pair rounds to none") << QStringLiteral("7") << QList<int>{};
    QTest::newRow("three digits: 1.5 rounds to 2 pairs") << QStringLiteral("123") << QList<int>{12, 3};
    QTest::newRow("five digits: 2.5 rounds to 2 pairs") << QStringLiteral("12345") << QList<int>{12, 34};
    QTest::newRow("seven digits: 3.5 rounds to 4 pairs")
        << QStringLiteral("1234567") << QList<int>{12, 34, 56, 7};
    QTest::newRow("letters read as 0") << QStringLiteral("ab05") << QList<int>{0, 5};
    QTest::newRow("digit then letter") << QStringLiteral("4x") << QList<int>{4};
    QTest::newRow("negative pair") << QStringLiteral("-1") << QList<int>{-1};
}

void TstRijlijst::lees()
{
    QFETCH(QString, waarde);
    QFETCH(QList<int>, verwacht);
    QCOMPARE(Rijlijst::Lees(waarde), verwacht);
}

QTEST_GUILESS_MAIN(TstRijlijst)
#include "tst_rijlijst.moc"
