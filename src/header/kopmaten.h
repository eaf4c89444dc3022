#pragma once

#include <QLine>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QtGlobal>

// Geometry of the real-size header preview, in pixels. P0 is the header box (inner area
// W x H inside a 1-pixel frame), P1 the logo area inside it, P2 the logo inside P1.

// A size as the preview draws it: hand-edited values beyond what a screen shows are drawn at
// the nearest edge of 0..4000, so that nothing overflows or allocates a huge picture.
int ToonMaat(qint32 pixels);

// W / 3 rounded: the width of the logo area before a picture is fitted.
int MaxLogoBreed(qint32 kopvakbr);

// The logo area (in P0's inner area) and the logo (in P1).
struct LogoVak {
    QRect p1;
    QRect p2;
    bool operator==(const LogoVak&) const = default;
};

// The logo area without a picture: maxBreed x maxHoog, the white logo inset by the margin.
LogoVak MaakLogoVak(int maxLogoBreed, int maxLogoHoog, int marge);

// Fits a picture of natural size `beeld` into the area of `leeg` (as MaakLogoVak laid it
// out), keeping its proportions, enlarging or reducing; the area shrinks to the fitted
// picture plus its margins. Sizes are rounded to whole pixels; an empty picture changes
// nothing.
LogoVak PasLogoIn(const LogoVak& leeg, QSize beeld, int marge);

// Line1: on the first pixel column right of the logo area, counting P0's frame, from 5
// pixels above P0 to 5 pixels below the logo area. `p0` is P0's outer top-left corner.
QLine PlaatsLijn1(QPoint p0, const LogoVak& vak);

// Left edge of the header text in P0: centred on the whole box, or on the part right of the
// logo area when the logo is placed (logojn 1). May be negative for a text wider than the box.
double KoptekstLinks(qint32 kopvakbr, qint16 logojn, int p1Breed, double tekstBreed);

// Top-left corners of the two corner texts in P0's inner area.
struct HoekPlaatsen {
    QPoint links;
    QPoint rechts;
};
HoekPlaatsen PlaatsHoekteksten(qint32 kopvakbr, qint32 kopvakho, qint16 logojn, int p1Breed,
                               QSize linksMaat, QSize rechtsMaat);

// "Kopafmeting= 750x100 pixels"
QString KopAfmeting(qint32 kopvakbr, qint32 kopvakho);

// "250 x 100"
QString LogoRuimte(int maxLogoBreed, int maxLogoHoog);

// The designer's inner width: room for the preview with equal margins, or for the controls
// when the text frame (its right edge in inner pixels) reaches further. Worked out in twips
// (15 to the pixel) with the window's outer frame, as the window was first laid out.
int PasVensterAan(int p0Links, qint32 kopvakbr, int tekstFrameRechts);

// Pixels of the window frame that the outer width counts besides the inner area.
inline constexpr int VensterRand = 8;
