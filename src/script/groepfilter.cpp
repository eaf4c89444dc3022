#include "script/groepfilter.h"

#include "common/tekst.h"

#include <QStringList>

namespace Script {

QString ElementGetal(const QString& element)
{
    const QString t = Tekst::Trim(element);
    qsizetype eind = 0;
    while (eind < t.size() && t.at(eind) >= u'0' && t.at(eind) <= u'9')
        ++eind;
    qsizetype begin = 0;
    while (begin < eind - 1 && t.at(begin) == u'0')
        ++begin;
    return eind == 0 ? QStringLiteral("0") : t.mid(begin, eind - begin);
}

QString GroepFilter(const QString& tekst, int element)
{
    const QString s = Tekst::Trim(tekst) + u',';
    if (element == 1 && s.toUpper().contains(u"PARTNERS"))
        return QStringLiteral("#000#001");
    if (s == u",")
        return {};
    QString filter = QStringLiteral("#000");
    for (const QString& stuk : s.split(u',')) {
        if (Tekst::Trim(stuk).isEmpty())
            continue;
        // Typing admits digits and commas only, so anything else comes from a hand-edited
        // settings file; it must not stop the script, and #000 matches no member group.
        bool ok = false;
        const int groep = ElementGetal(stuk).toInt(&ok);
        filter += u'#' + Tekst::Nullen(ok && groep <= 32767 ? groep : 0, 3);
    }
    return filter;
}

} // namespace Script
