#pragma once

#include "common/uitkomst.h"
#include "upload/protocol.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <optional>

// Where and as whom to upload. The password lives only here, in memory.
struct Verbinding {
    Protocol protocol = Protocol::Sftp;
    QString Server;
    int Poort = 22;
    QString Gebruiker;
    QString Wachtwoord;
    QString Map;               // folder on the server, from the login folder
    QString BekendeServersPad; // the user's trusted host keys and certificates
    QString Autoriteiten;      // certificate authorities to trust; empty: the system's own
};

struct TeVersturen {
    QString Naam;
    QByteArray Inhoud;
    bool AlleenAlsAnders = false; // skipped when the server already holds these bytes
};

struct GecontroleerdBestand {
    QString Naam;
    qint64 Grootte = 0;
    bool Verstuurd = true; // false: the server already held the same bytes
};

struct OverdrachtResultaat {
    enum class Afloop { Gelukt,
                        OnbekendeServer,
                        GewijzigdeServer,
                        Fout,
                        Geannuleerd };
    Afloop afloop = Afloop::Gelukt;
    QString melding;      // for the user, when not Gelukt
    QString vingerafdruk; // shown when asking to trust the server, or warning of a changed one
    QString teBewaren;    // stored in the trust file when the user says yes
    QList<GecontroleerdBestand> bestanden;
    std::optional<QByteArray> opgehaald; // Haal: the file's bytes; nothing when the server has none
    Uitkomst<> onthouden;                // saving a server trusted through the system's authorities
};

using Voortgang = std::function<void(qint64 gedaan, qint64 totaal)>;

// libcurl, blocking: run these on a worker thread. Setting `annuleren` stops any step within
// a second, connecting included.
namespace Overdracht {

enum class Veld { Server,
                  Gebruiker,
                  Wachtwoord,
                  Map };

struct Weigering {
    Veld veld; // where the focus goes
    QString tekst;
};

// Refuses the first field a connection cannot do without that is still empty or unusable,
// with what to tell the user.
Uitkomst<void, Weigering> ControleerVelden(const Verbinding& verbinding);

// Logs in and lists the folder: trust, password and folder checked without writing.
OverdrachtResultaat TestVerbinding(const Verbinding& verbinding, const std::atomic<bool>& annuleren);

// Each file goes to a temporary name of its own, the old one to a backup name, the new one
// into place, the backup removed; on any failure the backup goes back. Then it is read back
// and compared. A server trusted through the system's authorities is remembered, so that a
// different key later is a changed server.
OverdrachtResultaat Verstuur(const Verbinding& verbinding, const QList<TeVersturen>& bestanden,
                             const Voortgang& voortgang, const std::atomic<bool>& annuleren);

// Reads `naam` from the folder, refusing more than `maximum` bytes. A folder without that file
// is no failure: Gelukt without `opgehaald`.
OverdrachtResultaat Haal(const Verbinding& verbinding, const QString& naam, qsizetype maximum,
                         const std::atomic<bool>& annuleren);

} // namespace Overdracht
