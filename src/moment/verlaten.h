#pragma once

#include "common/uitkomst.h"
#include "moment/afmeldscript.h"

#include <QString>

#include <functional>

class Meldingen;

// What the sign-off settings window checks when it is left, once its group boxes are good,
// in this order and with these messages.
struct VertrekStaat {
    bool datumGekozen = false;            // a play date is ticked in the calendar
    bool adresGekozen = false;            // a sign-off address is ticked
    bool partnerbestandOntbreekt = false; // "Toon Partner op website" without a partner file
};

// The steps the window carries out for the leave sequence; each is asked for in turn.
struct VertrekStappen {
    std::function<Uitkomst<>()> eindtijdFout; // the message when the end time is refused
    std::function<bool()> vakkenGoed;         // checks the group boxes, which tell the user themselves
    std::function<VertrekStaat()> staat;      // read after the group boxes were checked
    std::function<ScriptUitkomst()> schrijfScript;
    std::function<void()> scriptGeschreven; // the start window's list follows the folder
    std::function<bool()> bewaar;           // false: the settings could not be saved (the user is told)
};

enum class Vertrek {
    Afgebroken,     // "Afbreken": closes, nothing saved
    EindtijdFout,   // stays with the focus in the end time, nothing written
    Blijven,        // a check or question keeps the window open, nothing written
    ScriptMislukt,  // stays, and nothing is saved, so the user can try again
    NietBewaard,    // the script is written but the settings are not: stays
    BewaardBlijven, // saved, but stays open so the partner file can still be chosen
    BewaardSluiten, // saved, closes
};

// The leave sequence: abort, end time, group boxes, play dates, addresses (a question), partner
// file, script, settings. Only Afgebroken and BewaardSluiten close the window.
Vertrek Verlaat(bool afgebroken, const VertrekStappen& stappen, Meldingen& meldingen);
