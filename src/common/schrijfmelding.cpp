#include "common/schrijfmelding.h"

#include "common/paden.h"
#include "common/tekst.h"

bool MeldAlsNietOpgeslagen(const TekstBestand::SchrijfResultaat& resultaat, const QString& pad,
                           Meldingen& meldingen)
{
    if (resultaat.ok)
        return true;
    meldingen.Toon(QStringLiteral("Het instellingenbestand kon niet worden opgeslagen:") + Tekst::CrLf +
                       Paden::Toon(pad) + Tekst::CrLf + Tekst::CrLf + resultaat.fout,
                   Meldingen::Pictogram::Kritiek);
    return false;
}
