#pragma once

#include <QString>

#include <optional>

// The sign-off end time: two-digit hours, a colon, two-digit minutes.
namespace Eindtijd {

// True for the keys that may reach the box: digits, ":" and Backspace.
bool ToetsToegestaan(QChar teken);

// The message for a text that is refused when the box loses the focus; nothing when it is
// accepted. The text itself is never changed.
std::optional<QString> Controleer(const QString& tekst);

} // namespace Eindtijd
