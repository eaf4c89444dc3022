// Kwintel.ini: reading never takes a value the start window cannot show, and what is
// written reads back as it was.
#include "app/algemeen.h"
#include "common/tekst.h"
#include "fuzzsteun.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString pad = FuzzSteun::Bestand(QStringLiteral("Kwintel.ini"), FuzzSteun::Bytes(data, size));
    AlgemeneInstellingen gelezen;
    Algemeen::LeesAlgemeen(pad, gelezen);
    FUZZ_EIS(gelezen.Speeldag >= -1 && gelezen.Speeldag <= 24);
    FUZZ_EIS(gelezen.Tooninval >= 0 && gelezen.Tooninval <= 2);

    const QString opnieuw = FuzzSteun::Bestand(QStringLiteral("Kwintel2.ini"), {});
    FUZZ_EIS(Algemeen::SchrijfAlgemeen(opnieuw, gelezen).ok);
    AlgemeneInstellingen terug{7, QStringLiteral("x"), 2};
    Algemeen::LeesAlgemeen(opnieuw, terug);
    FUZZ_EIS(terug.Speeldag == gelezen.Speeldag);
    FUZZ_EIS(terug.Tooninval == gelezen.Tooninval);
    FUZZ_EIS(terug.Clubnaam == Tekst::Trim(gelezen.Clubnaam));
    return 0;
}
