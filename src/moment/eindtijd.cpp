#include "moment/eindtijd.h"

#include "common/instellingen.h"
#include "common/tekst.h"

namespace Eindtijd {

bool ToetsToegestaan(QChar teken) { return (teken >= u'0' && teken <= u'9') || teken == u':' || teken == u'\b'; }

Uitkomst<> Controleer(const QString& tekst)
{
    const QString s = Tekst::Trim(tekst);
    if (s.size() < 5 || s.at(2) != u':')
        return Uitkomst<>::Fout(QStringLiteral("De schrijfwijze is niet juist!") + Tekst::CrLf + Tekst::CrLf +
                                QStringLiteral("Enkele voorbeelden: 09:00, 15:00, 18:35."));
    if (Instellingen::LeidendGetal(s.left(2)) > 23)
        return Uitkomst<>::Fout(QStringLiteral("Het maximum is 23 uur!"));
    if (Instellingen::LeidendGetal(s.right(2)) > 59)
        return Uitkomst<>::Fout(QStringLiteral("Het maximum is 59 minuten!"));
    return {};
}

Uitkomst<> ControleerBijVertrek(const QString& tekst, bool hadFocus)
{
    if (!hadFocus && Tekst::Trim(tekst).isEmpty())
        return {};
    return Controleer(tekst);
}

} // namespace Eindtijd
