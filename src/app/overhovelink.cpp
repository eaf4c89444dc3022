#include "app/overhovelink.h"

#include "common/paden.h"
#include "common/tekst.h"

namespace OverHovelink {

QString Versie()
{
    return QStringLiteral(HOVELINK_VERSIE);
}

QString SchermVersie()
{
    return QStringLiteral("Versie 100e");
}

QString Tekst(const Werkruimte& werkruimte, const QString& instellingen)
{
    const QString& crlf = Tekst::CrLf;
    const QString herkomst =
        werkruimte.MappenIniGekozen
            ? QStringLiteral("uit Mappen.ini in de map die bij de eerste start is gekozen:") + crlf +
                  Paden::Toon(werkruimte.MappenIni) + crlf + QStringLiteral("Die keuze is bewaard in:") + crlf +
                  Paden::Toon(instellingen)
            : QStringLiteral("uit Mappen.ini bij het programma:") + crlf + Paden::Toon(werkruimte.MappenIni);
    return QStringLiteral("Hovelink ") + SchermVersie() + QStringLiteral(" (pakketversie ") + Versie() + u')' + crlf +
           crlf + QStringLiteral("Maakt per speelmoment het databestand voor de afmeldsite van de club, vanuit Tafelwerk.") +
           crlf + crlf + QStringLiteral("Licentie: GNU General Public License, versie 3 of later.") + crlf + crlf +
           QStringLiteral("Alle gegevens van Hovelink staan in de map:") + crlf + Paden::Toon(werkruimte.MapProgramma) +
           crlf + crlf + QStringLiteral("De map van Tafelwerk (") + Paden::Toon(werkruimte.MapTwk) +
           QStringLiteral(") komt ") + herkomst;
}

} // namespace OverHovelink
