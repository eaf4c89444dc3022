#pragma once

#include "common/meldingen.h"
#include "common/rijlijst.h"
#include "header/kopinstellingen.h"
#include "moment/groepvakken.h"
#include "script/scriptinvoer.h"

#include <QString>

#include <array>

// The values of the sign-off settings window and the start window that hovelink.js
// carries besides the groups, members and header.
struct AfmeldGegevens {
    QString clubnaam;
    QString speeldag;
    int chkToonInvallers = 0;
    int chk1 = 0;
    int chk2 = 0;
    QString txtContactPers;
    QString txtEindtijd;
    QList<Vinkregel> adressen; // lstActEmails; the ticked rows are written
    QList<Vinkregel> dagen;    // lstDagen; the ticked rows are written
    std::array<QString, 4> txtB1;
    QString MapTwk; // where the partner files are
};

// The script's inputs: the member list turned into the member tables, each member's partner
// looked up when "Toon Partner op website" is ticked (reading the partner file).
ScriptInvoer AfmeldInvoer(const AfmeldGegevens& gegevens, const GroepFrame& groepen, const KopInstellingen& kop);

enum class ScriptUitkomst {
    Geschreven,
    GeenLeden,     // no members: no script, but the settings are still saved
    NietGeschreven // the write failed: nothing may be saved, so the user can try again
};

// Turns the member list into the member tables, looks up each member's partner when
// "Toon Partner op website" is ticked, and writes the script to `pad`, telling the user.
// Without members no script is made, and the user is told why. Members whose number has
// more than 6 digits are named in a warning first; the script stays as it is. A logo that a
// header carried over from another play moment names is copied into this moment's folder
// first; when that cannot be done the user is told before the script is written.
ScriptUitkomst MaakAfmeldScript(const QString& pad, const AfmeldGegevens& gegevens, const GroepFrame& groepen,
                                const KopInstellingen& kop, Meldingen& meldingen);
