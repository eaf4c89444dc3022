#pragma once

#include "app/werkruimte.h"
#include "common/meldingen.h"

#include <QString>

// Start-up: where Tafelwerk's Mappen.ini is, what it says, and our own folder Travenza.
namespace Opstarten {

// Mappen.ini sits beside the program, or in the parent of the program's folder when that
// folder's path contains "HOVELINK" in any case (a program installed inside Tafelwerk).
QString PadMappenIni(const QString& programmaMap);

// Reads TWKMAP= and SPEMAP= into the record (values as they stand, last line wins) and sets
// BestandSpelers. False when the file cannot be read.
bool LeesMappenIni(const QString& pad, Werkruimte& werkruimte);

// Sets MapProgramma, makes that folder when missing, and the fixed file names.
void Init(Werkruimte& werkruimte);

// Creates MapProgramma (one level) unless a file or folder of that name exists.
void MaakProgrammaMap(const Werkruimte& werkruimte);

// The whole start-up up to the window: false after telling the user why the program cannot
// go on (Mappen.ini missing, Tafelwerk's folder missing).
bool Start(const QString& programmaMap, Werkruimte& werkruimte, Meldingen& meldingen);

} // namespace Opstarten
