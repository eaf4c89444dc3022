#include "app/f1handleiding.h"

#include "common/openextern.h"

#include <QKeyEvent>

bool F1Handleiding::eventFilter(QObject* doel, QEvent* gebeurtenis)
{
    // Every key press passes the filter once per object it is offered to (the focus widget,
    // then its parents); only the window itself acts, so the guide opens once.
    if (gebeurtenis->type() != QEvent::KeyPress || !doel->isWindowType())
        return QObject::eventFilter(doel, gebeurtenis);
    const auto* toets = static_cast<QKeyEvent*>(gebeurtenis);
    if (toets->key() != Qt::Key_F1 || toets->modifiers() != Qt::NoModifier)
        return QObject::eventFilter(doel, gebeurtenis);
    OpenExtern::OpenHandleiding(m_programmaMap, m_meldingen, this);
    return true;
}
