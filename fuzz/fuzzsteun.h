#pragma once

#include "common/meldingen.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>

// Shared by every fuzz target: fuzzed bytes become files in a temporary folder that lives
// as long as the process, and a broken promise of the code under test aborts, so that
// libFuzzer (or the corpus replay) records it as a crash.
namespace FuzzSteun {

// The folder for this process's files.
QString Map();

// Writes `bytes` to `naam` in Map() and returns its path.
QString Bestand(const QString& naam, const QByteArray& bytes);

// The input as one byte array.
QByteArray Bytes(const uint8_t* data, size_t size);

// The input cut at every 0xFF byte into exactly `aantal` parts (missing parts empty, the
// rest of the input in the last): one input drives several texts at once.
QList<QByteArray> Delen(const QByteArray& invoer, int aantal);

[[noreturn]] void Faal(const char* eis, const char* bestand, int regel);

} // namespace FuzzSteun

// Checks a promise of the code under test; aborts with the broken promise when it fails.
#define FUZZ_EIS(eis) ((eis) ? void(0) : FuzzSteun::Faal(#eis, __FILE__, __LINE__))

// Answers every question with OK and counts the messages.
class FuzzMeldingen : public Meldingen {
public:
    Antwoord Toon(const QString& tekst, Pictogram, Knoppen, const QString&) override
    {
        laatste = tekst;
        ++aantal;
        return Antwoord::Ok;
    }
    int aantal = 0;
    QString laatste;
};
