#include "icoontekening.h"

#include <QTest>

class TstIcoon : public QObject {
    Q_OBJECT
private slots:
    void vorm_data()
    {
        QTest::addColumn<int>("grootte");
        QTest::newRow("menu size") << 16;
        QTest::newRow("task bar size") << 48;
        QTest::newRow("installed size") << 256;
    }

    // Transparent corners, so the icon sits on any background; an opaque sheet in the middle.
    void vorm()
    {
        QFETCH(int, grootte);
        const QImage icoon = IcoonTekening::TekenIcoon(grootte);
        QCOMPARE(icoon.size(), QSize(grootte, grootte));
        QVERIFY(icoon.hasAlphaChannel());
        const int rand = grootte - 1;
        for (const QPoint hoek : {QPoint(0, 0), QPoint(rand, 0), QPoint(0, rand), QPoint(rand, rand)})
            QCOMPARE(qAlpha(icoon.pixel(hoek)), 0);
        QCOMPARE(qAlpha(icoon.pixel(grootte / 2, grootte / 2)), 255);
    }

    // resources/hovelink.png is what the drawing code makes today (redraw it with the target
    // hovelink_icoon_bijwerken after changing the drawing).
    void vastgelegdIcoonIsBijgewerkt()
    {
        const QImage vastgelegd(QStringLiteral(HOVELINK_ICOON));
        QVERIFY(!vastgelegd.isNull());
        QCOMPARE(vastgelegd.convertToFormat(QImage::Format_ARGB32),
                 IcoonTekening::TekenIcoon(256).convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(TstIcoon)
#include "tst_icoon.moc"
