#pragma once

class Meldingen;

// What the sign-off settings window checks when it is left, once its group boxes are good,
// in this order and with these messages.
struct VertrekStaat {
    bool datumGekozen = false;            // a play date is ticked in the calendar
    bool adresGekozen = false;            // a sign-off address is ticked
    bool partnerbestandOntbreekt = false; // "Toon Partner op website" without a partner file
};

enum class Vertrek {
    Blijven,          // the window stays open, nothing is saved
    Opslaan,          // save, then close
    OpslaanEnBlijven, // save, but stay open so the partner file can still be chosen
};

Vertrek ControleerVertrek(const VertrekStaat& staat, Meldingen& meldingen);

// Leaving after "Afbreken": the changes are not saved.
void MeldAfgebroken(Meldingen& meldingen);
