#pragma once

#include "common/uitkomst.h"

#include <QString>

// The start window's checks before it acts on what the user chose, with their messages.
namespace StartControle {

enum class Veld { Speeldag,
                  Clubnaam,
                  Lijst };

struct Weigering {
    Veld veld; // where the focus goes
    QString tekst;
};

// "Maak de AFMELD-data": a play moment (not the first entry "-------") and a club name that
// is more than blanks.
Uitkomst<void, Weigering> ControleerAfmelden(int speeldagIndex, const QString& clubnaam);

// Deleting takes exactly one play moment of the list.
Uitkomst<> ControleerVerwijderen(qsizetype gekozen);

// Uploading takes exactly one play moment of the list.
Uitkomst<void, Weigering> ControleerUploaden(qsizetype gekozen);

} // namespace StartControle
