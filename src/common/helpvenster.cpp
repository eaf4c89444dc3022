#include "common/helpvenster.h"

#include <QKeyEvent>

HelpVenster::HelpVenster(QWidget* parent) : QDialog(parent) {}

void HelpVenster::keyPressEvent(QKeyEvent* event)
{
    // Help closes only through its button or the close box, never by a key meant elsewhere.
    if (event->matches(QKeySequence::Cancel))
        return;
    QDialog::keyPressEvent(event);
}
