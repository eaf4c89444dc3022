#pragma once

#include <QDate>
#include <QString>

// The texts of the season calendar's lists, in Dutch as the platform writes them.
namespace KalenderTekst {

// A month entry of cmbVan and cmbTot: "maart 2025", 40 blanks, "2025-03-01" (the month's
// first day, whatever day of the month `datum` is).
QString MaandRegel(const QDate& datum);

// The key of a month entry: its last 10 characters, the first day as "yyyy-mm-dd".
QString MaandSleutel(const QString& maandRegel);

// What a month or date entry shows: the text before its 40 blanks. The lists keep the key
// as item data instead, so it neither shows when they scroll sideways nor is read aloud.
QString Zichtbaar(const QString& regel);

// The long date, e.g. "donderdag 2 januari 2025".
QString LangeDatum(const QDate& datum);

// A date entry of lstDagen: the play moment as shown, the long date from its first blank on
// (" 2 januari 2025"), 40 blanks and "20250102".
QString DatumRegel(const QString& speeldag, const QDate& datum);

// The date of a date entry: its last 8 characters.
QString DatumVanRegel(const QString& datumRegel);

// The upper-case weekday word that a play moment starts with ("DONDERDAG" for
// "donderdag-avond"), chosen by its first three letters; empty for an unknown moment.
QString Weekdagwoord(const QString& speeldag);

} // namespace KalenderTekst
