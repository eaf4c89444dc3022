#include "common/vensterfocus.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>

namespace VensterFocus {

bool VerlaatNaarControl(const QWidget& venster, const QObject* vak, const QFocusEvent& gebeurtenis,
                        const QWidget* behalve)
{
    const Qt::FocusReason reden = gebeurtenis.reason();
    if (reden == Qt::ActiveWindowFocusReason || reden == Qt::PopupFocusReason)
        return false;
    const QWidget* naar = QApplication::focusWidget();
    return naar && naar != vak && naar->window() == &venster && naar != behalve;
}

} // namespace VensterFocus
