#include "members/ledenbestand.h"

#include "common/tekst.h"
#include "common/tekstbestand.h"

#include <array>

namespace {

// Fields 1 to 5 and 15 to 17 are used; the rest of a line is never copied.
constexpr int kLaatsteVeld = 17;

} // namespace

LidRegel SplitsLidRegel(QStringView regel)
{
    std::array<QStringView, kLaatsteVeld + 1> velden{};
    qsizetype begin = 0;
    for (int veld = 0; veld <= kLaatsteVeld && begin <= regel.size(); ++veld) {
        qsizetype komma = regel.indexOf(u',', begin);
        if (komma < 0)
            komma = regel.size();
        velden[veld] = regel.mid(begin, komma - begin);
        begin = komma + 1;
    }
    LidRegel lid;
    lid.nummer = velden[1].toString();
    lid.groepDeel1 = velden[2].toString();
    lid.voornaam = velden[3].toString();
    lid.tussenvoegsel = velden[4].toString();
    lid.achternaam = velden[5].toString();
    lid.overleden = velden[15].toString();
    lid.groepDeel2 = velden[16].toString();
    lid.extra = velden[17].toString();
    return lid;
}

Ledenbestand LeesLedenbestand(const QString& pad)
{
    Ledenbestand bestand;
    const std::optional<QStringList> regels = TekstBestand::LeesRegels(pad);
    if (!regels)
        return bestand;
    bestand.gelezen = true;
    bestand.leden.reserve(regels->size());
    for (qsizetype i = 1; i < regels->size(); ++i) {
        const QString& regel = regels->at(i);
        // A blank line would otherwise become a nameless member of an empty group "()".
        if (Tekst::Trim(regel).isEmpty())
            continue;
        bestand.leden.append(SplitsLidRegel(regel));
    }
    return bestand;
}
