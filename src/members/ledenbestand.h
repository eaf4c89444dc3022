#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <memory>

// Tafelwerk's member file TWKspelers.txt, read once when the sign-off settings window opens
// and kept in memory: every change of the group selection filters these lines again instead
// of reading the file anew.

// One member line. The used fields are views into the line, as they stand (untrimmed);
// keeping the line whole saves one allocation per field on large files.
class LidRegel {
public:
    // Splits at every comma (no quoting); missing fields read as empty.
    explicit LidRegel(QString regel);

    QStringView Nummer() const { return Veld(kNummer); }               // field 1
    QStringView Voornaam() const { return Veld(kVoornaam); }           // field 3
    QStringView Tussenvoegsel() const { return Veld(kTussenvoegsel); } // field 4: van, de
    QStringView Achternaam() const { return Veld(kAchternaam); }       // field 5
    QStringView Overleden() const { return Veld(kOverleden); }         // field 15: deceased mark
    QStringView Extra() const { return Veld(kExtra); }                 // field 17
    // Field 2 followed by field 16, unchanged.
    const QString& GroepSleutel() const { return m_sleutel; }

private:
    enum Stuk {
        kNummer,
        kVoornaam,
        kTussenvoegsel,
        kAchternaam,
        kOverleden,
        kExtra,
        kAantalStukken
    };
    struct Plek {
        qsizetype begin = 0;
        qsizetype lengte = 0;
    };
    QStringView Veld(Stuk stuk) const {
        return QStringView(m_regel).mid(m_plek[stuk].begin, m_plek[stuk].lengte);
    }

    QString m_regel;
    QString m_sleutel;
    std::array<Plek, kAantalStukken> m_plek{};
};

struct LedenVolgorde;

struct Ledenbestand {
    bool gelezen = false;  // false when the file could not be opened
    QList<LidRegel> leden; // every line after the header, empty and blank lines left out

    // Each line's member record without its group number and its sorted-list rank among
    // the lines of its group key, made for a key when a member list first needs it and kept
    // with these lines: collating 10,000 names on every click would cost more than reading
    // the file.
    mutable std::shared_ptr<LedenVolgorde> volgorde;
};

// Reads the file in Windows-1252 and skips its header line.
Ledenbestand LeesLedenbestand(const QString& pad);
