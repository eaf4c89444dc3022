#include "common/gewoonbestand.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace GewoonBestand {

bool IsKoppeling(const QString& pad)
{
    const QFileInfo info(pad);
    return info.isSymLink() || info.isJunction();
}

std::optional<QByteArray> Lees(const QString& pad, qint64 maximum)
{
    QFile bestand;
#ifdef Q_OS_UNIX
    // O_NOFOLLOW refuses a link in the same step that opens the file: no gap to swap one in.
    const int handle = ::open(QFile::encodeName(pad).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0)
        return std::nullopt;
    struct stat staat {};
    if (fstat(handle, &staat) != 0 || !S_ISREG(staat.st_mode) || staat.st_size > maximum ||
        !bestand.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return std::nullopt;
    }
#else
    const QFileInfo info(pad);
    if (IsKoppeling(pad) || !info.isFile() || info.size() > maximum)
        return std::nullopt;
    bestand.setFileName(pad);
    if (!bestand.open(QIODevice::ReadOnly))
        return std::nullopt;
#endif
    QByteArray inhoud = bestand.read(maximum + 1);
    if (inhoud.size() > maximum || bestand.error() != QFileDevice::NoError)
        return std::nullopt;
    return inhoud;
}

} // namespace GewoonBestand
