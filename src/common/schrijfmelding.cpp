#include "common/schrijfmelding.h"

#include "common/paden.h"
#include "common/tekst.h"

bool MeldAlsNietOpgeslagen(const Uitkomst<>& resultaat, const QString& pad,
                           Meldingen& meldingen)
{
    if (resultaat)
        return true;
    meldingen.Toon(QStringLiteral("Het instellingenbestand kon niet worden opgeslagen:") + Tekst::CrLf +
                       Paden::Toon(pad) + Tekst::CrLf + Tekst::CrLf + resultaat.melding(),
                   Meldingen::Pictogram::Kritiek);
    return false;
}
