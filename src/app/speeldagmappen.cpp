#include "app/speeldagmappen.h"

#include "common/paden.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace SpeeldagMappen {

QStringList ScriptsAanwezig(const QString& mapProgramma, const QString& naamScript)
{
    QStringList uit;
    const QStringList mappen = QDir(mapProgramma).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                                            QDir::Name | QDir::IgnoreCase);
    for (const QString& naam : mappen) {
        const QFileInfo script(Paden::Samen(Paden::Samen(mapProgramma, naam), naamScript));
        if (script.isFile() && !script.isHidden())
            uit.append(naam);
    }
    return uit;
}

bool VerwijderSpeeldag(const QString& mapProgramma, const QString& naam)
{
    const QString map = Paden::Samen(mapProgramma, naam);
    QDir dir(map);
    // A read-only file is deleted on Linux by the folder's rights; on Windows it stays, as
    // in a normal listing-and-delete. Keep both alike: skip files without write permission.
    const QFileInfoList bestanden = dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo& bestand : bestanden) {
        if (bestand.isWritable())
            QFile::remove(bestand.absoluteFilePath());
    }
    QDir(mapProgramma).rmdir(naam);
    return !Paden::Bestaat(map);
}

} // namespace SpeeldagMappen
