#pragma once

#include <QString>
#include <QtGlobal>

// The site header of one play moment, shared for the whole run by the sign-off settings
// window, the header designer and script generation. All zero and empty at program start.
struct KopInstellingen {
    qint32 kopvakbr = 0;  // header box width in pixels; 0 means unset (750)
    qint32 kopvakho = 0;  // header box height in pixels; 0 means unset (100)
    QString koptekst;     // header text, one line
    QString kopfont;      // font name of the header text
    qint32 kopkleur = 0;  // text colour: red in the lowest byte, green next, blue third
    qint16 kophoogi = 0;  // position in the designer's letter-height list
    qint16 kophoog = 0;   // letter height, 10 to 90
    qint16 kopvet = 0;    // 1 = bold
    qint32 kopback = 0;   // background colour, same layout as kopkleur
    qint16 kopverti = 0;  // position in the designer's vertical-position list
    qint16 kopvert = 0;   // distance from the top of the box to the top of the text
    QString tekstlo;      // small text bottom left
    QString tekstro;      // small text bottom right
    QString logofile;     // logo picture in the play-moment folder, e.g. 000001.jpg
    qint16 logomarge = 0; // free margin around the logo
    qint16 logojn = 0;    // 1 = place the logo

    // The folder whose IniKop.ini was read last: a new play moment carries this header over,
    // and its logo is still in that folder.
    QString MapHerkomst = {};

    bool operator==(const KopInstellingen&) const = default;
};
