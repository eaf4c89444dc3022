#include "script/scripttekst.h"

#include "common/ansi.h"
#include "common/tekst.h"

namespace Script {

QString TekenNaarUnicode(int code)
{
    return QStringLiteral("\\u00") + QString::number(code, 16).toUpper();
}

QString KleurNaarRgb(qint32 kleur)
{
    // Division truncates toward zero and AND works on two's complement, as the site's
    // colours were always computed.
    const qint32 rood = kleur & 255;
    const qint32 groen = (kleur / 256) & 255;
    const qint32 blauw = (kleur / 65536) & 255;
    return QStringLiteral("rgb(%1,%2,%3)").arg(rood).arg(groen).arg(blauw);
}

QString EscapeNaam(const QString& naam)
{
    QString uit;
    uit.reserve(naam.size());
    for (const QChar c : naam) {
        const int code = Ansi::Code(c.unicode());
        if (code > 160)
            uit += TekenNaarUnicode(code);
        else
            uit += c;
    }
    return uit;
}

QString EscapeTekst(const QString& tekst)
{
    QString uit;
    uit.reserve(tekst.size());
    for (const QChar c : tekst) {
        switch (c.unicode()) {
        case u'\\': uit += QStringLiteral("\\\\"); break;
        case u'\'': uit += QStringLiteral("\\'"); break;
        case u'\r': uit += QStringLiteral("\\r"); break;
        case u'\n': uit += QStringLiteral("\\n"); break;
        default: uit += c;
        }
    }
    return uit;
}

QString Cijfers(const QString& getal, int cijfers)
{
    const QString s = Tekst::Trim(getal);
    bool alleenCijfers = !s.isEmpty();
    for (const QChar c : s)
        alleenCijfers = alleenCijfers && c >= u'0' && c <= u'9';
    if (!alleenCijfers)
        return QString(cijfers, u'0');
    qsizetype begin = 0;
    while (begin < s.size() - 1 && s.at(begin) == u'0')
        ++begin;
    return s.mid(begin).rightJustified(cijfers, u'0');
}

} // namespace Script
