#pragma once

#include "common/meldingen.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>

// Each fuzz target defines FuzzDoel; the shared entry point hands it every input. A broken
// promise of the code under test aborts, so that libFuzzer (or the replay) records a crash.
void FuzzDoel(const QByteArray& invoer);

namespace FuzzSteun {

// The folder of this process's files, removed when it ends.
QString Map();

// Writes `bytes` to `naam` in Map() and returns its path.
QString Bestand(const QString& naam, const QByteArray& bytes);

// The input cut at every 0xFF byte into exactly `aantal` parts (missing parts empty, the rest
// of the input in the last): one input drives several texts at once.
QList<QByteArray> Delen(const QByteArray& invoer, int aantal);

} // namespace FuzzSteun

// Checks a promise of the code under test; aborts with the broken promise when it fails.
#define FUZZ_EIS(eis) ((eis) ? void(0) : (std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #eis), std::abort()))

// Answers every question with OK and counts the messages.
class FuzzMeldingen : public Meldingen {
public:
    Antwoord Toon(const QString&, Pictogram, Knoppen, const QString&) override { return ++aantal, Antwoord::Ok; }
    int aantal = 0;
};
