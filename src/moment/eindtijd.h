#pragma once

#include <QString>

#include <optional>

// The sign-off end time: two-digit hours, a colon, two-digit minutes.
namespace Eindtijd {

// True for the keys that may reach the box: digits, ":" and Backspace. Text that arrives
// otherwise (pasted, dropped) keeps only these characters too.
bool ToetsToegestaan(QChar teken);

// The message for a text that is refused when the box loses the focus; nothing when it is
// accepted. The text itself is never changed.
std::optional<QString> Controleer(const QString& tekst);

// The same check when the window is left with OK or its close box, so that a refused time
// never reaches a file. Only an empty box that never had the focus passes: a play moment
// without an end time.
std::optional<QString> ControleerBijVertrek(const QString& tekst, bool hadFocus);

} // namespace Eindtijd
