#pragma once

#include <QString>

namespace OverHovelink {

// The program's version, the one number the package carries too.
QString Versie();

// The text of the "Over Hovelink" box: version, licence, and where the program keeps its
// files (`travenza`) and the folder the user chose for Tafelwerk (`instellingen`).
QString Tekst(const QString& travenza, const QString& instellingen);

} // namespace OverHovelink
