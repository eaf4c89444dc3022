#pragma once

#include <QString>
#include <QtGlobal>

// Program-wide paths, set at start-up, and the play moment being worked on.
struct Werkruimte {
    QString MapTwk;                // Tafelwerk's data folder (TWKMAP=)
    QString MapSpelers;            // folder of Tafelwerk's member file (SPEMAP=)
    QString BestandSpelers;        // MapSpelers/TWKspelers.txt
    QString MapProgramma;          // MapTwk/Travenza: everything of our own
    QString NaamAlgemeen;          // Kwintel.ini
    QString NaamScript;            // hovelink.js
    QString MappenIni;             // the Mappen.ini read at start-up
    bool MappenIniGekozen = false; // it lies in the Tafelwerk folder chosen at a first start

    QString Speeldag;      // play moment being worked on
    QString NaamMomentIni; // Speeldag.ini
    QString PadMomentIni;  // MapProgramma/Speeldag/Speeldag.ini
    QString CodeTabel;
    QString SpeeldagCode; // one letter A..X
    QString PadScript;    // MapProgramma/Speeldag/hovelink.js
    qint16 Fout = 0;      // 1 when the last preparing step failed
};
