#pragma once

#include "header/kopinstellingen.h"

#include <QMetaType>

Q_DECLARE_METATYPE(KopInstellingen)

// The header of the yellow 750 by 100 example with a logo.
inline KopInstellingen VoorbeeldKop()
{
    KopInstellingen k;
    k.kopvakbr = 750;
    k.kopvakho = 100;
    k.koptekst = QStringLiteral("BC bridgeclub");
    k.kopfont = QStringLiteral("Arial");
    k.kophoogi = 7;
    k.kophoog = 24;
    k.kopvet = 1;
    k.kopback = 65535;
    k.kopverti = 10;
    k.kopvert = 20;
    k.tekstlo = QStringLiteral("abcde");
    k.tekstro = QStringLiteral("info@bridgeclub.nl");
    k.logofile = QStringLiteral("000001.jpg");
    k.logomarge = 5;
    k.logojn = 1;
    return k;
}
