#pragma once

#include "common/tekstbestand.h"
#include "header/kopinstellingen.h"

#include <QString>

// IniKop.ini: the header settings of one play moment, in its play-moment folder.

// The file name that the sign-off settings window puts in NaamKop.
inline const QString StandaardNaamKop = QStringLiteral("IniKop.ini");

// Writes the 18 lines: play moment, club name (blanks around it removed), then every field
// in its fixed order. A width or height of 0 becomes 750 or 100, in the record as well.
TekstBestand::SchrijfResultaat SchrijfKop(const QString& MapKop, const QString& NaamKop,
                                          const QString& speeldag, const QString& clubnaam,
                                          KopInstellingen& kop);

// Reads the file into `kop` without clearing it first. A missing file changes nothing; a
// value that cannot be applied ends the reading there, keeping what was read so far.
void LeesKop(const QString& MapKop, const QString& NaamKop, KopInstellingen& kop);
