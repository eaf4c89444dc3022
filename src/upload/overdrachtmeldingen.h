#pragma once

#include "upload/overdracht.h"
#include "upload/overdrachtfout.h"

#include <QString>

// The Dutch messages of a transfer: the cause as the user can act on it, and what became of
// the file on the server.
namespace OverdrachtMeldingen {

// The cause of a failed step. `code` is the library's number, named only when nothing better
// is known.
QString Oorzaak(Fout fout, Stap stap, const Verbinding& verbinding, const QString& bestand, int code);

// The file's name on the server is taken by a folder.
QString MapInDeWeg(const QString& bestand);

// What the server holds after the failure.
QString NietGewijzigd(const QString& bestand);
QString OudAlsReserve(const QString& bestand, const QString& reserve);
QString NieuwOngecontroleerd(const QString& bestand);

QString OnbekendeServer(const Verbinding& verbinding, const QString& vingerafdruk);
QString GewijzigdeServer(const Verbinding& verbinding, const QString& vingerafdruk);
QString VergeetSleutel(const Verbinding& verbinding);
QString ControleMislukt(const QString& bestand);
QString Geannuleerd();

// A line of the result list: the file, its size and that it was checked on the server.
QString ResultaatRegel(const GecontroleerdBestand& bestand);

} // namespace OverdrachtMeldingen
