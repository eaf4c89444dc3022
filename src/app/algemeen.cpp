#include "app/algemeen.h"

#include "app/speelmomenten.h"
#include "common/instellingen.h"
#include "common/tekst.h"

namespace Algemeen {

Uitkomst<> SchrijfAlgemeen(const QString& pad, const AlgemeneInstellingen& instellingen)
{
    return TekstBestand::SchrijfRegels(pad, {
                                                QStringLiteral("Speeldag=") + QString::number(instellingen.Speeldag),
                                                QStringLiteral("Clubnaam=") + Tekst::Trim(instellingen.Clubnaam),
                                                QStringLiteral("Tooninval=") + QString::number(instellingen.Tooninval),
                                            });
}

void LeesAlgemeen(const QString& pad, AlgemeneInstellingen& instellingen)
{
    const Uitkomst<QStringList> regels = TekstBestand::LeesRegels(pad);
    if (!regels)
        return;
    const int laatste = int(Speelmomenten::VulSpeeldagen().size()) - 1;
    for (const QString& regel : regels.waarde()) {
        if (Instellingen::Past(regel, u"SPEELDAG=")) {
            const std::optional<qint16> positie = Instellingen::Geheel16(Instellingen::Waarde(regel));
            if (!positie || *positie < -1 || *positie > laatste)
                return;
            instellingen.Speeldag = *positie;
        } else if (Instellingen::Past(regel, u"CLUBNAAM=")) {
            instellingen.Clubnaam = Instellingen::Waarde(regel);
        } else if (Instellingen::Past(regel, u"TOONINVAL=")) {
            const std::optional<qint16> staat = Instellingen::Geheel16(Instellingen::Waarde(regel));
            if (!staat || *staat < 0 || *staat > 2)
                return;
            instellingen.Tooninval = *staat;
        }
    }
}

} // namespace Algemeen
