// Tafelwerk's member file: the group list, the member list of a selection taken from the
// input, its overview and the member tables.
#include "common/lijstvolgorde.h"
#include "fuzzsteun.h"
#include "members/ledenlijst.h"
#include "members/ledennaartabellen.h"
#include "members/spelergroepen.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray invoer = FuzzSteun::Bytes(data, size);
    const Ledenbestand bestand =
        LeesLedenbestand(FuzzSteun::Bestand(QStringLiteral("TWKspelers.txt"), invoer));
    FUZZ_EIS(bestand.gelezen);
    FuzzMeldingen meldingen;
    GroepenLijst groepen = LeesGroepen(bestand, meldingen);
    FUZZ_EIS(groepen.rijen.size() <= kMaxGroepen);
    FUZZ_EIS(meldingen.aantal == 0 || groepen.rijen.size() == kMaxGroepen);
    QSet<QString> sleutels;
    for (qsizetype r = 0; r < groepen.rijen.size(); ++r) {
        const QString& tekst = groepen.rijen.at(r).tekst;
        FUZZ_EIS(RijNummer(tekst) == r + 1);
        FUZZ_EIS(RijSleutel(tekst).startsWith(u'(') && RijSleutel(tekst).endsWith(u')'));
        sleutels.insert(tekst.mid(tekst.indexOf(u'(')).toUpper());
    }
    FUZZ_EIS(sleutels.size() == groepen.rijen.size()); // keys equal ignoring case count once

    // The selection: a row is ticked by the low bit of an input byte.
    const int partnerOok = size > 0 && (data[size - 1] & 2) ? 1 : 0;
    for (qsizetype r = 0; r < groepen.rijen.size(); ++r)
        groepen.rijen[r].aangevinkt = size > 0 && (data[static_cast<size_t>(r) % size] & 1);

    const std::optional<LedenLijst> leden = KiesLeden(bestand, groepen, partnerOok, meldingen);
    FUZZ_EIS(leden.has_value() == groepen.IetsAangevinkt());
    if (!leden)
        return 0;
    FUZZ_EIS(leden->ListH.size() <= bestand.Aantal());
    FUZZ_EIS(leden->Label6 == QStringLiteral("Aantal regels: ") + QString::number(leden->ListH.size()));
    // ListH is a sorted list: its records stand in the order a sorted list box gives them.
    QStringList gesorteerd = leden->ListH;
    LijstVolgorde::Sorteer(gesorteerd);
    FUZZ_EIS(gesorteerd == leden->ListH);
    for (const QString& record : leden->ListH) {
        const QStringList velden = record.split(u',');
        FUZZ_EIS(velden.size() == 6);
        FUZZ_EIS(!velden.at(1).isEmpty() && !velden.at(4).isEmpty() && !velden.at(5).isEmpty());
        FUZZ_EIS(partnerOok == 1 || !velden.at(1).contains(QStringLiteral("PARTNER"), Qt::CaseInsensitive));
    }
    // One overview line per record, the ")" of every line in one column.
    const QStringList regels = leden->txt1.split(QStringLiteral("\r\n"));
    FUZZ_EIS(regels.size() == leden->ListH.size() + 1 && regels.last().isEmpty());

    // What this list kept of the file does not change the next: another selection on the same
    // lines gives what it gives on a file read anew.
    GroepenLijst ander = groepen;
    for (qsizetype r = 0; r < ander.rijen.size(); ++r)
        ander.rijen[r].aangevinkt = (data[static_cast<size_t>(r) % size] & 4) != 0;
    const LedenLijst later = LeesLeden(bestand, ander, 1 - partnerOok);
    const Ledenbestand nieuw = LeesLedenbestand(FuzzSteun::Bestand(QStringLiteral("TWKspelers.txt"), invoer));
    FUZZ_EIS(later.ListH == LeesLeden(nieuw, ander, 1 - partnerOok).ListH);

    const LedenTabellen tabellen = LedenNaarTabellen(leden->ListH);
    FUZZ_EIS(tabellen.Aantal() == leden->ListH.size());
    FUZZ_EIS(tabellen.LidNummer.size() == tabellen.LidNaam.size() &&
             tabellen.LidGroep.size() == tabellen.LidNaam.size());
    return 0;
}
