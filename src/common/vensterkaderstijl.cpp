#include "common/vensterkaderstijl.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QStyleOption>

void KaderStijl::drawPrimitive(PrimitiveElement element, const QStyleOption* optie, QPainter* painter,
                               const QWidget* widget) const
{
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, optie, painter, widget);
        return;
    }
    // Fusion's frame starts below the title, or 3 pixels down without one.
    const auto* groep = qobject_cast<const QGroupBox*>(widget);
    const int marge = groep && !groep->isCheckable() && groep->title().isEmpty()
                          ? 3
                          : qMax(pixelMetric(PM_ExclusiveIndicatorHeight), optie->fontMetrics.height()) + 3;
    const QColor venster = optie->palette.window().color();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(venster.darker(111));
    painter->setBrush(venster.darker(101));
    painter->drawRoundedRect(QRectF(optie->rect.adjusted(1, marge + 1, 0, 0)).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter->restore();
}

void KaderStijl::Installeer()
{
    if (QApplication::style()->name().compare(u"fusion", Qt::CaseInsensitive) == 0)
        QApplication::setStyle(new KaderStijl);
}
