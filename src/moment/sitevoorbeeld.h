#pragma once

#include "moment/afmeldscript.h"
#include "moment/groepvakken.h"
#include "script/scriptinvoer.h"
#include "script/sitebestanden.h"

#include <QString>
#include <QStringList>

#include <array>

// What the sign-off site would show with the window's current settings: the four name
// boxes as its VulCombo fills them, and the ticked play dates. Nothing is written.
struct SiteVoorbeeld {
    std::array<QString, 4> namen;      // the box names (txtB1)
    std::array<QStringList, 4> vakken; // the entries of each box, in the site's order
    QStringList dagen;                 // the ticked play dates as long dates
    ScriptInvoer invoer;               // what hovelink.js would be made of, but the header
};

// Built by the same steps as the script. Leaving with OK copies box 0 into box 1 when
// "Toon Partner op website" is ticked; the preview does the same on its own copy.
SiteVoorbeeld MaakSiteVoorbeeld(const AfmeldGegevens& gegevens, GroepFrame groepen);

// The real site in a new folder under `tijdelijk`, for the browser: our site's files, a
// hovelink.js made from `voorbeeld` and `kop` (nothing of the play moment is written), and
// the logo it shows. The page to open, or a message for the user.
Uitkomst<QString> SchrijfSiteVoorbeeld(const SiteVoorbeeld& voorbeeld, const KopInstellingen& kop,
                                       const QString& MapKop, const QString& tijdelijk);
