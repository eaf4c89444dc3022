#pragma once

#include "header/kopmaten.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>

// The real-size header preview: the header box P0 with its text and corner texts, the logo
// area P1 with the logo P2, and Line1 marking the right edge of the logo area. P0's outer
// top-left corner lies `Rand` pixels below the widget's top, so Line1 fits above it.
class KopVlak : public QWidget {
    Q_OBJECT
public:
    static constexpr int Rand = 5;

    explicit KopVlak(QWidget* ouder = nullptr);

    // Inner size W x H of the header box.
    void ZetMaat(QSize binnen);
    // Background of the header box and of the logo area.
    void ZetAchtergrond(const QColor& achtergrond);
    void ZetLogoVak(const LogoVak& vak);
    void ZetLogoVakZichtbaar(bool zichtbaar);
    // The logo painted into P2; a null image leaves P2 white.
    void ZetLogo(const QImage& beeld);
    void ZetKoptekst(const QString& tekst, const QFont& font, const QColor& kleur, QPointF plek);
    void ZetHoekteksten(const QString& links, QPoint linksPlek, const QString& rechts,
                        QPoint rechtsPlek, const QFont& font);

    const LogoVak& Vak() const { return m_vak; }
    QSize Maat() const { return m_binnen; }
    QLine Lijn1() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PasMaatAan();

    QSize m_binnen{750, 100};
    QColor m_achtergrond{Qt::yellow};
    LogoVak m_vak;
    bool m_vakZichtbaar = false;
    QImage m_logo;
    QString m_tekst;
    QFont m_font;
    QColor m_kleur{Qt::black};
    QPointF m_tekstPlek;
    QString m_links;
    QString m_rechts;
    QPoint m_linksPlek;
    QPoint m_rechtsPlek;
    QFont m_hoekFont;
};
