#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reading what may be sent away: only a plain file itself, never what a link points to, so
// that a link planted in a shared folder cannot send a private file to the club's site.
namespace GewoonBestand {

// The bytes of a plain file; nothing for a link, a folder, a device, a file that cannot be
// read, or one larger than `maximum`.
std::optional<QByteArray> Lees(const QString& pad, qint64 maximum);

// True for a symbolic link or a Windows junction.
bool IsKoppeling(const QString& pad);

} // namespace GewoonBestand
