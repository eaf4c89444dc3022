#include "common/restanten.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace Restanten {

void RuimOp(const QString& pad)
{
    const QFileInfo doel(pad);
    const QDir map = doel.absoluteDir();
    // The files we write: general and upload settings in Travenza; in a play-moment folder its
    // settings file (named after the folder), the header file and the script.
    QStringList namen{doel.fileName(), QStringLiteral("Kwintel.ini"), QStringLiteral("Upload.ini"),
                      QStringLiteral("IniKop.ini"), QStringLiteral("hovelink.js"), map.dirName() + QStringLiteral(".ini")};
    for (QString& naam : namen)
        naam = QRegularExpression::escape(naam);
    const QRegularExpression restant(QStringLiteral("^(%1)\\.[A-Za-z0-9]{6}$").arg(namen.join(u'|')));
    for (const QFileInfo& bestand : map.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        if (restant.match(bestand.fileName()).hasMatch() && !bestand.isSymLink())
            QFile::remove(bestand.absoluteFilePath());
    }
}

} // namespace Restanten
