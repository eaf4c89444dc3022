#pragma once

#include <QString>

// A member file like Tafelwerk's for a large club: a header, then 10,000 members in 60
// groups, 18 fields a line, Windows-1252, CR LF; every 97th member deceased.
namespace GrootLedenbestand {

inline constexpr int kLeden = 10000;
inline constexpr int kGroepen = 60;

// Writes TWKspelers.txt into `map` and returns its path.
QString Schrijf(const QString& map);

// Reads the file line by line, decoding each line, and nothing more: the floor that reading
// it for the program is measured against. Returns the number of characters.
qsizetype RuwGelezen(const QString& pad);

} // namespace GrootLedenbestand
