#include "upload/protocol.h"

namespace Protocollen {

QString Naam(Protocol protocol)
{
    switch (protocol) {
    case Protocol::Sftp:
        return QStringLiteral("SFTP");
    case Protocol::Ftps:
        return QStringLiteral("FTPS");
    case Protocol::Ftp:
        break;
    }
    return QStringLiteral("FTP");
}

std::optional<Protocol> Van(QStringView naam)
{
    for (const Protocol protocol : Alle)
        if (naam.compare(Naam(protocol), Qt::CaseInsensitive) == 0)
            return protocol;
    return std::nullopt;
}

int StandaardPoort(Protocol protocol) { return protocol == Protocol::Sftp ? 22 : 21; }

} // namespace Protocollen
