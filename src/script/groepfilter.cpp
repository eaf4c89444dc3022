#include "script/groepfilter.h"

#include "common/instellingen.h"
#include "common/tekst.h"

namespace Script {

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
        const qint16 groep = Instellingen::Geheel16(stuk).value_or(0);
        filter += u'#' + Tekst::Nullen(groep, 3);
    }
    return filter;
}

} // namespace Script
