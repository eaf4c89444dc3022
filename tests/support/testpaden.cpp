#include "testpaden.h"

#include "common/tekstbestand.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace TestPaden {

QString DemoMap() { return QStringLiteral(HOVELINK_DEMO_DIR); }

QString TestData(const QString& naam) { return QStringLiteral(HOVELINK_TESTDATA_DIR) + u'/' + naam; }

bool KopieerMap(const QString& van, const QString& naar)
{
    if (!QDir().mkpath(naar))
        return false;
    QDirIterator it(van, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pad = it.next();
        const QString doel = naar + u'/' + QDir(van).relativeFilePath(pad);
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(doel))
                return false;
        } else if (!QFile::copy(pad, doel)) {
            return false;
        } else {
            QFile(doel).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        }
    }
    return true;
}

bool SchrijfBestand(const QString& pad, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(pad).absolutePath());
    QFile f(pad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

QByteArray LeesBestand(const QString& pad)
{
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void LaatSpoelenMislukken()
{
    TekstBestand::ZetSchrijver([](const QString& pad, const QByteArray& bytes) {
        return TekstBestand::SchrijfVeilig(pad, bytes, [](int) {
            errno = EIO;
            return false;
        });
    });
}

} // namespace TestPaden
