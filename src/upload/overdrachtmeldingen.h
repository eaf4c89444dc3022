#pragma once

#include "upload/overdracht.h"

#include <curl/curl.h>

#include <QString>

// The Dutch message for a failed step, naming its cause as the user can act on it.
namespace OverdrachtMeldingen {

enum class Stap { Map, Lezen, Schrijven };

QString Melding(CURLcode code, const Verbinding& verbinding, Stap stap, const QString& bestand,
                const QString& fouttekst);

QString OnbekendeServer(const Verbinding& verbinding, const QString& vingerafdruk);
QString GewijzigdeServer(const Verbinding& verbinding);
QString ControleMislukt(const QString& bestand);
QString Geannuleerd();

// A line of the result list: the file, its size and that it was checked on the server.
QString ResultaatRegel(const GecontroleerdBestand& bestand);

} // namespace OverdrachtMeldingen
