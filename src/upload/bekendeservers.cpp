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
    const Uitkomst<QStringList> regels = TekstBestand::LeesRegels(pad);
    for (const QString& regel : regels ? regels.waarde() : QStringList())
        if (Instellingen::Past(regel, metIs))
            return Instellingen::Waarde(regel);
    return {};
}

Uitkomst<> Bewaar(const QString& pad, const QString& sleutel, const QString& waarde)
{
    const QString metIs = sleutel.toUpper() + u'=';
    const Uitkomst<QStringList> oud = TekstBestand::LeesRegels(pad);
    // Rewriting a file that is there but cannot be read would drop every other server.
    if (!oud && Paden::Bestaat(pad))
        return Uitkomst<>::Fout(oud.melding());
    QStringList regels;
    for (const QString& regel : oud ? oud.waarde() : QStringList())
        if (!Instellingen::Past(regel, metIs))
            regels.append(regel);
    if (!waarde.isEmpty())
        regels.append(metIs + waarde);
    return TekstBestand::SchrijfRegels(pad, regels);
}

} // namespace BekendeServers
