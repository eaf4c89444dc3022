#include "upload/uploadbestanden.h"

#include "common/gewoonbestand.h"
#include "common/paden.h"
#include "common/tekst.h"
#include "header/logobestand.h"
#include "script/scriptlogo.h"
#include "script/sitebestanden.h"

namespace {

// Far above any club's script or logo; nothing larger is read into memory.
constexpr qint64 Grootste = 64 * 1024 * 1024;

} // namespace

Uitkomst<QList<TeVersturen>> BestandenVoorUpload(const QString& momentMap, const QString& naamScript)
{
    const QString scriptPad = Paden::Samen(momentMap, naamScript);
    const std::optional<QByteArray> script = GewoonBestand::Lees(scriptPad, Grootste);
    if (!script)
        return Uitkomst<QList<TeVersturen>>::Fout(QStringLiteral("Het Script-bestand kon niet worden gelezen:") + Tekst::CrLf +
                                                  Paden::Toon(scriptPad));
    QList<TeVersturen> uit;
    for (const SiteBestanden::Bestand& bestand : SiteBestanden::Alle())
        uit.append({bestand.naam, bestand.inhoud, true});
    if (const QString logo = LogoVanScript(*script); !logo.isEmpty()) {
        const QString logoPad = Paden::Samen(momentMap, logo);
        const std::optional<QByteArray> beeld =
            GeldigeLogoNaam(logo) ? GewoonBestand::Lees(logoPad, Grootste) : std::nullopt;
        if (!beeld || !IsAfbeelding(*beeld))
            return Uitkomst<QList<TeVersturen>>::Fout(QStringLiteral("Het logo dat de afmeldsite toont, ontbreekt in de map van deze speeldag of is "
                                                                     "geen afbeelding:") +
                                                      Tekst::CrLf + Paden::Toon(logoPad) + Tekst::CrLf + Tekst::CrLf + QStringLiteral("Kies het logo opnieuw met 'Koptekst en logo instellen' en sluit de "
                                                                                                                                      "afmeldinstellingen met OK."));
        uit.append({logo, *beeld, true});
    }
    uit.append({naamScript, *script});
    return uit;
}
