#include "icoontekening.h"

#include <QTest>

class TstIcoon : public QObject {
    Q_OBJECT
private slots:
    // resources/hovelink.png is what the drawing code makes today (redraw it with the target
    // hovelink_icoon_bijwerken after changing the drawing); its corners are transparent.
    void vastgelegdIcoonIsBijgewerkt()
    {
        const QImage vastgelegd = QImage(QStringLiteral(HOVELINK_ICOON)).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(vastgelegd, IcoonTekening::TekenIcoon(256).convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(qAlpha(vastgelegd.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(IcoonTekening::TekenIcoon(16).pixel(15, 15)), 0);
    }
};

QTEST_MAIN(TstIcoon)
#include "tst_icoon.moc"
