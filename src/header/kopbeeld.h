#pragma once

#include "header/kopinstellingen.h"
#include "header/kopmaten.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLine>
#include <QPointF>
#include <QSize>
#include <QString>

class QPainter;

// The real-size picture of the site header, as the designer and the site preview show it:
// the header box P0 with its text and corner texts, the logo area P1 with the logo P2, and
// Line1 marking the right edge of the logo area. P0's outer top-left corner lies `Rand`
// pixels below the picture's top, so Line1 fits above it.
struct KopBeeld {
    static constexpr int Rand = 5;

    QSize binnen{750, 100}; // inner size W x H of the header box
    QColor achtergrond{Qt::yellow};
    LogoVak vak;
    bool vakZichtbaar = false;
    QImage logo; // a null image leaves P2 white
    QString tekst;
    QFont font;
    QColor kleur{Qt::black};
    QPointF tekstPlek;
    QString links;
    QString rechts;
    QPoint linksPlek;
    QPoint rechtsPlek;
    QFont hoekFont;

    QLine Lijn1() const;
    // The whole picture, Line1's ends included.
    QSize Maat() const;
    void Teken(QPainter& p) const;

    // The logo area without a picture, maxBreed x maxHoog.
    void MaakLogoVak(int maxLogoBreed, int maxLogoHoog, int marge);
    // The picture fitted into the logo area as MaakLogoVak laid it out.
    void PasLogoIn(const QImage& beeld, int marge);
    // The header text with the header's font, colour and height, placed in a box `breed`
    // pixels wide beside the logo area as it stands.
    void ZetKoptekst(const KopInstellingen& kop, const QString& koptekst, int breed);
    // The two corner texts, placed in a box `breed` pixels wide beside the logo area.
    void ZetHoekteksten(const KopInstellingen& kop, const QString& linksTekst, const QString& rechtsTekst,
                        int breed);
};

// The picture of stored header settings with the play moment's logo in MapKop.
KopBeeld MaakKopBeeld(const KopInstellingen& kop, const QString& MapKop);
