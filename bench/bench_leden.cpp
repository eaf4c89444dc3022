// Reading the member file and building the member list on a large generated club, next to
// a raw line-by-line read of the same file. Goal: each within 3x the raw read.
#include "common/ansi.h"
#include "common/meldingen.h"
#include "members/ledenlijst.h"
#include "members/spelergroepen.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kLeden = 10000;
constexpr int kGroepen = 60;

class StilleMeldingen : public Meldingen {
public:
    Antwoord Toon(const QString&, Pictogram, Knoppen, const QString&) override {
        return Antwoord::Ok;
    }
};

// A member file like Tafelwerk's: header, 18 fields a line, Windows-1252, CR LF.
const QString& Bestand() {
    static QTemporaryDir map;
    static const QString pad = [] {
        const QString p = map.filePath(QStringLiteral("TWKspelers.txt"));
        const char* voornamen[] = {"Jan", "Els", "Zoë", "Hélène", "Piet", "Anna", "Kees", "Wim"};
        const char* tussen[] = {"", "van", "de", "", "van der", "'t", "", ""};
        const char* achter[] = {"Dijk", "Müller", "Bakker", "D'Hondt", "Jansen",
                                "Hart", "Visser", "Smit",   "Bos"};
        QByteArray bytes =
            "Volgnr,Lidnummer,Groep,Voornaam,Tussenvoegsel,Achternaam,Adres,Postcode,Woonplaats,"
            "Telefoon,Email,Geboortedatum,Lid "
            "sinds,Bondsnummer,Opmerking,Status,Subgroep,Niveau\r\n";
        for (int i = 0; i < kLeden; ++i) {
            const int g = i % kGroepen;
            const QString regel = QStringLiteral("%1,%2,%3,%4,%5,%6%7,Dorpsstraat %1,1234 "
                                                 "AB,Veldhoven,0401234567,lid%1@example.org,"
                                                 "1950-01-01,2010-09-01,77%1,,%8,%9,%10")
                                      .arg(i + 1)
                                      .arg(100000 + i)
                                      .arg(QChar(u'A' + g % 26))
                                      .arg(QString::fromUtf8(voornamen[i % 8]))
                                      .arg(QString::fromUtf8(tussen[i % 8]))
                                      .arg(QString::fromUtf8(achter[(i / 8) % 9]))
                                      .arg(i / 72)
                                      .arg(i % 97 == 0 ? QStringLiteral("Overleden") : QString())
                                      .arg(g / 26)
                                      .arg(i % 5);
            bytes += Ansi::Naar(regel) + "\r\n";
        }
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return p;
    }();
    return pad;
}

void RuweRegels(benchmark::State& state) {
    for (auto _ : state) {
        QFile f(Bestand());
        f.open(QIODevice::ReadOnly);
        qsizetype tekens = 0;
        while (!f.atEnd())
            tekens += Ansi::Van(f.readLine()).size();
        benchmark::DoNotOptimize(tekens);
    }
}

void LeesGroepenUitBestand(benchmark::State& state) {
    StilleMeldingen meldingen;
    for (auto _ : state) {
        const GroepenLijst lijst = LeesGroepen(LeesLedenbestand(Bestand()), meldingen);
        if (lijst.rijen.size() != kGroepen)
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

} // namespace

BENCHMARK(RuweRegels)->Unit(benchmark::kMillisecond);
BENCHMARK(LeesGroepenUitBestand)->Unit(benchmark::kMillisecond);
BENCHMARK(KiesLedenAlleGroepen)->Unit(benchmark::kMillisecond);
BENCHMARK(KiesLedenEersteKeer)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
