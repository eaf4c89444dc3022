#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The rules that every settings file of this program shares (and Tafelwerk's Mappen.ini):
// lines of KEY=value, matched by upper-cased prefix, value after the first "=".
namespace Instellingen {

// True when the first characters of `regel`, as many as `sleutel` has (its "=" included),
// equal `sleutel` after upper-casing. `sleutel` is given in capitals.
bool Past(const QString& regel, QStringView sleutel);

// Everything after the first "=" of the line, untrimmed; empty when there is none.
QString Waarde(const QString& regel);

// The leading number of a value: leading spaces skipped, reading stops at the first
// character that cannot continue a number; an empty or non-numeric value gives 0.
double LeidendGetal(const QString& waarde);

// The leading number rounded to the nearest whole number, halves to even; nothing when it
// does not fit 16 or 32 bits.
std::optional<qint16> Geheel16(const QString& waarde);
std::optional<qint32> Geheel32(const QString& waarde);

// The whole value as a number (spaces around it allowed), rounded to 32 bits; nothing when
// the value is not a number at all, an empty value included, or does not fit.
std::optional<qint32> Getal32(const QString& waarde);

} // namespace Instellingen
