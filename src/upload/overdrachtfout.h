#pragma once

// What went wrong in a step on the server, in the terms the user can act on. The transfer
// library's own codes stay inside the session that talks to it.
enum class Fout {
    Geen,
    ServerNietGevonden, // the name does not resolve
    GeenVerbinding,     // nobody answers on that port
    AnderProtocol,      // something answers, but not in the chosen protocol
    GeenAntwoord,       // time-out
    Inlog,              // user name or password refused
    GeenTls,            // an FTP server without TLS
    TlsMislukt,         // the TLS handshake failed
    Vertrouwen,         // the server's key or certificate is not the trusted one
    NietGevonden,       // the folder or file is not there
    Geweigerd,          // the server refused the step (rights, quota)
    SchijfVol,
    NietAangenomen, // a write stopped: a full disk or a dropped connection
    Verbroken,      // the connection dropped
    TeGroot,        // the server sent more than was asked for
    Geannuleerd,
    Onbekend,
};

// The step of a transfer in which a failure happened: it decides what the user is told about
// the file on the server.
enum class Stap { Verbinden,
                  Vergelijken,
                  Schrijven,
                  Vervangen,
                  Controleren,
                  Ophalen };
