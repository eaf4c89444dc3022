#include "moment/regelmodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

class TstRegelModel : public QObject {
    Q_OBJECT
private slots:
    void regels_data();
    void regels();
};

namespace {

QStringList Rijen(const QAbstractItemModel& model) {
    QStringList rijen;
    for (int r = 0; r < model.rowCount(); ++r)
        rijen << model.index(r, 0).data().toString();
    return rijen;
}

} // namespace

void TstRegelModel::regels_data() {
    QTest::addColumn<QString>("eerder"); // what the overview showed before
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QStringList>("rijen");
    QTest::addColumn<int>("verversingen");
    QTest::newRow("empty") << "" << "" << QStringList{} << 0;
    QTest::newRow("two lines") << "" << "0001  a\r\n0002  b\r\n" << QStringList{"0001  a", "0002  b"} << 1;
    QTest::newRow("last line without CR LF") << "" << "a\r\nb" << QStringList{"a", "b"} << 1;
    QTest::newRow("empty line kept") << "" << "a\r\n\r\nb\r\n" << QStringList{"a", "", "b"} << 1;
    QTest::newRow("fewer lines than before") << "a\r\nb\r\nc\r\n" << "z\r\n" << QStringList{"z"} << 2;
    QTest::newRow("emptied") << "a\r\nb\r\n" << "" << QStringList{} << 2;
    QTest::newRow("same text shown again") << "a\r\n" << "a\r\n" << QStringList{"a"} << 1;
}

void TstRegelModel::regels() {
    QFETCH(QString, eerder);
    QFETCH(QString, tekst);
    QFETCH(QStringList, rijen);
    QFETCH(int, verversingen);
    RegelModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy ververst(&model, &QAbstractItemModel::modelReset);
    model.ZetTekst(eerder);
    model.ZetTekst(tekst);
    QCOMPARE(Rijen(model), rijen);
    QCOMPARE(ververst.size(), verversingen);
    QVERIFY(!model.index(int(rijen.size()), 0).isValid());
}

QTEST_MAIN(TstRegelModel)
#include "tst_regelmodel.moc"
