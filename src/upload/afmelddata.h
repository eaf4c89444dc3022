#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <array>

// The sign-offs that our site's afmelden.php keeps in afmelddata.php: a first line that stops
// the web from showing the file, then one JSON object per line (its layout is described at the
// top of site/afmelden.php). Read back over the upload connection and shown per play date.
namespace AfmeldData {

// One member signed off for one play date.
struct Rij {
    QDate speeldag;
    // By box: the member, the partner, a substitute for the member, one for the partner;
    // empty when not chosen.
    std::array<QString, 4> namen;
    QString opmerking;
    QDateTime ontvangen; // in the offset the site wrote: the club's own time
};

struct Afmeldingen {
    QList<Rij> rijen;   // by play date, then name (the order of a sorted list), then time received
    int beschadigd = 0; // lines that could not be read and were skipped
};

// Never fails: a line that is not a whole sign-off is skipped and counted.
Afmeldingen Lees(const QByteArray& bestand);

// What the user is told about skipped lines; empty when there were none.
QString BeschadigdMelding(int beschadigd);

// The play date as the window shows it, e.g. "donderdag 4 september 2025".
QString Speeldag(const QDate& dag);
// The time received as the window and the CSV file show it, e.g. "01-09-2025 10:00".
QString Ontvangen(const QDateTime& tijd);

// The rows for a spreadsheet: UTF-8 with a byte order mark, fields separated by semicolons,
// CR LF after every line, a header line first. A field that a spreadsheet would take for a
// formula starts with an apostrophe: the remark is typed by anyone on the internet.
QByteArray Csv(const QList<Rij>& rijen);

// The name the save dialog proposes, e.g. "afmeldingen-donderdag.csv".
QString CsvNaam(const QString& speeldag);

} // namespace AfmeldData
