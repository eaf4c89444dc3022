#include "header/kopmaten.h"

#include <algorithm>
#include <cmath>

int ToonMaat(qint32 pixels) { return qBound(0, pixels, 4000); }

int MaxLogoBreed(qint32 kopvakbr) { return qRound(kopvakbr / 3.0); }

LogoVak MaakLogoVak(int maxLogoBreed, int maxLogoHoog, int marge)
{
    return {QRect(0, 0, maxLogoBreed, maxLogoHoog),
            QRect(marge, marge, maxLogoBreed - 2 * marge, maxLogoHoog - 2 * marge)};
}

LogoVak PasLogoIn(const LogoVak& leeg, QSize beeld, int marge)
{
    if (beeld.isEmpty())
        return leeg;
    const double sx = (leeg.p1.width() - 2.0 * marge) / beeld.width();
    const double sy = (leeg.p1.height() - 2.0 * marge) / beeld.height();
    // A margin larger than the area leaves no room: the logo shrinks to nothing.
    const double s = std::max(sx <= sy ? sx : sy, 0.0);
    const QRect p2(marge, marge, qRound(beeld.width() * s), qRound(beeld.height() * s));
    return {QRect(0, 0, p2.width() + 2 * marge, leeg.p1.height()), p2};
}

QLine PlaatsLijn1(QPoint p0, const LogoVak& vak)
{
    const int x = p0.x() + vak.p1.width() + 1;
    return {x, p0.y() - 5, x, p0.y() + vak.p1.height() + 5};
}

double KoptekstLinks(qint32 kopvakbr, qint16 logojn, int p1Breed, double tekstBreed)
{
    const double buiten = kopvakbr + 2.0;
    if (logojn != 1)
        return (buiten - tekstBreed) / 2;
    return p1Breed + (buiten - p1Breed - tekstBreed) / 2;
}

HoekPlaatsen PlaatsHoekteksten(qint32 kopvakbr, qint32 kopvakho, qint16 logojn, int p1Breed,
                               QSize linksMaat, QSize rechtsMaat)
{
    const int boven = kopvakho - linksMaat.height() - 3;
    const int links = logojn != 1 ? 6 : p1Breed + 6;
    return {QPoint(links, boven), QPoint(kopvakbr - 6 - rechtsMaat.width(), boven)};
}

QString KopAfmeting(qint32 kopvakbr, qint32 kopvakho)
{
    return QStringLiteral("Kopafmeting= %1x%2 pixels").arg(kopvakbr).arg(kopvakho);
}

QString LogoRuimte(int maxLogoBreed, int maxLogoHoog)
{
    return QStringLiteral("%1 x %2").arg(maxLogoBreed).arg(maxLogoHoog);
}

int PasVensterAan(int p0Links, qint32 kopvakbr, int tekstFrameRechts)
{
    const qint64 w1 = (2LL * p0Links + kopvakbr + VensterRand) * 15;
    const qint64 w2 = qint64(tekstFrameRechts) * 15 + 200;
    return int(std::lround(double(std::max(w1, w2)) / 15)) - VensterRand;
}
