#pragma once

#include <QList>
#include <QString>

// Tafelwerk's member file TWKspelers.txt, read once when the sign-off settings window opens
// and kept in memory: every change of the group selection filters these lines again instead
// of reading the file anew.

// The fields of one member line that we use, each as it stands in the file (untrimmed).
struct LidRegel {
    QString nummer;        // field 1: member number
    QString groepDeel1;    // field 2: first part of the group code
    QString voornaam;      // field 3
    QString tussenvoegsel; // field 4: infix (van, de)
    QString achternaam;    // field 5: last name
    QString overleden;     // field 15: deceased mark
    QString groepDeel2;    // field 16: second part of the group code
    QString extra;         // field 17: carried into the member record

    // Field 2 followed by field 16, unchanged.
    QString GroepSleutel() const { return groepDeel1 + groepDeel2; }
};

struct Ledenbestand {
    bool gelezen = false;  // false when the file could not be opened
    QList<LidRegel> leden; // every line after the header, empty and blank lines left out
};

// One member line split at every comma (no quoting); missing fields read as empty.
LidRegel SplitsLidRegel(QStringView regel);

// Reads the file in Windows-1252 and skips its header line.
Ledenbestand LeesLedenbestand(const QString& pad);
