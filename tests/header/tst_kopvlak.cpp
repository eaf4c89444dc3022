#include "header/kopvlak.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QTest>

namespace {

const QColor Geel(255, 255, 0);
const QColor Wit(255, 255, 255);
const QColor Zwart(0, 0, 0);
constexpr int Binnen = KopVlak::Rand + 1; // y of the inner area's first row; x is 1

// A yellow 750 wide preview with an empty logo area.
void Zet(KopVlak& vlak, int hoogte = 100, int marge = 5)
{
    vlak.ZetMaat(QSize(750, hoogte));
    vlak.ZetAchtergrond(Geel);
    vlak.ZetLogoVak(MaakLogoVak(250, hoogte, marge));
}

QImage Teken(KopVlak& vlak) { return vlak.grab().toImage().convertToFormat(QImage::Format_RGB32); }

QColor Pixel(const QImage& beeld, int x, int y) { return QColor(beeld.pixel(x, y)); }

} // namespace

// Renders the preview and checks pixels: P0's outer top-left corner is at (0, Rand), its inner
// area starts one pixel further, the logo area P1 at the inner area's origin.
class TstKopVlak : public QObject {
    Q_OBJECT
private slots:
    void logoVak_data()
    {
        QTest::addColumn<int>("hoogte");
        QTest::addColumn<int>("marge");
        QTest::addColumn<int>("witHoog");
        QTest::newRow("margin 5") << 100 << 5 << 90;
        QTest::newRow("no margin") << 100 << 0 << 100;
    }

    void logoVak()
    {
        QFETCH(int, hoogte);
        QFETCH(int, marge);
        QFETCH(int, witHoog);
        KopVlak vlak;
        Zet(vlak, hoogte, marge);
        vlak.ZetLogoVakZichtbaar(true);
        const QImage beeld = Teken(vlak);

        QCOMPARE(Pixel(beeld, 0, KopVlak::Rand), Zwart);                // frame
        QCOMPARE(Pixel(beeld, 751, KopVlak::Rand + hoogte + 1), Zwart); // frame, far corner
        QCOMPARE(Pixel(beeld, 600, Binnen + hoogte / 2), Geel);         // text area
        const int links = 1 + marge;
        const int boven = Binnen + marge;
        const int rechts = 1 + 250 - marge - 1;
        QCOMPARE(Pixel(beeld, links, boven), Wit);
        QCOMPARE(Pixel(beeld, rechts, boven + witHoog - 1), Wit);
        QCOMPARE(Pixel(beeld, rechts + 1, boven), Geel);
        QCOMPARE(Pixel(beeld, links, boven + witHoog), marge > 0 ? Geel : Zwart);
        if (marge > 0) {
            QCOMPARE(Pixel(beeld, links - 1, boven), Geel);
            QCOMPARE(Pixel(beeld, links, boven - 1), Geel);
        }
    }

    void lijn1()
    {
        KopVlak vlak;
        Zet(vlak);
        const QImage beeld = Teken(vlak);
        // First column right of the logo area, counting P0's frame; drawn under the box, so only
        // its ends outside the box show.
        const int x = 251;
        QCOMPARE(vlak.Lijn1(), QLine(x, 0, x, KopVlak::Rand + 100 + 5));
        for (int y = 0; y < KopVlak::Rand; ++y)
            QCOMPARE(Pixel(beeld, x, y), Zwart);
        QVERIFY(Pixel(beeld, x - 1, 0) != Zwart);
        QVERIFY(Pixel(beeld, x + 1, 0) != Zwart);
        QCOMPARE(Pixel(beeld, x, Binnen + 50), Geel);
        for (int y = KopVlak::Rand + 102; y <= KopVlak::Rand + 105; ++y)
            QCOMPARE(Pixel(beeld, x, y), Zwart);
        QCOMPARE(beeld.height(), KopVlak::Rand + 106);
    }

    void tekstNaastLogo_data()
    {
        QTest::addColumn<bool>("logo");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("beside the logo area") << true << "BC bridgeclub";
        QTest::newRow("whole box") << false << "BC bridgeclub";
        QTest::newRow("wider than the box is cut") << false << QString(60, u'W');
    }

    void tekstNaastLogo()
    {
        QFETCH(bool, logo);
        QFETCH(QString, tekst);
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(24);
        const double breed = QFontMetricsF(font).horizontalAdvance(tekst);
        const double links = KoptekstLinks(750, logo ? 1 : 0, 250, breed);
        KopVlak vlak;
        Zet(vlak);
        vlak.ZetLogoVakZichtbaar(logo);
        vlak.ZetKoptekst(tekst, font, Qt::black, QPointF(links, 20));
        const QImage beeld = Teken(vlak);

        int eerste = -1;
        int laatste = -1;
        for (int x = 1; x <= 750; ++x) {
            for (int y = Binnen; y < Binnen + 100; ++y) {
                const QColor c = Pixel(beeld, x, y);
                if (c.red() < 128 && c.green() < 128) {
                    if (eerste < 0)
                        eerste = x;
                    laatste = x;
                    break;
                }
            }
        }
        QVERIFY(eerste >= 0);
        // Glyphs may reach a pixel or two past their advance.
        QVERIFY2(eerste >= std::max(1, int(links) - 2), qPrintable(QString::number(eerste)));
        QVERIFY2(laatste <= std::min(750, int(links + breed) + 3), qPrintable(QString::number(laatste)));
        if (logo)
            QVERIFY(eerste > 250);
        // A text wider than the box leaves the frame whole.
        for (int y = KopVlak::Rand; y < KopVlak::Rand + 102; ++y) {
            QCOMPARE(Pixel(beeld, 0, y), Zwart);
            QCOMPARE(Pixel(beeld, 751, y), Zwart);
        }
    }
};

QTEST_MAIN(TstKopVlak)
#include "tst_kopvlak.moc"
