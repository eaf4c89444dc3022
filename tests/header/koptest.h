#pragma once

#include "header/kopinstellingen.h"

#include <QMetaType>

Q_DECLARE_METATYPE(KopInstellingen)

// The header of the yellow 750 by 100 example with a logo.
inline KopInstellingen VoorbeeldKop()
{
    return {750, 100, "BC bridgeclub", "Arial", 0, 7, 24, 1, 65535, 10, 20, "abcde", "info@bridgeclub.nl", "000001.jpg", 5, 1};
}
