#include "app/speeldagmappen.h"

#include "common/gewoonbestand.h"
#include "common/paden.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace SpeeldagMappen {

QStringList ScriptsAanwezig(const QString& mapProgramma, const QString& naamScript)
{
    QStringList uit;
    const QFileInfoList mappen = QDir(mapProgramma).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& map : mappen) {
        if (GewoonBestand::IsKoppeling(map.filePath()))
            continue;
        const QFileInfo script(Paden::Samen(map.filePath(), naamScript));
        if (script.isFile() && !script.isHidden())
            uit.append(map.fileName());
    }
    return uit;
}

#ifdef Q_OS_UNIX

namespace {

// Deletes, inside the open folder `map`, every link and every normal file we may write. A
// hidden entry stays, as in a normal listing-and-delete.
void LeegMap(int map)
{
    const int kopie = dup(map);
    DIR* lijst = kopie < 0 ? nullptr : fdopendir(kopie);
    if (!lijst) {
        if (kopie >= 0)
            close(kopie);
        return;
    }
    while (const dirent* item = readdir(lijst)) {
        struct stat staat {};
        if (item->d_name[0] == '.' || fstatat(map, item->d_name, &staat, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISLNK(staat.st_mode) ||
            (S_ISREG(staat.st_mode) && faccessat(map, item->d_name, W_OK, AT_EACCESS) == 0))
            unlinkat(map, item->d_name, 0);
    }
    closedir(lijst);
}

} // namespace

bool VerwijderSpeeldag(const QString& mapProgramma, const QString& naam)
{
    // Every step works on folder handles opened without following links, so a folder swapped
    // for a link halfway can never lead the deletion outside Travenza.
    const QByteArray naamBytes = QFile::encodeName(naam);
    const int ouder = open(QFile::encodeName(mapProgramma).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (ouder < 0)
        return !Paden::Bestaat(Paden::Samen(mapProgramma, naam));
    struct stat staat {};
    if (fstatat(ouder, naamBytes.constData(), &staat, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(staat.st_mode)) {
        unlinkat(ouder, naamBytes.constData(), 0);
    } else if (const int map = openat(ouder, naamBytes.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
               map >= 0) {
        LeegMap(map);
        close(map);
        unlinkat(ouder, naamBytes.constData(), AT_REMOVEDIR);
    }
    const bool weg = fstatat(ouder, naamBytes.constData(), &staat, AT_SYMLINK_NOFOLLOW) != 0;
    close(ouder);
    return weg;
}

#else

bool VerwijderSpeeldag(const QString& mapProgramma, const QString& naam)
{
    const QString map = Paden::Samen(mapProgramma, naam);
    if (GewoonBestand::IsKoppeling(map))
        return VerwijderKoppeling(map);
    // A link inside goes itself, whatever it points to (also a broken link, which a listing
    // shows only with QDir::System).
    const QDir dir(map);
    for (const QFileInfo& koppeling : dir.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        VerwijderKoppeling(koppeling.absoluteFilePath());
    // A read-only file stays on Windows, as in a normal listing-and-delete.
    for (const QFileInfo& bestand : dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot)) {
        if (bestand.isWritable())
            QFile::remove(bestand.absoluteFilePath());
    }
    QDir(mapProgramma).rmdir(naam);
    return !Paden::Bestaat(map);
}

#endif

bool VerwijderKoppeling(const QString& pad)
{
    // A link to a folder is a folder to Windows: a file delete fails on it, a folder delete works.
    return GewoonBestand::IsKoppeling(pad) && (QFile::remove(pad) || QDir().rmdir(pad));
}

} // namespace SpeeldagMappen
