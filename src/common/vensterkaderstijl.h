#pragma once

#include <QProxyStyle>

// Fusion draws a group box's frame by stretching a small picture, and Qt's raster engine
// hands a stretch that tall to helper threads: the start window waited on them before it
// first appeared. This draws the same frame, at the same place and in Fusion's colours, as
// a rounded rectangle.
class KaderStijl : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* optie, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    // Over the application's style when that is Fusion; other styles keep their own frames.
    static void Installeer();
};
