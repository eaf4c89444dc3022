#pragma once

#include "common/tekstbestand.h"
#include "upload/protocol.h"

#include <QString>

// The servers the user has trusted, one line per server: "SFTP://host:port=<host key
// fingerprint>" or "FTPS://host:port=<public key pin>". Kept per user, outside Travenza,
// because trust belongs to the person at this computer, not to the club's data.
namespace BekendeServers {

// The file in the user's application data folder.
QString StandaardPad();

QString Sleutel(Protocol protocol, const QString& server, int poort);

// The stored value for a server; empty when it is not known.
QString Zoek(const QString& pad, const QString& sleutel);

// Stores (or replaces) the value for a server, keeping every other line; an empty value
// forgets the server.
Uitkomst<> Bewaar(const QString& pad, const QString& sleutel, const QString& waarde);

} // namespace BekendeServers
