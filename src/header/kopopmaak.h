#pragma once

#include "header/kopinstellingen.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QtGlobal>

// How the header's texts look: fonts and the colour layout of the header settings
// (red in the lowest byte, green in the second, blue in the third).

QColor KleurVan(qint32 waarde);
qint32 KleurWaarde(const QColor& kleur);

// The header text's font: `kopfont` at `kophoog` points, bold when `kopvet` is not 0.
QFont KopFont(const KopInstellingen& kop);

// The font of the two corner texts: Arial, 10 points.
QFont HoekFont();

// The font families that can draw every printable character of Windows-1252, the only
// characters a header text can hold; symbol fonts and fonts of other scripts are left out.
QStringList AnsiLettertypen();

// The family the preview really draws for `naam`: the same name when it is installed, else
// the family that replaces it.
QString GetoondeFamilie(const QString& naam);
