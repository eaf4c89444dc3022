#pragma once

#include <QString>

#include <benchmark/benchmark.h>

// A member file like Tafelwerk's for a club of any size: a header, then the members in 60
// groups, 18 fields a line, Windows-1252, CR LF; every 97th member deceased. Beside it, as
// Tafelwerk keeps them, one partner file per group pairing that group's members two by two.
namespace GrootLedenbestand {

inline constexpr int kGroepen = 60;

// Writes TWKspelers.txt with `leden` members into `map`, the partner files into
// `map`/TWKspelers/Parenmap, and returns the member file's path.
QString Schrijf(const QString& map, int leden);

// The member file of `leden` members in a temporary folder of its own, written once per run.
const QString& Bestand(int leden);

// The saved choice of all 60 groups, as the play-moment settings file holds it.
QString AlleGroepen();

// Reads the file line by line, decoding each line, and nothing more: the floor that reading
// it for the program is measured against. Returns the number of characters.
qsizetype RuwGelezen(const QString& pad);

// The club sizes every scaling benchmark runs at.
void Groottes(benchmark::internal::Benchmark* benchmark);

// Adds the counter "per_lid": time per member of an iteration on a club of `leden`.
void PerLid(benchmark::State& state, int leden);

} // namespace GrootLedenbestand
