#pragma once

#include "common/tekstbestand.h"
#include "header/kopinstellingen.h"

#include <QKeyEvent>
#include <QString>

// IniKop.ini: the header settings of one play moment, in its play-moment folder.

// The file name that the sign-off settings window puts in NaamKop.
inline const QString StandaardNaamKop = QStringLiteral("IniKop.ini");

// Writes the 18 lines: play moment, club name (blanks around it removed), then every field
// in its fixed order. A width or height of 0 becomes 750 or 100, in the record as well.
Uitkomst<> SchrijfKop(const QString& MapKop, const QString& NaamKop,
                      const QString& speeldag, const QString& clubnaam,
                      KopInstellingen& kop);

// The values the designer offers for a numeric field, and the field's default, from the
// file's key table.
struct KopBereik {
    qint32 van;
    qint32 tot;
    qint32 standaard;
};
KopBereik BereikVan(qint32 KopInstellingen::*veld);
KopBereik BereikVan(qint16 KopInstellingen::*veld);

// A header opened in the designer: an unset size takes the table's default, and a header never
// designed gets the example texts, font, yellow background and letter height.
void VulOntwerpStandaarden(KopInstellingen& kop);

// The width box takes digits only; every other key that types a character is refused,
// Backspace included. Tab, Delete and keys that type nothing keep working.
bool WeigerBreedteToets(const QKeyEvent& toets);

// Reads the file into `kop` without clearing it first. A missing file changes nothing; a
// value that cannot be applied ends the reading there, keeping what was read so far.
void LeesKop(const QString& MapKop, const QString& NaamKop, KopInstellingen& kop);
