#pragma once

#include <QString>

namespace Script {

// The group filter of site box `element` (0 to 3) from its group box text: "#000" and
// every group number with 3 digits, e.g. "1, 3" gives #000#001#003; empty for an empty
// box. Empty elements are passed over; an element is read by its leading number, and one
// without a number or beyond 16 bits reads as 0. Box 1 holding "partners" in any case
// gives #000#001.
QString GroepFilter(const QString& tekst, int element);

} // namespace Script
