#pragma once

#include "common/tekstbestand.h"

#include <QString>

// Kwintel.ini: the start window's settings that hold for every play moment.
struct AlgemeneInstellingen {
    int Speeldag = 0; // position in cmbSpeeldag; 0 = "-------", -1 = nothing selected
    QString Clubnaam;
    int Tooninval = 0; // state of chkToonInvallers: 0, 1 or 2
};

namespace Algemeen {

// Writes Speeldag=, Clubnaam= (trimmed of spaces) and Tooninval=.
Uitkomst<> SchrijfAlgemeen(const QString& pad, const AlgemeneInstellingen& instellingen);

// Applies the file's lines to `instellingen` in file order. A missing file, or a value that
// the start window cannot take, ends the reading silently and keeps what was applied.
void LeesAlgemeen(const QString& pad, AlgemeneInstellingen& instellingen);

} // namespace Algemeen
