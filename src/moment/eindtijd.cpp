#include "moment/eindtijd.h"

#include "common/instellingen.h"
#include "common/tekst.h"

namespace Eindtijd {

bool ToetsToegestaan(QChar teken) { return (teken >= u'0' && teken <= u'9') || teken == u':' || teken == u'\b'; }

std::optional<QString> Controleer(const QString& tekst)
{
    const QString s = Tekst::Trim(tekst);
    if (s.size() < 5 || s.at(2) != u':')
        return QStringLiteral("De schrijfwijze is niet juist!") + Tekst::CrLf + Tekst::CrLf +
               QStringLiteral("Enkele voorbeelden: 09:00, 15:00, 18:35.");
    if (Instellingen::LeidendGetal(s.left(2)) > 23)
        return QStringLiteral("Het maximum is 23 uur!");
    if (Instellingen::LeidendGetal(s.right(2)) > 59)
        return QStringLiteral("Het maximum is 59 minuten!");
    return std::nullopt;
}

std::optional<QString> ControleerBijVertrek(const QString& tekst, bool hadFocus)
{
    if (!hadFocus && Tekst::Trim(tekst).isEmpty())
        return std::nullopt;
    return Controleer(tekst);
}

} // namespace Eindtijd
