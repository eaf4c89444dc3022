#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Marks in the address check list lstActEmails: rows that do not look like an e-mail
// address or that occur more than once. The marks only inform the user; the rows, the
// settings file and the script stay exactly as they are.
namespace Adrescontrole {

// One "@", a non-empty part before it, after it a domain of at least two non-empty parts
// joined by ".", and no blank or other white space; spaces around the address do not count
// (the script trims them).
bool LijktEmailadres(const QString& adres);

struct Bevinding {
    bool ongeldig = false; // not empty, yet not a plausible address
    bool dubbel = false;   // the same address, case and surrounding spaces ignored, is in another row

    bool operator==(const Bevinding&) const = default;
};

// One finding per row, in row order. A row of spaces only is no address at all: the script
// leaves it out, so it gets no mark.
QList<Bevinding> Controleer(const QStringList& rijen);

// The tooltip of a marked row: one Dutch sentence per finding, on lines of their own; empty
// for an unmarked row.
QString Toelichting(const Bevinding& bevinding);

} // namespace Adrescontrole
