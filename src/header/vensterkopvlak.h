#pragma once

#include "header/kopbeeld.h"

#include <QWidget>

#include <functional>

// The header picture on screen, at real size: the widget is as large as the picture.
class KopVlak : public QWidget {
    Q_OBJECT
public:
    static constexpr int Rand = KopBeeld::Rand;

    explicit KopVlak(QWidget* ouder = nullptr);

    // The whole picture at once, or a change to it; either refits and repaints the widget.
    void ZetBeeld(const KopBeeld& beeld);
    void Wijzig(const std::function<void(KopBeeld&)>& wijziging);

    // Inner size W x H of the header box.
    void ZetMaat(QSize binnen);
    // Background of the header box and of the logo area.
    void ZetAchtergrond(const QColor& achtergrond);
    void ZetLogoVak(const LogoVak& vak);
    void ZetLogoVakZichtbaar(bool zichtbaar);
    void ZetKoptekst(const QString& tekst, const QFont& font, const QColor& kleur, QPointF plek);
    void ZetHoekteksten(const QString& links, QPoint linksPlek, const QString& rechts,
                        QPoint rechtsPlek, const QFont& font);

    const LogoVak& Vak() const { return m_beeld.vak; }
    QSize Maat() const { return m_beeld.binnen; }
    QLine Lijn1() const { return m_beeld.Lijn1(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PasMaatAan();

    KopBeeld m_beeld;
};
