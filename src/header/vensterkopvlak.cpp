#include "header/vensterkopvlak.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

KopVlak::KopVlak(QWidget* ouder) : QWidget(ouder)
{
    setAccessibleName(QStringLiteral("Voorbeeld van de kop van de afmeldsite"));
    PasMaatAan();
}

void KopVlak::ZetMaat(QSize binnen)
{
    m_binnen = binnen;
    PasMaatAan();
}

void KopVlak::ZetAchtergrond(const QColor& achtergrond)
{
    m_achtergrond = achtergrond;
    update();
}

void KopVlak::ZetLogoVak(const LogoVak& vak)
{
    m_vak = vak;
    PasMaatAan();
}

void KopVlak::ZetLogoVakZichtbaar(bool zichtbaar)
{
    m_vakZichtbaar = zichtbaar;
    update();
}

void KopVlak::ZetLogo(const QImage& beeld)
{
    m_logo = beeld;
    update();
}

void KopVlak::ZetKoptekst(const QString& tekst, const QFont& font, const QColor& kleur, QPointF plek)
{
    m_tekst = tekst;
    m_font = font;
    m_kleur = kleur;
    m_tekstPlek = plek;
    update();
}

void KopVlak::ZetHoekteksten(const QString& links, QPoint linksPlek, const QString& rechts,
                             QPoint rechtsPlek, const QFont& font)
{
    m_links = links;
    m_rechts = rechts;
    m_linksPlek = linksPlek;
    m_rechtsPlek = rechtsPlek;
    m_hoekFont = font;
    update();
}

QLine KopVlak::Lijn1() const { return PlaatsLijn1(QPoint(0, Rand), m_vak); }

void KopVlak::PasMaatAan()
{
    const QLine lijn = Lijn1();
    const int breed = std::max(m_binnen.width() + 2, lijn.x1() + 1);
    const int hoog = std::max(Rand + m_binnen.height() + 2, lijn.y2() + 1);
    setFixedSize(std::max(breed, 0), std::max(hoog, 0));
    update();
}

void KopVlak::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // Line1 lies under the header box, as a line of the window lies under a picture box:
    // only its ends above and below the box show, so the preview stays what the site shows.
    p.setPen(Qt::black);
    p.drawLine(Lijn1());

    const QRect buiten(0, Rand, m_binnen.width() + 2, m_binnen.height() + 2);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(buiten);
    const QRect binnen = buiten.adjusted(1, 1, -1, -1);
    p.fillRect(binnen, m_achtergrond);

    // Everything below is clipped to the inner area: a wide text is cut at the box edges.
    p.setClipRect(binnen);
    p.translate(binnen.topLeft());

    p.setFont(m_font);
    p.setPen(m_kleur);
    p.drawText(m_tekstPlek + QPointF(0, QFontMetricsF(m_font).ascent()), m_tekst);

    // The corner texts are labels of the box: the logo area, a box of its own, covers them.
    p.setFont(m_hoekFont);
    p.setPen(Qt::black);
    const int stijging = QFontMetrics(m_hoekFont).ascent();
    p.drawText(m_linksPlek + QPoint(0, stijging), m_links);
    p.drawText(m_rechtsPlek + QPoint(0, stijging), m_rechts);

    if (!m_vakZichtbaar)
        return;
    p.fillRect(m_vak.p1, m_achtergrond);
    p.setClipRect(m_vak.p1, Qt::IntersectClip);
    const QRect logo = m_vak.p2.translated(m_vak.p1.topLeft());
    if (logo.isEmpty())
        return;
    p.fillRect(logo, Qt::white);
    if (!m_logo.isNull())
        p.drawImage(logo, m_logo);
}
