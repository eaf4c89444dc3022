#pragma once

#include "common/rijlijst.h"

#include <QList>
#include <QString>
#include <QStringList>

class Meldingen;

// The address box txtEmailadressen and the check list lstActEmails built from it.
struct Afmeldadressen {
    QString txtEmailadressen;      // lines joined by CR LF
    QList<Vinkregel> lstActEmails; // one row per address line; ticked = active
    int lstActEmailsHuidig = -1;   // current row; -1 for none

    bool operator==(const Afmeldadressen&) const = default;
};

// The most rows lstActEmails keeps: a row list stores two-digit positions only.
inline constexpr int MaxAfmeldadressen = 100;

// The rows that the address text gives: empty lines dropped, none for a text of blanks,
// not cut at the maximum.
QStringList Afmeldregels(const QString& tekst);

// Normalises the address text (empty lines dropped, exactly one final line break) and
// rebuilds lstActEmails from it, unticked, row 0 current. A text of blanks only changes
// nothing, so the old rows keep their ticks. Beyond 100 lines the text and the list keep
// the first 100 and the user is told.
void VulAfmeldadressen(Afmeldadressen& adressen, Meldingen& meldingen);

// Leaving the address box with `tekst` (lines joined by CR LF): VulAfmeldadressen, but only
// when the text differs from the one the list was last built from, so that passing through
// the box keeps the ticks. False when the text was the same and nothing was done.
bool VerlaatAdresvak(Afmeldadressen& adressen, const QString& tekst, Meldingen& meldingen);
