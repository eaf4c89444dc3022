#pragma once

#include "common/werkruimte.h"

#include <QString>

namespace OverHovelink {

// The program's version, the one number the package carries too.
QString Versie();

// The version the start window shows.
QString SchermVersie();

// The text of the "Over Hovelink" box: both versions, licence, where the program keeps its
// files, and where Tafelwerk's folder came from: the Mappen.ini beside the program, or the one
// in the folder chosen at a first start (that choice kept in `instellingen`).
QString Tekst(const Werkruimte& werkruimte, const QString& instellingen);

} // namespace OverHovelink
