#pragma once

#include <QString>

// The captions over the member overview txt1 as one line in its fixed-pitch font: "Regel"
// over the line numbers, "LedenGrNr" over the group numbers and "Speler" over the names of
// `eersteRegel`, the overview's first line (the name column moves with the group keys).
QString KolomKoppen(const QString& eersteRegel);
