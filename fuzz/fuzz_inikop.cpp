// IniKop.ini: reading a hand-edited file never fails, and writing what was read gives a
// file that reads back to the same header.
#include "fuzzsteun.h"
#include "header/kopbestand.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSteun::Bestand(StandaardNaamKop, FuzzSteun::Bytes(data, size));
    KopInstellingen kop;
    LeesKop(FuzzSteun::Map(), StandaardNaamKop, kop);

    const QString naam = QStringLiteral("IniKop2.ini");
    FUZZ_EIS(SchrijfKop(FuzzSteun::Map(), naam, QStringLiteral("dinsdag"), QStringLiteral(" Club "), kop).ok);
    FUZZ_EIS(kop.kopvakbr != 0 && kop.kopvakho != 0);
    KopInstellingen terug;
    LeesKop(FuzzSteun::Map(), naam, terug);
    FUZZ_EIS(terug == kop);
    return 0;
}
