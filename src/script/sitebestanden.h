#pragma once

#include "common/uitkomst.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Our own sign-off site (site/ in the source tree), compiled into the program, so that the
// upload and the preview always carry the site this program's hovelink.js was made for.
namespace SiteBestanden {

struct Bestand {
    QString naam;
    QByteArray inhoud;
};

// Every file of the site, in the order they go to a server: .htaccess first, so the sign-off
// data is shielded before anything else arrives, and index.html last, so the page appears
// only when its parts are there.
QList<Bestand> Alle();

// Where afmelden.php keeps the sign-offs. Only read by this program, never written or sent.
inline const QString Afmelddata = QStringLiteral("afmelddata.php");

// The files of a look at the site in the browser: the site, `script` as hovelink.js and the
// logo it names, written into `map`, with voorbeeld.html, which opens index.html#voorbeeld:
// desktops drop a "#..." from a file they are asked to open. The path of the page to open,
// or a message for the user when a file could not be written.
Uitkomst<QString> SchrijfVoorbeeld(const QString& map, const QByteArray& script, const QString& logoPad,
                                   const QString& logoNaam);

// A new, empty folder for a preview under `tijdelijk`. Preview folders of earlier runs
// older than a day are removed first; a browser may still show a newer one.
QString NieuweVoorbeeldMap(const QString& tijdelijk);

} // namespace SiteBestanden
