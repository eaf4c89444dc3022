#include "common/toetsenbord.h"

#include <QAbstractButton>
#include <QEvent>
#include <QShortcutEvent>

namespace {

class KnopSneltoets : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() != QEvent::Shortcut || static_cast<QShortcutEvent*>(event)->isAmbiguous())
            return false;
        // The button's own handling animates a click without moving the focus, so an address
        // typed into a box would never reach its check before the window is left.
        auto* knop = static_cast<QAbstractButton*>(object);
        if (knop->focusPolicy() != Qt::NoFocus)
            knop->setFocus(Qt::ShortcutFocusReason);
        knop->click();
        return true;
    }
};

} // namespace

namespace Toetsenbord {

void ZetSneltoets(QAbstractButton* knop, const QKeySequence& toets)
{
    knop->setShortcut(toets);
    knop->installEventFilter(new KnopSneltoets(knop));
    const QString sneltoets = QStringLiteral("Sneltoets: ") + toets.toString(QKeySequence::NativeText);
    knop->setAccessibleDescription(knop->toolTip().isEmpty() ? sneltoets : knop->toolTip() + u' ' + sneltoets);
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
