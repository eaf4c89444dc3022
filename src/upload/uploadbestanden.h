#pragma once

#include "common/uitkomst.h"
#include "upload/overdracht.h"

#include <QList>
#include <QString>

// What goes to the site for one play moment: our own site's files and the logo that
// hovelink.js shows, each when the server lacks it or holds other bytes, and hovelink.js
// itself, in that order, so the site never names a logo it does not have yet. Only plain
// files go, never what a link points to. The sign-offs the site has received
// (SiteBestanden::Afmelddata) are never among them. When a file cannot be sent, the
// message for the user.
Uitkomst<QList<TeVersturen>> BestandenVoorUpload(const QString& momentMap, const QString& naamScript);
