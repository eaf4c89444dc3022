#pragma once

#include <QString>
#include <QStringList>

// The play-moment folders inside Travenza: which hold a script, and deleting one.
namespace SpeeldagMappen {

// Names of the folders directly inside `mapProgramma` that hold a normal (not hidden) file
// `naamScript`, in the order of the folder listing. Links to folders are not listed.
QStringList ScriptsAanwezig(const QString& mapProgramma, const QString& naamScript);

// Deletes every normal file and every link directly inside the folder (a link itself, never
// its target), then the folder itself. False when the folder is still there afterwards (a
// subfolder, hidden or read-only file remains).
bool VerwijderSpeeldag(const QString& mapProgramma, const QString& naam);

// Removes `pad` when it is a link (a symbolic link or a Windows junction): the link itself,
// never what it points to. False when it is no link or stays.
bool VerwijderKoppeling(const QString& pad);

} // namespace SpeeldagMappen
