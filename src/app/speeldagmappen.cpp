#include "app/speeldagmappen.h"

#include "common/paden.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A symbolic link or a Windows junction: never listed as a moment and never followed.
bool IsKoppeling(const QFileInfo& info) { return info.isSymLink() || info.isJunction(); }

} // namespace

namespace SpeeldagMappen {

QStringList ScriptsAanwezig(const QString& mapProgramma, const QString& naamScript)
{
    QStringList uit;
    const QFileInfoList mappen = QDir(mapProgramma).entryInfoList(
        QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& map : mappen) {
        if (IsKoppeling(map))
            continue;
        const QFileInfo script(Paden::Samen(map.filePath(), naamScript));
        if (script.isFile() && !script.isHidden())
            uit.append(map.fileName());
    }
    return uit;
}

bool VerwijderSpeeldag(const QString& mapProgramma, const QString& naam)
{
    const QString map = Paden::Samen(mapProgramma, naam);
    if (IsKoppeling(QFileInfo(map)))
        return VerwijderKoppeling(map);
    // A link inside goes itself, whatever it points to (also a broken link, which a listing
    // shows only with QDir::System).
    const QDir dir(map);
    for (const QFileInfo& koppeling : dir.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        VerwijderKoppeling(koppeling.absoluteFilePath());
    // A read-only file is deleted on Linux by the folder's rights; on Windows it stays, as in a
    // normal listing-and-delete. Keep both alike: skip files without write permission.
    for (const QFileInfo& bestand : dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot)) {
        if (bestand.isWritable())
            QFile::remove(bestand.absoluteFilePath());
    }
    QDir(mapProgramma).rmdir(naam);
    return !Paden::Bestaat(map);
}

bool VerwijderKoppeling(const QString& pad)
{
    // A link to a folder is a folder to Windows: a file delete fails on it, a folder delete works.
    return IsKoppeling(QFileInfo(pad)) && (QFile::remove(pad) || QDir().rmdir(pad));
}

} // namespace SpeeldagMappen
