// Kwintel.ini: no value the start window cannot show, and what is written reads back.
#include "app/algemeen.h"
#include "common/tekst.h"
#include "fuzzsteun.h"

void FuzzDoel(const QByteArray& invoer)
{
    AlgemeneInstellingen a, terug{7, QStringLiteral("x"), 2};
    Algemeen::LeesAlgemeen(FuzzSteun::Bestand(QStringLiteral("Kwintel.ini"), invoer), a);
    FUZZ_EIS(a.Speeldag >= -1 && a.Speeldag <= 24 && a.Tooninval >= 0 && a.Tooninval <= 2);
    FUZZ_EIS(Algemeen::SchrijfAlgemeen(FuzzSteun::Bestand(QStringLiteral("Kwintel2.ini"), {}), a).gelukt());
    Algemeen::LeesAlgemeen(FuzzSteun::Map() + QStringLiteral("/Kwintel2.ini"), terug);
    FUZZ_EIS(terug.Speeldag == a.Speeldag && terug.Tooninval == a.Tooninval && terug.Clubnaam == Tekst::Trim(a.Clubnaam));
}
