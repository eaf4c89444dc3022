// Mappen.ini as any editor may have left it: a value is one line; the member file is in SPEMAP.
#include "app/opstarten.h"
#include "fuzzsteun.h"

void FuzzDoel(const QByteArray& invoer)
{
    Werkruimte w;
    FUZZ_EIS(Opstarten::LeesMappenIni(FuzzSteun::Bestand(QStringLiteral("Mappen.ini"), invoer), w));
    FUZZ_EIS(!w.MapTwk.contains(u'\n') && w.BestandSpelers.startsWith(w.MapSpelers) && w.BestandSpelers.endsWith(u"TWKspelers.txt"));
}
