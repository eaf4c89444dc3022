#include "upload/wachtwoordopslag.h"

QString WachtwoordSleutel(Protocol protocol, const QString& gebruiker, const QString& server, int poort)
{
    return Protocollen::Naam(protocol).toLower() + QStringLiteral("://") + gebruiker + u'@' + server.toLower() + u':' +
           QString::number(poort);
}
