#include "members/ledenvolgorde.h"

#include "common/lijstvolgorde.h"
#include "common/tekst.h"
#include "members/ledenrecord.h"

#include <functional>
#include <future>
#include <numeric>

namespace {

const QString kNaamOntbreekt = QStringLiteral("(naam ontbreekt)");

// "PARTNER" in any case. Its letters are plain ASCII, which no other character folds to, so
// this is Qt's case-insensitive search without its cost per member.
bool BevatPartner(QStringView naam)
{
    constexpr QLatin1StringView kPartner("partner");
    for (qsizetype i = 0; i + kPartner.size() <= naam.size(); ++i) {
        qsizetype j = 0;
        while (j < kPartner.size() && (naam[i + j].unicode() | 0x20) == kPartner[j].unicode())
            ++j;
        if (j == kPartner.size())
            return true;
    }
    return false;
}

LidSoort SoortVan(const LidVelden& lid)
{
    const QStringView achternaam = Tekst::Trim(lid.Achternaam);
    if (IsOverleden(lid.Overleden) || achternaam.isEmpty() || achternaam == kNaamOntbreekt)
        return LidSoort::Weg;
    return BevatPartner(lid.Achternaam) ? LidSoort::Partner : LidSoort::Lid;
}

} // namespace

// The lines of one key all carry their group's number, and that number orders before anything
// after it. So records are ranked once, each among the lines of its own key (the members a
// group shows), and only for the keys a list asks for.
LedenVolgorde& Volgorde(const Ledenbestand& bestand, LedenVolgorde& volgorde)
{
    if (volgorde.begin.empty()) {
        const auto n = static_cast<std::size_t>(bestand.Aantal());
        const auto sleutels = static_cast<std::size_t>(bestand.sleutels.size());
        volgorde.regelsVan.resize(sleutels);
        for (qsizetype i = 0; i < bestand.Aantal(); ++i)
            volgorde.regelsVan[static_cast<std::size_t>(bestand.Sleutel(i))].push_back(i);
        volgorde.begin.assign(1, 0);
        for (const std::vector<qsizetype>& regels : volgorde.regelsVan)
            volgorde.begin.push_back(volgorde.begin.back() + static_cast<qsizetype>(regels.size()));
        volgorde.gerangschikt.assign(sleutels, 0);
        volgorde.nummers.resize(sleutels);
        volgorde.records.resize(n);
        volgorde.naam.resize(n);
        volgorde.soort.assign(n, LidSoort::Weg);
    }
    return volgorde;
}

std::pair<qsizetype, qsizetype> Rangschik(const Ledenbestand& bestand, LedenVolgorde& volgorde, int sleutel,
                                          const QString& nummer)
{
    const auto k = static_cast<std::size_t>(sleutel);
    const std::pair plaatsen{volgorde.begin[k], volgorde.begin[k + 1]};
    QString& oud = volgorde.nummers[k];
    if (volgorde.gerangschikt[k]) {
        if (oud != nummer) {
            for (qsizetype p = plaatsen.first; p < plaatsen.second; ++p)
                volgorde.records[static_cast<std::size_t>(p)].replace(0, oud.size(), nummer);
            oud = nummer;
        }
        return plaatsen;
    }
    // The records are first written one after another into one text and ranked there; each
    // is then made in rank order, so that they lie in memory as the list reads them.
    std::vector<qsizetype>& regels = volgorde.regelsVan[k];
    std::vector<LidRecord> delen;
    std::vector<LidSoort> soorten;
    delen.reserve(regels.size());
    soorten.reserve(regels.size());
    qsizetype lengte = 0;
    for (const qsizetype i : regels) {
        const LidVelden lid = bestand.Lid(i);
        delen.emplace_back(lid, bestand.sleutels.at(lid.sleutel));
        soorten.push_back(SoortVan(lid));
        lengte += delen.back().Lengte(nummer);
    }
    QString tekst(lengte, Qt::Uninitialized);
    std::vector<QStringView> teksten;
    std::vector<std::pair<qint32, qint32>> namen(regels.size());
    teksten.reserve(regels.size());
    QChar* p = tekst.data();
    for (std::size_t j = 0; j < delen.size(); ++j) {
        QChar* const begin = p;
        p = delen[j].Schrijf(p, nummer, namen[j]);
        teksten.emplace_back(begin, p);
    }
    std::vector<qsizetype> orde(regels.size());
    std::iota(orde.begin(), orde.end(), 0);
    LijstVolgorde::SorteerPosities(teksten, orde);
    for (std::size_t r = 0; r < orde.size(); ++r) {
        const auto j = static_cast<std::size_t>(orde[r]);
        const auto plaats = static_cast<std::size_t>(plaatsen.first) + r;
        volgorde.records[plaats] = teksten[j].toString();
        volgorde.naam[plaats] = namen[j];
        volgorde.soort[plaats] = soorten[j];
    }
    std::vector<qsizetype>().swap(regels);
    oud = nummer;
    volgorde.gerangschikt[k] = 1;
    return plaatsen;
}

// Ranking is most of a list's work the first time its keys are asked for, and each key is
// ranked on its own: with many members, about half of the lines are ranked on a second thread.
void RangschikVooraf(const Ledenbestand& bestand, LedenVolgorde& volgorde,
                     const std::vector<std::pair<int, const QString*>>& sleutels)
{
    constexpr std::size_t kGenoeg = 4000; // below this a thread costs more than it saves
    std::size_t regels = 0;
    for (const auto& [sleutel, nummer] : sleutels)
        if (!volgorde.gerangschikt[static_cast<std::size_t>(sleutel)])
            regels += volgorde.regelsVan[static_cast<std::size_t>(sleutel)].size();
    if (regels < kGenoeg)
        return;
    std::vector<std::pair<int, const QString*>> hier;
    std::vector<std::pair<int, const QString*>> daar;
    std::size_t daarRegels = 0;
    for (const auto& taak : sleutels) {
        const auto k = static_cast<std::size_t>(taak.first);
        if (volgorde.gerangschikt[k])
            continue;
        if (daarRegels < regels / 2) {
            daar.push_back(taak);
            daarRegels += volgorde.regelsVan[k].size();
        } else {
            hier.push_back(taak);
        }
    }
    const auto rangschik = [&](const std::vector<std::pair<int, const QString*>>& taken) {
        for (const auto& [sleutel, nummer] : taken)
            Rangschik(bestand, volgorde, sleutel, *nummer);
    };
    std::future<void> ander = std::async(std::launch::async, rangschik, std::cref(daar));
    rangschik(hier);
    ander.get();
}
