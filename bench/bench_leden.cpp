// The member logic of the sign-off settings window, without the window, on clubs of 1,000 to
// 200,000 members: each step's time per member should stay the same at every size.
#include "common/meldingen.h"
#include "grootledenbestand.h"
#include "members/spelergroepen.h"
#include "moment/afmeldscript.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using GrootLedenbestand::Bestand;
using GrootLedenbestand::PerLid;

class StilleMeldingen : public Meldingen {
public:
    Antwoord Toon(const QString&, Pictogram, Knoppen, const QString&) override
    {
        return Antwoord::Ok;
    }
};

// The club size of a benchmark, its file written before the clock runs.
int Leden(const benchmark::State& state)
{
    const int leden = static_cast<int>(state.range(0));
    Bestand(leden);
    return leden;
}

// The group logic on a club, its file read and its groups listed.
struct Groepen {
    StilleMeldingen meldingen;
    Groepvakken vakken;

    Groepen(int leden, BewaardeGroepkeuze bewaard)
        : vakken(QFileInfo(Bestand(leden)).path(), std::move(bewaard), meldingen)
    {
        vakken.LeesGroepen(Bestand(leden));
    }
};

void RuweRegels(benchmark::State& state)
{
    const QString& pad = Bestand(Leden(state));
    for (auto _ : state)
        benchmark::DoNotOptimize(GrootLedenbestand::RuwGelezen(pad));
    PerLid(state, Leden(state));
}

void LeesGroepenUitBestand(benchmark::State& state)
{
    StilleMeldingen meldingen;
    const QString& pad = Bestand(Leden(state));
    for (auto _ : state) {
        const GroepenLijst lijst = LeesGroepen(LeesLedenbestand(pad), meldingen);
        if (lijst.rijen.size() != GrootLedenbestand::kGroepen)
            state.SkipWithError("wrong number of groups");
    }
    PerLid(state, Leden(state));
}

// Ticks the rows [0, tot) one by one, each tick rebuilding the member list and the partner files.
void GroepenAanvinken(benchmark::State& state, qsizetype tot)
{
    Leden(state);
    for (auto _ : state) {
        state.PauseTiming();
        Groepen groepen(Leden(state), {});
        state.ResumeTiming();
        for (qsizetype r = 0; r < tot; ++r)
            groepen.vakken.ZetGroep(r, true);
    }
    PerLid(state, Leden(state));
}

void EenGroepAanvinken(benchmark::State& state) { GroepenAanvinken(state, 1); }
void AlleGroepenEenVoorEen(benchmark::State& state) { GroepenAanvinken(state, GrootLedenbestand::kGroepen); }

// Opening a play moment whose settings tick all 60 groups: reading, listing and restoring.
void AlleGroepenHerstellen(benchmark::State& state)
{
    Leden(state);
    for (auto _ : state) {
        Groepen groepen(Leden(state), {GrootLedenbestand::AlleGroepen(), {}, 0});
        groepen.vakken.HerstelLedengroepen();
        if (groepen.vakken.Frame().ListH.size() < Leden(state) * 9 / 10)
            state.SkipWithError("not every group ticked");
    }
    PerLid(state, Leden(state));
}

// Leaving with OK: the member tables, every member's partner, the script, written to disk.
void ScriptMakenEnSchrijven(benchmark::State& state)
{
    Groepen groepen(Leden(state), {GrootLedenbestand::AlleGroepen(), QStringLiteral("A0"), 1});
    groepen.vakken.HerstelLedengroepen();
    GroepFrame& frame = groepen.vakken.Frame();
    if (frame.chkToonPartner.waarde != 1)
        state.SkipWithError("partners not shown");
    for (const auto& [i, tekst] : {std::pair{0, "1"}, {1, "1,2"}, {2, "3"}, {3, "1,2,3"}})
        frame.txtB2[i].tekst = QString::fromLatin1(tekst);
    AfmeldGegevens gegevens;
    gegevens.clubnaam = QStringLiteral("BC De Troef");
    gegevens.speeldag = QStringLiteral("donderdag-avond");
    gegevens.txtB1 = {QStringLiteral("naam1"), QStringLiteral("partner"), QStringLiteral("inval1"),
                      QStringLiteral("inval3")};
    gegevens.MapTwk = QFileInfo(Bestand(Leden(state))).path();
    QTemporaryDir map;
    for (auto _ : state) {
        if (MaakAfmeldScript(map.filePath(QStringLiteral("hovelink.js")), gegevens, frame, {}, groepen.meldingen) !=
            ScriptUitkomst::Geschreven)
            state.SkipWithError("script not written");
    }
    PerLid(state, Leden(state));
}

} // namespace

BENCHMARK(RuweRegels)->Apply(GrootLedenbestand::Groottes)->Unit(benchmark::kMillisecond);
BENCHMARK(LeesGroepenUitBestand)->Apply(GrootLedenbestand::Groottes)->Unit(benchmark::kMillisecond);
BENCHMARK(EenGroepAanvinken)->Apply(GrootLedenbestand::Groottes)->Unit(benchmark::kMillisecond);
BENCHMARK(AlleGroepenEenVoorEen)->Apply(GrootLedenbestand::Groottes)->Unit(benchmark::kMillisecond);
BENCHMARK(AlleGroepenHerstellen)->Apply(GrootLedenbestand::Groottes)->Unit(benchmark::kMillisecond);
BENCHMARK(ScriptMakenEnSchrijven)->Apply(GrootLedenbestand::Groottes)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
