#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

// Tafelwerk's text files (the member file, the partner files): Windows-1252, or UTF-8 when
// the file starts with the UTF-8 byte order mark. A line ends at CR LF, a lone CR or a lone LF.
namespace TafelwerkTekst {

// Hands every line, without its line end, to `regel`. The file is read and decoded in pieces,
// so a large member file is never held whole. False when the file cannot be read (missing,
// a folder, no permission). A last line without a line end is included.
bool LeesRegels(const QString& pad, const std::function<void(QStringView)>& regel);

// The whole file decoded; nothing when it cannot be read.
std::optional<QString> LeesAlles(const QString& pad);

} // namespace TafelwerkTekst
