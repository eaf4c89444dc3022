#include "header/vensterkopvlak.h"

#include <QPainter>

KopVlak::KopVlak(QWidget* ouder) : QWidget(ouder)
{
    setAccessibleName(QStringLiteral("Voorbeeld van de kop van de afmeldsite"));
    PasMaatAan();
}

void KopVlak::ZetBeeld(const KopBeeld& beeld)
{
    m_beeld = beeld;
    PasMaatAan();
}

void KopVlak::Wijzig(const std::function<void(KopBeeld&)>& wijziging)
{
    wijziging(m_beeld);
    PasMaatAan();
}

void KopVlak::ZetMaat(QSize binnen)
{
    m_beeld.binnen = binnen;
    PasMaatAan();
}

void KopVlak::ZetAchtergrond(const QColor& achtergrond)
{
    m_beeld.achtergrond = achtergrond;
    update();
}

void KopVlak::ZetLogoVak(const LogoVak& vak)
{
    m_beeld.vak = vak;
    PasMaatAan();
}

void KopVlak::ZetLogoVakZichtbaar(bool zichtbaar)
{
    m_beeld.vakZichtbaar = zichtbaar;
    update();
}

void KopVlak::ZetKoptekst(const QString& tekst, const QFont& font, const QColor& kleur, QPointF plek)
{
    m_beeld.tekst = tekst;
    m_beeld.font = font;
    m_beeld.kleur = kleur;
    m_beeld.tekstPlek = plek;
    update();
}

void KopVlak::ZetHoekteksten(const QString& links, QPoint linksPlek, const QString& rechts,
                             QPoint rechtsPlek, const QFont& font)
{
    m_beeld.links = links;
    m_beeld.rechts = rechts;
    m_beeld.linksPlek = linksPlek;
    m_beeld.rechtsPlek = rechtsPlek;
    m_beeld.hoekFont = font;
    update();
}

void KopVlak::PasMaatAan()
{
    setFixedSize(m_beeld.Maat());
    update();
}

void KopVlak::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    m_beeld.Teken(p);
}
