#pragma once

#include <QHashFunctions>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Tafelwerk's member file TWKspelers.txt, read once when the sign-off settings window opens
// and kept in memory: every change of the group selection filters these members again
// instead of reading the file anew. Only the used fields are kept, all in one text, and each
// member's group key as an index into the few keys: addresses, dates and the other unused
// fields of a large club are never held.

// The used fields of one member, as they stand (untrimmed).
struct LidVelden {
    QStringView Nummer;        // field 1
    QStringView Voornaam;      // field 3
    QStringView Tussenvoegsel; // field 4: van, de
    QStringView Achternaam;    // field 5
    QStringView Overleden;     // field 15: deceased mark
    QStringView Extra;         // field 17
    int sleutel = 0;           // index of field 2 followed by field 16 in Ledenbestand::sleutels
};

class Ledenbestand {
public:
    bool gelezen = false; // false when the file could not be opened
    QStringList sleutels; // the group keys (field 2 + field 16, unchanged), each once, in file order

    // The members: every line after the header, empty and blank lines left out.
    qsizetype Aantal() const { return static_cast<qsizetype>(m_leden.size()); }
    LidVelden Lid(qsizetype i) const;
    int Sleutel(qsizetype i) const { return m_leden[static_cast<std::size_t>(i)].sleutel; }

    // Splits a line at every comma (no quoting; missing fields read as empty) and keeps it.
    void VoegToe(QStringView regel);
    // Makes room for this many members like those added so far, so that a large file is not
    // copied again and again as it grows.
    void Reserveer(qsizetype leden);

private:
    static constexpr int kStukken = 6;
    struct Plek {
        qsizetype begin;                   // in m_velden
        std::array<qint32, kStukken> eind; // end of each used field, from begin
        int sleutel;
    };
    // Looks a key up without making a QString of it: most lines repeat a known key.
    struct SleutelHash {
        using is_transparent = void;
        std::size_t operator()(std::u16string_view s) const
        {
            return qHash(QStringView(s.data(), static_cast<qsizetype>(s.size())));
        }
    };
    // Plain buffers rather than QString: a QString append per field cost more than the
    // rest of the line's work.
    std::vector<char16_t> m_velden;
    std::vector<Plek> m_leden;
    std::unordered_map<std::u16string, int, SleutelHash, std::equal_to<>> m_sleutelIndex; // key to its index in sleutels
    std::u16string m_sleutel;                                                             // the key of the line being added, kept to avoid an allocation a line
};

// Reads the file (Windows-1252, or UTF-8 after a byte order mark) and skips its header line.
Ledenbestand LeesLedenbestand(const QString& pad);
