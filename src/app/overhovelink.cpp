#include "app/overhovelink.h"

#include "common/paden.h"
#include "common/tekst.h"

namespace OverHovelink {

QString Versie()
{
    return QStringLiteral(HOVELINK_VERSIE);
}

QString Tekst(const QString& travenza, const QString& instellingen)
{
    const QString& crlf = Tekst::CrLf;
    return QStringLiteral("Hovelink versie ") + Versie() + crlf + crlf +
           QStringLiteral("Maakt per speelmoment het databestand voor de afmeldsite van de club, vanuit Tafelwerk.") +
           crlf + crlf + QStringLiteral("Licentie: GNU General Public License, versie 3 of later.") + crlf + crlf +
           QStringLiteral("Alle gegevens van Hovelink staan in de map:") + crlf + Paden::Toon(travenza) + crlf + crlf +
           QStringLiteral("De gekozen map van Tafelwerk staat in:") + crlf + Paden::Toon(instellingen);
}

} // namespace OverHovelink
