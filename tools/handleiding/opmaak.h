#pragma once

#include <QList>
#include <QString>

// The small markup of the user guide's source text, one construct per line:
//   "# " chapter (starts a new page), "## " section, "- " bullet,
//   "= " a message of the program (consecutive lines form one message, "=" alone an empty line),
//   ": " the explanation of the message above it,
//   a line indented by two spaces continues the bullet or explanation above it,
//   "! " a picture: the name of a PNG file among the guide's pictures (a window of the program),
//   other lines form paragraphs; an empty line ends a paragraph, bullet or explanation.
namespace Opmaak {

enum class Soort { Hoofdstuk,
                   Paragraaf,
                   Alinea,
                   Opsomming,
                   Melding,
                   Uitleg,
                   Afbeelding };

struct Blok {
    Soort soort;
    QString tekst; // the lines of a message are joined by '\n', other lines by a space
    bool operator==(const Blok&) const = default;
};

struct Uitkomst {
    bool gelukt = false;
    QList<Blok> blokken;
    int foutRegel = 0; // 1-based line of the first fault
    QString fout;
};

Uitkomst Lees(const QString& bron);

} // namespace Opmaak
