// Tafelwerk's Mappen.ini, as any editor may have left it.
#include "app/opstarten.h"
#include "fuzzsteun.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString pad = FuzzSteun::Bestand(QStringLiteral("Mappen.ini"), FuzzSteun::Bytes(data, size));
    Werkruimte werkruimte;
    FUZZ_EIS(Opstarten::LeesMappenIni(pad, werkruimte));
    // A value is the rest of one line.
    FUZZ_EIS(!werkruimte.MapTwk.contains(u'\n') && !werkruimte.MapSpelers.contains(u'\n'));
    // The member file lies in SPEMAP's folder, whether or not that ends with a separator.
    const QString& spelers = werkruimte.BestandSpelers;
    FUZZ_EIS(spelers.startsWith(werkruimte.MapSpelers) && spelers.endsWith(QStringLiteral("TWKspelers.txt")));
    FUZZ_EIS(spelers.size() == werkruimte.MapSpelers.size() + 15 || werkruimte.MapSpelers.endsWith(u'\\') ||
             werkruimte.MapSpelers.endsWith(u'/'));
    FUZZ_EIS(spelers.at(spelers.size() - 15) == u'/' || spelers.at(spelers.size() - 15) == u'\\');
    // Whatever folder the program lies in, Mappen.ini is a file name in it or its parent.
    FUZZ_EIS(Opstarten::PadMappenIni(werkruimte.MapTwk).endsWith(QStringLiteral("Mappen.ini")));
    return 0;
}
