#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QtGlobal>

// How values become script text in hovelink.js.
namespace Script {

// "\u00" + the ANSI code in capital hexadecimal, e.g. 235 gives \u00EB.
QString TekenNaarUnicode(int code);

// "rgb(r,g,b)" of a Windows colour: red in the lowest byte, green next, blue third.
QString KleurNaarRgb(qint32 kleur);

// Every character whose ANSI code is above 160 becomes its TekenNaarUnicode escape;
// characters the code page lacks count as "?" and stay. Nothing else changes.
QString EscapeNaam(const QString& naam);

// A value made safe between single quotes: backslash, apostrophe, CR and LF escaped.
// Without it a name like D'Hondt would end the string and break the site.
QString EscapeTekst(const QString& tekst);

// Appends a number held as text with at least `cijfers` digits, e.g. 12 with 3 digits
// gives 012 and 1234 stays 1234; leading zeros of the text do not count. Blanks around
// it are ignored; a text that is not digits alone reads as 0, so a member code always
// stays digits only, however long the number.
void VoegCijfersToe(QByteArray& script, QStringView getal, int cijfers);

} // namespace Script
