// Reading the member file and building the member list on a large generated club, next to
// a raw line-by-line read of the same file. Goal: each within 3x the raw read.
#include "grootledenbestand.h"
#include "common/meldingen.h"
#include "members/ledenlijst.h"
#include "members/spelergroepen.h"
#include "moment/groepvakken.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class StilleMeldingen : public Meldingen {
public:
    Antwoord Toon(const QString&, Pictogram, Knoppen, const QString&) override {
        return Antwoord::Ok;
    }
};

const QString& Bestand() {
    static QTemporaryDir map;
    static const QString pad = GrootLedenbestand::Schrijf(map.path());
    return pad;
}

void RuweRegels(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(GrootLedenbestand::RuwGelezen(Bestand()));
}

void LeesGroepenUitBestand(benchmark::State& state) {
    StilleMeldingen meldingen;
    for (auto _ : state) {
        const GroepenLijst lijst = LeesGroepen(LeesLedenbestand(Bestand()), meldingen);
        if (lijst.rijen.size() != GrootLedenbestand::kGroepen)
            state.SkipWithError("wrong number of groups");
        benchmark::DoNotOptimize(lijst.rijen.data());
    }
}

// Every later change of the selection: all 60 groups ticked.
void KiesLedenAlleGroepen(benchmark::State& state) {
    StilleMeldingen meldingen;
    const Ledenbestand bestand = LeesLedenbestand(Bestand());
    GroepenLijst lijst = LeesGroepen(bestand, meldingen);
    for (GroepRij& rij : lijst.rijen)
        rij.aangevinkt = true;
    for (auto _ : state) {
        const std::optional<LedenLijst> leden = KiesLeden(bestand, lijst, 1, meldingen);
        benchmark::DoNotOptimize(leden->txt1.data());
    }
}

// The first member list after the window opened also ranks every member once.
void KiesLedenEersteKeer(benchmark::State& state) {
    StilleMeldingen meldingen;
    const Ledenbestand gelezen = LeesLedenbestand(Bestand());
    GroepenLijst lijst = LeesGroepen(gelezen, meldingen);
    for (GroepRij& rij : lijst.rijen)
        rij.aangevinkt = true;
    for (auto _ : state) {
        state.PauseTiming();
        Ledenbestand bestand = gelezen;
        bestand.volgorde.reset();
        state.ResumeTiming();
        const std::optional<LedenLijst> leden = KiesLeden(bestand, lijst, 1, meldingen);
        benchmark::DoNotOptimize(leden->txt1.data());
    }
}

// The group logic of the sign-off settings window, without the window: the user ticks the
// 60 groups one by one, each tick rebuilding the member list and the partner files.
void GroepenEenVoorEenAanvinken(benchmark::State& state) {
    StilleMeldingen meldingen;
    const QString map = QFileInfo(Bestand()).path();
    for (auto _ : state) {
        Groepvakken groepen(map, {}, meldingen);
        groepen.LeesGroepen(Bestand());
        for (qsizetype r = 0; r < groepen.Frame().lst1.rijen.size(); ++r)
            groepen.ZetGroep(r, true);
        benchmark::DoNotOptimize(groepen.Frame().ListH.data());
    }
}

// Opening a play moment whose settings tick all 60 groups.
void AlleGroepenHerstellen(benchmark::State& state) {
    StilleMeldingen meldingen;
    const QString map = QFileInfo(Bestand()).path();
    QStringList alle;
    for (int g = 0; g < GrootLedenbestand::kGroepen; ++g)
        alle.append(u'(' + QString(QChar(u'A' + g % 26)) + QString::number(g / 26) + u')');
    for (auto _ : state) {
        Groepvakken groepen(map, {alle.join(u','), {}, 0}, meldingen);
        groepen.LeesGroepen(Bestand());
        groepen.HerstelLedengroepen();
        if (groepen.Frame().ListH.size() < GrootLedenbestand::kLeden * 9 / 10)
            state.SkipWithError("not every group ticked");
    }
}

} // namespace

BENCHMARK(RuweRegels)->Unit(benchmark::kMillisecond);
BENCHMARK(LeesGroepenUitBestand)->Unit(benchmark::kMillisecond);
BENCHMARK(KiesLedenAlleGroepen)->Unit(benchmark::kMillisecond);
BENCHMARK(KiesLedenEersteKeer)->Unit(benchmark::kMillisecond);
BENCHMARK(GroepenEenVoorEenAanvinken)->Unit(benchmark::kMillisecond);
BENCHMARK(AlleGroepenHerstellen)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
