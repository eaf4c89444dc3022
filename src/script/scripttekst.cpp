#include "script/scripttekst.h"

#include <algorithm>
#include <charconv>

namespace Script {

QString TekenNaarUnicode(int code)
{
    // One allocation: an accented name may have several of these.
    char tekens[16] = {'\\', 'u', '0', '0'};
    char* eind = std::to_chars(tekens + 4, tekens + sizeof tekens, code, 16).ptr;
    std::transform(tekens + 4, eind, tekens + 4, [](char c) {
        return c >= 'a' && c <= 'f' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return QString::fromLatin1(tekens, eind - tekens);
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
    // Only 161 to 255 have a code above 160: everything beyond 255 is either one of the
    // code page's bytes 128 to 159 or missing from it ("?").
    const auto geescaped = [](QChar c) { return c.unicode() > 160 && c.unicode() <= 255; };
    // Most names have no accent at all; they are returned shared, without a copy.
    qsizetype i = std::find_if(naam.begin(), naam.end(), geescaped) - naam.begin();
    if (i == naam.size())
        return naam;
    QString uit = naam.left(i);
    for (; i < naam.size(); ++i) {
        const QChar c = naam.at(i);
        if (geescaped(c))
            uit += TekenNaarUnicode(c.unicode());
        else
            uit += c;
    }
    return uit;
}

QString EscapeTekst(const QString& tekst)
{
    const auto bijzonder = [](QChar c) {
        return c == u'\\' || c == u'\'' || c == u'\r' || c == u'\n';
    };
    qsizetype i = std::find_if(tekst.begin(), tekst.end(), bijzonder) - tekst.begin();
    if (i == tekst.size())
        return tekst;
    QString uit = tekst.left(i);
    for (; i < tekst.size(); ++i) {
        switch (tekst.at(i).unicode()) {
        case u'\\':
            uit += QStringLiteral("\\\\");
            break;
        case u'\'':
            uit += QStringLiteral("\\'");
            break;
        case u'\r':
            uit += QStringLiteral("\\r");
            break;
        case u'\n':
            uit += QStringLiteral("\\n");
            break;
        default:
            uit += tekst.at(i);
        }
    }
    return uit;
}

void VoegCijfersToe(QByteArray& script, QStringView getal, int cijfers)
{
    while (!getal.isEmpty() && getal.front() == u' ')
        getal = getal.mid(1);
    while (!getal.isEmpty() && getal.back() == u' ')
        getal.chop(1);
    const bool alleenCijfers =
        !getal.isEmpty() &&
        std::all_of(getal.begin(), getal.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!alleenCijfers)
        getal = u"0";
    while (getal.size() > 1 && getal.front() == u'0')
        getal = getal.mid(1);
    // One resize and plain stores: this runs three times for every member.
    const qsizetype nullen = qMax<qsizetype>(0, cijfers - getal.size());
    const qsizetype begin = script.size();
    script.resize(begin + nullen + getal.size());
    char* p = script.data() + begin;
    p = std::fill_n(p, nullen, '0');
    for (const QChar c : getal)
        *p++ = static_cast<char>(c.unicode());
}

} // namespace Script
