// IniKop.ini as edited by hand: what was read is written and reads back the same.
#include "fuzzsteun.h"
#include "header/kopbestand.h"

void FuzzDoel(const QByteArray& invoer)
{
    FuzzSteun::Bestand(StandaardNaamKop, invoer);
    KopInstellingen kop, terug;
    LeesKop(FuzzSteun::Map(), StandaardNaamKop, kop);
    FUZZ_EIS(SchrijfKop(FuzzSteun::Map(), QStringLiteral("IniKop2.ini"), QStringLiteral("dinsdag"), QStringLiteral(" Club "), kop).gelukt());
    FUZZ_EIS(kop.kopvakbr != 0 && kop.kopvakho != 0); // writing fills the unset box size
    LeesKop(FuzzSteun::Map(), QStringLiteral("IniKop2.ini"), terug);
    FUZZ_EIS(terug == kop);
}
