#include "upload/wachtwoordopslag.h"

QString WachtwoordSleutel(const QString& protocol, const QString& gebruiker, const QString& server, int poort)
{
    return protocol.toLower() + QStringLiteral("://") + gebruiker + u'@' + server.toLower() + u':' +
           QString::number(poort);
}
