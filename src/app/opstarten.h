#pragma once

#include "app/enkelexemplaar.h"
#include "common/meldingen.h"
#include "common/werkruimte.h"

#include <QString>

#include <functional>
#include <optional>

class QSettings;

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

// The message when another copy holds `houder`'s lock: the short one for a copy on this
// computer; for another computer (or a lock that cannot be read) which computer, since
// when, which lock file, and what to do.
QString TekstAlGestart(const EnkelExemplaar::Houder& houder);

// Another copy runs (on this computer or on the same Travenza): says so with its icon.
void MeldAlGestart(const EnkelExemplaar& slot, Meldingen& meldingen);

// Asks the user for a folder with a dialog of this title; empty when cancelled.
using KiesMap = std::function<QString(const QString& titel)>;

// The Mappen.ini to read: the one of the start-up rule; when that is missing, the one in the
// Tafelwerk folder the user chose before (kept in `gebruiker`); else the user is asked for
// the folder until it holds Mappen.ini (kept for the next start) or the dialog is cancelled
// (then the start-up rule's path). `gekozen` tells that it lies in a chosen folder.
struct GevondenMappenIni {
    QString pad;
    bool gekozen = false;
};
GevondenMappenIni VindMappenIni(const QString& programmaMap, QSettings& gebruiker, const KiesMap& kiesMap,
                                Meldingen& meldingen);

// The whole start-up up to the window. Gives the lock on Travenza, to hold while the program
// runs; nothing after telling the user why the program cannot go on (Mappen.ini missing,
// Tafelwerk's folder missing, Travenza not writable or in use by another copy).
std::optional<EnkelExemplaar> Start(const QString& programmaMap, QSettings& gebruiker, const KiesMap& kiesMap,
                                    Werkruimte& werkruimte, Meldingen& meldingen);

} // namespace Opstarten
