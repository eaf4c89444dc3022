#pragma once

#include "members/ledenbestand.h"

#include <QList>
#include <QString>

class Meldingen;

// The group list lst1 of the sign-off settings window: one row per player group, in number
// order, each reading "<number><blanks>(<KEY>)", for example "1  (A1)" or "12 (B)".
struct GroepRij {
    QString tekst;
    bool aangevinkt = false;
};

struct GroepenLijst {
    QList<GroepRij> rijen;
    qsizetype huidigeRij = -1; // -1: no current row

    bool IetsAangevinkt() const;
};

// At most this many groups: the group numbers are two digits wide everywhere.
inline constexpr int kMaxGroepen = 99;

// The groups of the member file: keys (field 2 + field 16 in capitals, equal keys ignoring
// case counted once) in sorted-list order, numbered from 1. More than 99 groups: the first
// 99 are used and the user is told so. Row 0 is current when there is a row.
GroepenLijst LeesGroepen(const Ledenbestand& bestand, Meldingen& meldingen);

// The row text of group `nummer` with the key as shown.
QString GroepRijTekst(int nummer, const QString& sleutel);

// The integer value of the row's first two characters ("1 " gives 1, "12" gives 12).
int RijNummer(const QString& rij);

// The row text after its first blank, blanks trimmed: the key with its parentheses.
// The whole text when there is no blank.
QString RijSleutel(const QString& rij);

// The text between the row's first "(" and first ")": the group name that partner files
// are named after. Empty when the row has no such pair.
QString RijNaam(const QString& rij);
