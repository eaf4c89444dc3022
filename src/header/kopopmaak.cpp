#include "header/kopopmaak.h"

QColor KleurVan(qint32 waarde)
{
    const quint32 w = quint32(waarde);
    return QColor(int(w & 0xFF), int((w >> 8) & 0xFF), int((w >> 16) & 0xFF));
}

qint32 KleurWaarde(const QColor& kleur)
{
    return qint32(kleur.red() | (kleur.green() << 8) | (kleur.blue() << 16));
}

QFont KopFont(const KopInstellingen& kop)
{
    QFont font(kop.kopfont);
    // A height of 0 or less only comes from a hand-edited file; Qt refuses it, so the
    // default size stays.
    if (kop.kophoog > 0)
        font.setPointSize(kop.kophoog);
    font.setBold(kop.kopvet != 0);
    return font;
}

QFont HoekFont() { return QFont(QStringLiteral("Arial"), 10); }
