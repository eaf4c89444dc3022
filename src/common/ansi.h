#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the ANSI code page of our users' PCs. Our own table, because Qt's named
// encoders write 0x1A instead of "?" for characters that the code page lacks.
namespace Ansi {

// The code page byte for one code point, or '?' (63) when the code page lacks it.
int Code(char32_t codepoint);

// Every code point to its byte; characters the code page lacks become "?".
QByteArray Naar(const QString& tekst);

// Every byte to its character; the five unassigned bytes map to the C1 controls.
QString Van(const QByteArray& bytes);

} // namespace Ansi
