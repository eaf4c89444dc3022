#include "script/bewaarscript.h"

#include "common/paden.h"
#include "common/tekst.h"
#include "common/tekstbestand.h"

namespace Script {

bool BewaarScript(const QString& pad, const QByteArray& bytes, const QString& speeldag,
                  Meldingen& meldingen)
{
    using Tekst::CrLf;
    if (const Uitkomst<> resultaat = TekstBestand::SchrijfBytes(pad, bytes); !resultaat) {
        meldingen.Toon(QStringLiteral("Het Script-bestand kon niet worden opgeslagen:") + CrLf +
                           Paden::Toon(pad) + CrLf + CrLf + resultaat.melding(),
                       Meldingen::Pictogram::Kritiek);
        return false;
    }
    meldingen.Toon(
        CrLf + QStringLiteral("Het Script-bestand voor '") + speeldag +
            QStringLiteral("' is gemaakt.") + CrLf + CrLf +
            QStringLiteral("U moet het hierna nog Uploaden.") + CrLf + CrLf +
            u"Als u ook een logoafbeelding hebt gemaakt of gewijzigd moet u die óók uploaden."_qs,
        Meldingen::Pictogram::Informatie);
    return true;
}

} // namespace Script
