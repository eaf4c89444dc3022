// Tafelwerk's member file: its groups, and the members and overview of a selection from the input.
#include "fuzzsteun.h"
#include "members/ledenlijst.h"

void FuzzDoel(const QByteArray& invoer)
{
    const Ledenbestand bestand = LeesLedenbestand(FuzzSteun::Bestand(QStringLiteral("TWKspelers.txt"), invoer));
    FuzzMeldingen m;
    GroepenLijst groepen = LeesGroepen(bestand, m);
    FUZZ_EIS(bestand.gelezen && groepen.rijen.size() <= kMaxGroepen && (m.aantal == 0 || groepen.rijen.size() == kMaxGroepen));
    for (qsizetype r = 0; r < groepen.rijen.size(); ++r) {
        FUZZ_EIS(RijNummer(groepen.rijen.at(r).tekst) == r + 1);
        groepen.rijen[r].aangevinkt = invoer.at(r % invoer.size()) & 1;
    }
    LedenVolgorde volgorde;
    const std::optional<LedenLijst> leden = KiesLeden(bestand, volgorde, groepen, invoer.endsWith('2') ? 0 : 1, m);
    FUZZ_EIS(leden.has_value() == groepen.IetsAangevinkt());
    FUZZ_EIS(!leden || (leden->ListH.size() <= bestand.Aantal() && leden->txt1.count(u'\n') == leden->ListH.size()));
}
