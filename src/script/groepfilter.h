#pragma once

#include <QString>

namespace Script {

// A group box element as a number text: blanks trimmed, its leading digits without leading
// zeros, "0" when it has none. The box checks and the site filters both read an element so,
// and so always agree on the group it names. Kept as text so that no number overflows.
QString ElementGetal(const QString& element);

// The group filter of site box `element` (0 to 3) from its group box text: "#000" and
// every group number with 3 digits, e.g. "1, 3" gives #000#001#003; empty for an empty
// box. Empty elements are passed over; an element is read by ElementGetal, and one without
// digits or beyond 16 bits reads as 0. Box 1 holding "partners" in any case
// gives #000#001.
QString GroepFilter(const QString& tekst, int element);

} // namespace Script
