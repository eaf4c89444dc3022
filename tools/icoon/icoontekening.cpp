#include "icoontekening.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kLaken(253, 253, 250);
const QColor kRand(55, 71, 79);
const QColor kKop(31, 111, 67);
const QColor kVakje(214, 222, 218);
const QColor kSpeeldag(170, 205, 185);
const QColor kHart(211, 47, 47);
const QColor kHartRand(150, 25, 25);

// Everything is drawn on a 256-unit square and scaled, so every size has the same picture.
constexpr qreal kEenheid = 256.0;

void Blad(QPainter& p)
{
    const QRectF blad(22, 34, 212, 200);
    p.setPen(QPen(kRand, 6));
    p.setBrush(kLaken);
    p.drawRoundedRect(blad, 24, 24);

    QPainterPath kop;
    kop.addRoundedRect(blad.adjusted(3, 3, -3, 0), 21, 21);
    QPainterPath onderkant;
    onderkant.addRect(QRectF(blad.left(), blad.top() + 58, blad.width(), blad.height()));
    p.setPen(Qt::NoPen);
    p.setBrush(kKop);
    p.drawPath(kop.subtracted(onderkant));
}

void Ringen(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kRand);
    for (const qreal x : {74.0, 168.0})
        p.drawRoundedRect(QRectF(x - 8, 14, 16, 44), 8, 8);
}

// Day cells: four columns and three rows, one a week coloured as a play date.
void Vakjes(QPainter& p)
{
    p.setPen(Qt::NoPen);
    for (int rij = 0; rij < 3; ++rij) {
        for (int kolom = 0; kolom < 4; ++kolom) {
            p.setBrush(kolom == 3 ? kSpeeldag : kVakje);
            p.drawRoundedRect(QRectF(42 + kolom * 46, 112 + rij * 38, 34, 26), 5, 5);
        }
    }
}

void Hart(QPainter& p)
{
    // A heart in a 100 x 90 box, placed over the lower half of the sheet.
    QPainterPath hart;
    hart.moveTo(50, 90);
    hart.cubicTo(20, 65, 0, 45, 0, 27);
    hart.cubicTo(0, 12, 12, 0, 27, 0);
    hart.cubicTo(38, 0, 46, 6, 50, 16);
    hart.cubicTo(54, 6, 62, 0, 73, 0);
    hart.cubicTo(88, 0, 100, 12, 100, 27);
    hart.cubicTo(100, 45, 80, 65, 50, 90);
    hart.closeSubpath();

    p.save();
    p.translate(78, 126);
    p.setPen(QPen(kHartRand, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kHart);
    p.drawPath(hart);
    p.restore();
}

} // namespace

namespace IcoonTekening {

QImage TekenIcoon(int grootte)
{
    QImage beeld(grootte, grootte, QImage::Format_ARGB32_Premultiplied);
    beeld.fill(Qt::transparent);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(grootte / kEenheid, grootte / kEenheid);
    Blad(p);
    Vakjes(p);
    Ringen(p);
    Hart(p);
    p.end();
    return beeld.convertToFormat(QImage::Format_ARGB32);
}

} // namespace IcoonTekening
