#include "members/ledenlijst.h"

#include "common/instellingen.h"
#include "common/lijstvolgorde.h"
#include "common/meldingen.h"
#include "common/tekst.h"
#include "members/ledenoverzicht.h"

#include <algorithm>
#include <vector>

namespace {

// The group number of a key: the number in front of "(" + key + ")" in `gekozen`, the
// ticked rows each preceded by a comma; -1 when the key is not among them. The two
// characters three places before the "(" are read as a number ("1 " is 1, "12" is 12).
int GroepNummer(const QString& gekozen, const QString& sleutel)
{
    const qsizetype open = gekozen.indexOf(u'(' + sleutel + u')', 0, Qt::CaseInsensitive);
    if (open < 0)
        return -1;
    return static_cast<int>(
        Instellingen::LeidendGetal(gekozen.mid(qMax<qsizetype>(open - 3, 0), 2)));
}

LedenLijst Lijst(const Ledenbestand& bestand, LedenVolgorde& volgorde, const GroepenLijst& lst1, int chkPartnerOok,
                 bool metOverzicht)
{
    LedenLijst lijst;
    QString gekozen;
    qsizetype langste = 0;
    for (const GroepRij& rij : lst1.rijen) {
        if (!rij.aangevinkt)
            continue;
        gekozen += u',' + rij.tekst;
        langste = qMax(langste, rij.tekst.size());
    }
    lijst.NaamBreedte = static_cast<int>(langste) - 3;

    // The number of a key depends only on the key: every line of a key has the same one.
    Volgorde(bestand, volgorde);
    struct Keuze {
        int nummer;
        int sleutel;
    };
    std::vector<Keuze> keuzes;
    for (qsizetype k = 0; k < bestand.sleutels.size(); ++k) {
        const int nummer = GroepNummer(gekozen, bestand.sleutels.at(k));
        if (nummer >= 0)
            keuzes.push_back({nummer, static_cast<int>(k)});
    }

    // Group numbers in the order of their two-character texts: a key found inside another
    // row's text can give an odd number such as -5, which the list orders as "5".
    int laagste = 0;
    int hoogste = 0;
    for (const Keuze& keuze : keuzes) {
        laagste = qMin(laagste, keuze.nummer);
        hoogste = qMax(hoogste, keuze.nummer);
    }
    std::vector<QString> nummerTekst(static_cast<std::size_t>(hoogste - laagste + 1));
    for (const Keuze& keuze : keuzes) {
        QString& tekst = nummerTekst[static_cast<std::size_t>(keuze.nummer - laagste)];
        if (tekst.isEmpty())
            tekst = Tekst::Nullen(keuze.nummer, 2);
    }
    std::vector<qsizetype> nummerVolgorde;
    for (std::size_t i = 0; i < nummerTekst.size(); ++i)
        if (!nummerTekst[i].isEmpty())
            nummerVolgorde.push_back(static_cast<qsizetype>(i));
    LijstVolgorde::SorteerPosities(std::vector<QStringView>(nummerTekst.begin(), nummerTekst.end()), nummerVolgorde);
    std::vector<int> nummerRang(nummerTekst.size());
    for (std::size_t r = 0; r < nummerVolgorde.size(); ++r)
        nummerRang[static_cast<std::size_t>(nummerVolgorde[r])] = static_cast<int>(r);
    const auto rangVanNummer = [&](int nummer) {
        return nummerRang[static_cast<std::size_t>(nummer - laagste)];
    };
    std::sort(keuzes.begin(), keuzes.end(), [&](const Keuze& a, const Keuze& b) {
        return rangVanNummer(a.nummer) != rangVanNummer(b.nummer) ? rangVanNummer(a.nummer) < rangVanNummer(b.nummer)
                                                                  : a.sleutel < b.sleutel;
    });

    const auto neemt = [&](qsizetype plaats) {
        const LidSoort soort = volgorde.soort[static_cast<std::size_t>(plaats)];
        return soort == LidSoort::Lid || (soort == LidSoort::Partner && chkPartnerOok != 0);
    };
    const auto record = [&](qsizetype plaats) -> const QString& {
        return volgorde.records[static_cast<std::size_t>(plaats)];
    };
    std::vector<std::pair<int, const QString*>> teRangschikken;
    for (const Keuze& keuze : keuzes)
        teRangschikken.emplace_back(keuze.sleutel, &nummerTekst[static_cast<std::size_t>(keuze.nummer - laagste)]);
    RangschikVooraf(bestand, volgorde, teRangschikken);
    std::vector<qsizetype> plaatsen;
    for (auto begin = keuzes.begin(); begin != keuzes.end();) {
        const auto eind = std::find_if(begin, keuzes.end(), [&](const Keuze& k) { return k.nummer != begin->nummer; });
        const QString& nummer = nummerTekst[static_cast<std::size_t>(begin->nummer - laagste)];
        const auto vanaf = static_cast<std::ptrdiff_t>(plaatsen.size());
        for (auto keuze = begin; keuze != eind; ++keuze) {
            const auto [eerste, voorbij] = Rangschik(bestand, volgorde, keuze->sleutel, nummer);
            for (qsizetype plaats = eerste; plaats < voorbij; ++plaats)
                if (neemt(plaats))
                    plaatsen.push_back(plaats);
        }
        // Keys that differ in case, or a key found inside another's row, share a number.
        if (eind - begin > 1)
            std::stable_sort(plaatsen.begin() + vanaf, plaatsen.end(), [&](qsizetype a, qsizetype b) {
                return LijstVolgorde::Vergelijk(record(a), record(b)) < 0;
            });
        begin = eind;
    }
    lijst.ListH.reserve(static_cast<qsizetype>(plaatsen.size()));
    for (const qsizetype plaats : plaatsen)
        lijst.ListH.append(record(plaats));
    lijst.Label6 = QStringLiteral("Aantal regels: ") + QString::number(lijst.ListH.size());
    if (metOverzicht)
        lijst.txt1 = ToonLeden(bestand, volgorde, plaatsen, lijst.NaamBreedte);
    return lijst;
}

} // namespace

LedenLijst LeesLeden(const Ledenbestand& bestand, LedenVolgorde& volgorde, const GroepenLijst& lst1, int chkPartnerOok)
{
    return Lijst(bestand, volgorde, lst1, chkPartnerOok, false);
}

std::optional<LedenLijst> KiesLeden(const Ledenbestand& bestand, LedenVolgorde& volgorde, const GroepenLijst& lst1,
                                    int chkPartnerOok, Meldingen& meldingen)
{
    if (!lst1.IetsAangevinkt()) {
        meldingen.Toon(QStringLiteral("U hebt nog geen ledenbestand gekozen!") + Tekst::CrLf,
                       Meldingen::Pictogram::Uitroep);
        return std::nullopt;
    }
    return Lijst(bestand, volgorde, lst1, chkPartnerOok, true);
}
