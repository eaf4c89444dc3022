#pragma once

#include "header/kopinstellingen.h"

#include <QColor>
#include <QFont>
#include <QtGlobal>

// How the header's texts look: fonts and the colour layout of the header settings
// (red in the lowest byte, green in the second, blue in the third).

QColor KleurVan(qint32 waarde);
qint32 KleurWaarde(const QColor& kleur);

// The header text's font: `kopfont` at `kophoog` points, bold when `kopvet` is not 0.
QFont KopFont(const KopInstellingen& kop);

// The font of the two corner texts: Arial, 10 points.
QFont HoekFont();
