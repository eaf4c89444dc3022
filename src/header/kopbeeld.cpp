#include "header/kopbeeld.h"

#include "header/kopopmaak.h"
#include "header/logobestand.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

QLine KopBeeld::Lijn1() const { return PlaatsLijn1(QPoint(0, Rand), vak); }

QSize KopBeeld::Maat() const
{
    const QLine lijn = Lijn1();
    const int breed = std::max(binnen.width() + 2, lijn.x1() + 1);
    const int hoog = std::max(Rand + binnen.height() + 2, lijn.y2() + 1);
    return QSize(std::max(breed, 0), std::max(hoog, 0));
}

void KopBeeld::Teken(QPainter& p) const
{
    // Line1 lies under the header box, as a line of the window lies under a picture box:
    // only its ends above and below the box show, so the preview stays what the site shows.
    p.setPen(Qt::black);
    p.drawLine(Lijn1());

    const QRect buiten(0, Rand, binnen.width() + 2, binnen.height() + 2);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(buiten);
    const QRect binnenVlak = buiten.adjusted(1, 1, -1, -1);
    p.fillRect(binnenVlak, achtergrond);

    // Everything below is clipped to the inner area: a wide text is cut at the box edges.
    p.setClipRect(binnenVlak);
    p.translate(binnenVlak.topLeft());

    p.setFont(font);
    p.setPen(kleur);
    p.drawText(tekstPlek + QPointF(0, QFontMetricsF(font).ascent()), tekst);

    // The corner texts are labels of the box: the logo area, a box of its own, covers them.
    p.setFont(hoekFont);
    p.setPen(Qt::black);
    const int stijging = QFontMetrics(hoekFont).ascent();
    p.drawText(linksPlek + QPoint(0, stijging), links);
    p.drawText(rechtsPlek + QPoint(0, stijging), rechts);

    if (!vakZichtbaar)
        return;
    p.fillRect(vak.p1, achtergrond);
    p.setClipRect(vak.p1, Qt::IntersectClip);
    const QRect logoVlak = vak.p2.translated(vak.p1.topLeft());
    if (logoVlak.isEmpty())
        return;
    p.fillRect(logoVlak, Qt::white);
    if (!logo.isNull())
        p.drawImage(logoVlak, logo);
}

void KopBeeld::MaakLogoVak(int maxLogoBreed, int maxLogoHoog, int marge)
{
    vak = ::MaakLogoVak(maxLogoBreed, maxLogoHoog, marge);
    logo = QImage();
}

void KopBeeld::PasLogoIn(const QImage& beeld, int marge)
{
    vak = ::PasLogoIn(vak, beeld.size(), marge);
    logo = beeld;
}

void KopBeeld::ZetKoptekst(const KopInstellingen& kop, const QString& koptekst, int breed)
{
    font = KopFont(kop);
    tekst = koptekst;
    kleur = KleurVan(kop.kopkleur);
    const double x = KoptekstLinks(breed, kop.logojn, vak.p1.width(), QFontMetricsF(font).horizontalAdvance(tekst));
    tekstPlek = QPointF(x, kop.kopvert);
}

void KopBeeld::ZetHoekteksten(const KopInstellingen& kop, const QString& linksTekst, const QString& rechtsTekst,
                              int breed)
{
    hoekFont = HoekFont();
    const QFontMetrics maat(hoekFont);
    const HoekPlaatsen plek = PlaatsHoekteksten(breed, ToonMaat(kop.kopvakho), kop.logojn, vak.p1.width(),
                                                QSize(maat.horizontalAdvance(linksTekst), maat.height()),
                                                QSize(maat.horizontalAdvance(rechtsTekst), maat.height()));
    links = linksTekst;
    rechts = rechtsTekst;
    linksPlek = plek.links;
    rechtsPlek = plek.rechts;
}

KopBeeld MaakKopBeeld(const KopInstellingen& kop, const QString& MapKop)
{
    KopBeeld beeld;
    const int breed = ToonMaat(kop.kopvakbr);
    const int hoog = ToonMaat(kop.kopvakho);
    beeld.binnen = QSize(breed, hoog);
    beeld.achtergrond = KleurVan(kop.kopback);

    beeld.MaakLogoVak(MaxLogoBreed(breed), hoog, kop.logomarge);
    const QString pad = HuidigLogo(MapKop, QString(), kop);
    if (const std::optional<QImage> logo = pad.isEmpty() ? std::nullopt : LaadAfbeelding(pad))
        beeld.PasLogoIn(*logo, kop.logomarge);
    beeld.vakZichtbaar = kop.logojn != 0;

    beeld.ZetKoptekst(kop, kop.koptekst, breed);
    beeld.ZetHoekteksten(kop, kop.tekstlo, kop.tekstro, breed);
    return beeld;
}
