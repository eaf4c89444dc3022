#pragma once

#include <QString>

// Text helpers with the meaning this program gives them.
namespace Tekst {

// Removes leading and trailing spaces, and nothing else (no tabs, no line breaks).
QString Trim(const QString& s);
QStringView Trim(QStringView s);

// Without control characters (line breaks, tabs, C1 codes): a value that goes into one line of
// a settings file can then never add a line of its own.
QString ZonderStuurtekens(const QString& s);

// The line break of every file and message of this program.
inline const QString CrLf = QStringLiteral("\r\n");

// A whole number padded with zeros on the left to at least `cijfers` digits.
QString Nullen(qint64 getal, int cijfers);

} // namespace Tekst
