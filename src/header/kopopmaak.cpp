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

QStringList Lettertypenlijst(const QStringList& families, const std::function<bool(const QString&)>& bruikbaar)
{
    // The core fonts of Windows, also found on most other computers that visit a site.
    QStringList uit{QStringLiteral("Arial"), QStringLiteral("Verdana"), QStringLiteral("Tahoma"),
                    QStringLiteral("Trebuchet MS"), QStringLiteral("Georgia"), QStringLiteral("Times New Roman"),
                    QStringLiteral("Courier New"), QStringLiteral("Arial Black"), QStringLiteral("Comic Sans MS"),
                    QStringLiteral("Impact")};
    QStringList overig;
    for (const QString& familie : families) {
        const qsizetype haak = familie.indexOf(QStringLiteral(" ["));
        const QString naam = haak > 0 && familie.endsWith(u']') ? familie.left(haak) : familie;
        if (!uit.contains(naam, Qt::CaseInsensitive) && !overig.contains(naam, Qt::CaseInsensitive) && bruikbaar(naam))
            overig.append(naam);
    }
    overig.sort(Qt::CaseInsensitive);
    return uit + overig;
}

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
    return Lettertypenlijst(QFontDatabase::families(QFontDatabase::Latin), [&tekens](const QString& familie) {
        // An alias draws another family: no browser knows it by this name.
        if (QFontDatabase::isPrivateFamily(familie) || GetoondeFamilie(familie).compare(familie, Qt::CaseInsensitive) != 0)
            return false;
        const QRawFont font = QRawFont::fromFont(QFont(familie));
        return std::all_of(tekens.cbegin(), tekens.cend(), [&](char32_t t) { return font.supportsCharacter(t); });
    });
}

QString GetoondeFamilie(const QString& naam) { return QFontInfo(QFont(naam)).family(); }
