#pragma once

#include <QKeySequence>
#include <QObject>

#include <initializer_list>

class QAbstractButton;
class QLineEdit;
class QWidget;

// Keyboard use of the windows.
namespace Toetsenbord {

// Gives a button a shortcut such as Alt+M without a "&" in its caption, which must stay as
// it is. Like a mouse click, the shortcut first takes the focus to the button, so the box
// being left runs its checks, and then presses it; a disabled or hidden button does not
// answer. The key is shown on the last line of the button's tooltip, and screen readers
// announce it with the button's description; set the tooltip first.
void ZetSneltoets(QAbstractButton* knop, const QKeySequence& toets);

// Sets a button's tooltip and keeps the Alt key that ZetSneltoets gave it on its last line.
void ZetTip(QAbstractButton* knop, const QString& tip);

// Tab visits the widgets in this order.
void ZetTabVolgorde(std::initializer_list<QWidget*> volgorde);

// Whatever way text enters the box (typing, pasting, dropping, from code), only the
// characters `toegestaan` accepts are kept.
void ZetTekenFilter(QLineEdit* vak, bool (*toegestaan)(QChar));

// Enter presses the focused push button, as on Windows, in every window; as no button is a
// default button, Enter in a text box presses nothing. Installed on the application.
class EnterDruktKnop : public QObject {
    Q_OBJECT
protected:
    bool eventFilter(QObject* doel, QEvent* gebeurtenis) override;
};

} // namespace Toetsenbord
