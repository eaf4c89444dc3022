#include "testpaden.h"

#include "common/tekstbestand.h"

#include <QDirIterator>

#include <cerrno>

namespace TestPaden {

QString DemoMap() { return QStringLiteral(HOVELINK_DEMO_DIR); }

QString TestData(const QString& naam) { return QStringLiteral(HOVELINK_TESTDATA_DIR) + u'/' + naam; }

bool KopieerMap(const QString& van, const QString& naar)
{
    bool gelukt = QDir().mkpath(naar);
    for (QDirIterator it(van, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
         gelukt && it.hasNext();) {
        const QString pad = it.next(), doel = naar + u'/' + QDir(van).relativeFilePath(pad);
        gelukt = it.fileInfo().isDir() ? QDir().mkpath(doel)
                                       : QFile::copy(pad, doel) && QFile(doel).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    return gelukt;
}

bool SchrijfBestand(const QString& pad, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(pad).absolutePath());
    QFile f(pad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
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
