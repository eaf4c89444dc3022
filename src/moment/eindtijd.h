#pragma once

#include "common/uitkomst.h"

#include <QString>

// The sign-off end time: two-digit hours, a colon, two-digit minutes.
namespace Eindtijd {

// True for the keys that may reach the box: digits, ":" and Backspace. Text that arrives
// otherwise (pasted, dropped) keeps only these characters too.
bool ToetsToegestaan(QChar teken);

// Refuses a text, with its message, when the box loses the focus. The text itself is never
// changed.
Uitkomst<> Controleer(const QString& tekst);

// The same check when the window is left with OK or its close box, so that a refused time
// never reaches a file. Only an empty box that never had the focus passes: a play moment
// without an end time.
Uitkomst<> ControleerBijVertrek(const QString& tekst, bool hadFocus);

} // namespace Eindtijd
