#pragma once

#include "header/kopinstellingen.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QtGlobal>

#include <functional>

// How the header's texts look: fonts and the colour layout of the header settings
// (red in the lowest byte, green in the second, blue in the third).

QColor KleurVan(qint32 waarde);
qint32 KleurWaarde(const QColor& kleur);

// The header text's font: `kopfont` at `kophoog` points, bold when `kopvet` is not 0.
QFont KopFont(const KopInstellingen& kop);

// The font of the two corner texts: Arial, 10 points.
QFont HoekFont();

// The families of the font choice, as a browser knows them: first the ones that visitors'
// computers have (Arial, Verdana, ...), installed here or not; then the installed families
// without a foundry suffix, the generic aliases (Monospace, Serif) left out, that can draw
// every printable character of Windows-1252, the only characters a header text can hold.
QStringList AnsiLettertypen();

// The list AnsiLettertypen makes of the font database's `families`, which names a family of
// several foundries as "Name [foundry]"; `bruikbaar` says whether a family may be listed.
QStringList Lettertypenlijst(const QStringList& families, const std::function<bool(const QString&)>& bruikbaar);

// The family the preview really draws for `naam`: the same name when it is installed, else
// the family that replaces it.
QString GetoondeFamilie(const QString& naam);
