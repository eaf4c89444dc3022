#pragma once

#include <QStringList>

// The member tables that script generation publishes, filled from the member list just
// before a script is made. Index 0 is not used: member k (from 1) is at index k, so every
// list holds n + 1 entries for n members.
struct LedenTabellen {
    QStringList LidNaam;   // display name
    QStringList LidNummer; // member number as it stands in the member file
    QStringList LidGroep;  // group number without leading zeros

    qsizetype Aantal() const { return LidNaam.isEmpty() ? 0 : LidNaam.size() - 1; }
};
