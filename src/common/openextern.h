#pragma once

#include <QString>

class Meldingen;

// Opening files and folders with the desktop's own programs.
namespace OpenExtern {

// Opens a document or folder with the program the desktop associates with it. When the
// desktop has none (no opener installed), the user is told where it is, so it can be
// opened by hand.
bool Open(const QString& pad, Meldingen& meldingen);

// Opens the user guide in `programmaMap`; says so when it is not there.
void OpenHandleiding(const QString& programmaMap, Meldingen& meldingen);

} // namespace OpenExtern
