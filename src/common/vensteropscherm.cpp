#include "common/vensteropscherm.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

void HoudOpScherm(QWidget& venster)
{
    const QScreen* scherm = venster.screen();
    if (!scherm)
        return;
    const QRect vrij = scherm->availableGeometry();
    // Before the first show the frame is unknown; the title bar and border then count as nothing.
    const QSize rand = venster.frameGeometry().size() - venster.size();
    const QSize ruimte = (vrij.size() - rand).expandedTo(venster.minimumSize());
    venster.resize(venster.size().boundedTo(ruimte));

    const QRect kader = venster.frameGeometry();
    const int x = std::clamp(kader.x(), vrij.left(), std::max(vrij.left(), vrij.right() + 1 - kader.width()));
    const int y = std::clamp(kader.y(), vrij.top(), std::max(vrij.top(), vrij.bottom() + 1 - kader.height()));
    venster.move(x, y);
}
