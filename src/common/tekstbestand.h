#pragma once

#include "common/uitkomst.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Windows-1252 text files. A line ends at CR LF, a lone CR or a lone LF; writing always goes
// through QSaveFile, so a failed or interrupted write leaves the previous file whole.
namespace TekstBestand {

// The lines of a file, without their line ends; the system's reason when the file cannot be
// read (missing, a folder, no permission). A last line without a line end is included.
Uitkomst<QStringList> LeesRegels(const QString& pad);

// The whole file decoded, or the system's reason when it cannot be read.
Uitkomst<QString> LeesAlles(const QString& pad);

// Writes `bytes` as the whole new content of `pad`. A failure carries errorString() of the
// failed step, for the user's message.
Uitkomst<> SchrijfBytes(const QString& pad, const QByteArray& bytes);

// Writes every line followed by CR LF, in Windows-1252.
Uitkomst<> SchrijfRegels(const QString& pad, const QStringList& regels);

// Forces the bytes written through the file handle onto the disk; false (errno set) when the
// disk refuses them.
using Spoeler = bool (*)(int handle);
bool SpoelNaarSchijf(int handle);

// The real writer: removes leftovers of interrupted saves in the folder, then saves through
// QSaveFile with every write and the flush to disk checked.
Uitkomst<> SchrijfVeilig(const QString& pad, const QByteArray& bytes, Spoeler spoel);

// Tests replace the writer to simulate a disk that fails; an empty function restores it.
using Schrijver = std::function<Uitkomst<>(const QString& pad, const QByteArray& bytes)>;
void ZetSchrijver(Schrijver schrijver);

} // namespace TekstBestand
