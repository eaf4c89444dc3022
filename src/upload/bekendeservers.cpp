#include "upload/bekendeservers.h"

#include "common/instellingen.h"
#include "common/paden.h"

#include <QDir>
#include <QStandardPaths>

namespace BekendeServers {

QString StandaardPad()
{
    const QString map = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(map);
    return Paden::Samen(map, QStringLiteral("bekende-servers.ini"));
}

QString Sleutel(Protocol protocol, const QString& server, int poort)
{
    return Protocollen::Naam(protocol) + QStringLiteral("://") + server.toUpper() + u':' + QString::number(poort);
}

QString Zoek(const QString& pad, const QString& sleutel)
{
    const QString metIs = sleutel.toUpper() + u'=';
    for (const QString& regel : TekstBestand::LeesRegels(pad).value_or(QStringList()))
        if (Instellingen::Past(regel, metIs))
            return Instellingen::Waarde(regel);
    return {};
}

Uitkomst<> Bewaar(const QString& pad, const QString& sleutel, const QString& waarde)
{
    const QString metIs = sleutel.toUpper() + u'=';
    QStringList regels;
    for (const QString& regel : TekstBestand::LeesRegels(pad).value_or(QStringList()))
        if (!Instellingen::Past(regel, metIs))
            regels.append(regel);
    if (!waarde.isEmpty())
        regels.append(metIs + waarde);
    return TekstBestand::SchrijfRegels(pad, regels);
}

} // namespace BekendeServers
