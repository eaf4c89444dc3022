#pragma once

#include <QByteArray>
#include <QString>

// Helpers for tests that work on real files in a temporary folder.
namespace TestPaden {

// The demo Tafelwerk folder of the source tree (read only; copy it before changing).
QString DemoMap();

// A file under tests/data.
QString TestData(const QString& naam);

// Copies a folder tree; true on success.
bool KopieerMap(const QString& van, const QString& naar);

// Writes raw bytes to a file, creating its folder; true on success.
bool SchrijfBestand(const QString& pad, const QByteArray& bytes);

// The raw bytes of a file, empty when it cannot be read.
QByteArray LeesBestand(const QString& pad);

// From now on every save fails at the flush to disk with EIO, as a failing disk does;
// TekstBestand::ZetSchrijver({}) brings back the real disk.
void LaatSpoelenMislukken();

} // namespace TestPaden
