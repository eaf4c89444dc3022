#include "common/toetsenbord.h"

#include <QAbstractButton>
#include <QShortcut>

namespace Toetsenbord {

void ZetSneltoets(QAbstractButton* knop, const QKeySequence& toets)
{
    // A shortcut of its own: the button's setShortcut is replaced by the mnemonic of every
    // new caption (none), and its handling animates a click without moving the focus, so
    // an address typed into a box would never reach its check before the window is left.
    auto* sneltoets = new QShortcut(toets, knop);
    QObject::connect(sneltoets, &QShortcut::activated, knop, [knop] {
        if (!knop->isEnabled())
            return;
        if (knop->focusPolicy() != Qt::NoFocus)
            knop->setFocus(Qt::ShortcutFocusReason);
        knop->click();
    });
    const QString toetsTekst = toets.toString(QKeySequence::NativeText);
    const QString naam = QStringLiteral("Sneltoets: ") + toetsTekst;
    const QString tip = knop->toolTip();
    knop->setAccessibleDescription(tip.isEmpty() ? naam : tip + u' ' + naam);
    // The caption has no underlined letter, so the tooltip is where a user sees the key.
    knop->setToolTip(tip.isEmpty() ? toetsTekst : tip + u'\n' + toetsTekst);
}

void ZetTabVolgorde(std::initializer_list<QWidget*> volgorde)
{
    QWidget* vorige = nullptr;
    for (QWidget* w : volgorde) {
        if (vorige)
            QWidget::setTabOrder(vorige, w);
        vorige = w;
    }
}

} // namespace Toetsenbord
