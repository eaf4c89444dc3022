#pragma once

#include <QString>

// Paths are joined with "/" inside the program (Qt accepts it on Windows too) and shown to
// the user with native separators.
namespace Paden {

QString Samen(const QString& map, const QString& naam);

// True when a file or a folder with this path exists.
bool Bestaat(const QString& pad);

// The path as the user knows it (backslashes on Windows).
QString Toon(const QString& pad);

} // namespace Paden
