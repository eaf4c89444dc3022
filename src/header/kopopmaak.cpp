#include "header/kopopmaak.h"

#include "common/ansi.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>

#include <algorithm>

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

QStringList AnsiLettertypen()
{
    QByteArray bytes;
    for (int b = 0x21; b <= 0xFF; ++b)
        bytes.append(char(b));
    QList<char32_t> tekens;
    for (const char32_t teken : Ansi::Van(bytes).toUcs4()) {
        // Unassigned bytes, the no-break space and the soft hyphen draw nothing.
        if (QChar::isPrint(teken) && teken != 0xA0 && teken != 0xAD)
            tekens.append(teken);
    }
    QStringList uit;
    for (const QString& familie : QFontDatabase::families(QFontDatabase::Latin)) {
        if (QFontDatabase::isPrivateFamily(familie))
            continue;
        const QRawFont font = QRawFont::fromFont(QFont(familie));
        if (std::all_of(tekens.cbegin(), tekens.cend(), [&](char32_t t) { return font.supportsCharacter(t); }))
            uit.append(familie);
    }
    return uit;
}

QString GetoondeFamilie(const QString& naam) { return QFontInfo(QFont(naam)).family(); }
