#pragma once

#include <QByteArray>
#include <QString>

// Helpers for tests that work on real files in a temporary folder.
namespace TestPaden {

QString DemoMap();                     // read only: copy it before changing
QString TestData(const QString& naam); // a file under tests/data
bool KopieerMap(const QString& van, const QString& naar);
bool SchrijfBestand(const QString& pad, const QByteArray& bytes); // makes the folder too
QByteArray LeesBestand(const QString& pad);                       // empty when it cannot be read

// From now on every save fails at the flush to disk with EIO, as a failing disk does;
// TekstBestand::ZetSchrijver({}) brings back the real disk.
void LaatSpoelenMislukken();

} // namespace TestPaden
