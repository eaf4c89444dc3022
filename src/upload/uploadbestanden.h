#pragma once

#include "upload/overdracht.h"

#include <QList>
#include <QString>

// What goes to the site for one play moment: hovelink.js always; the logo of the header
// settings (logofile when logojn is 1) only when the server lacks it or holds other bytes.
struct UploadBestanden {
    QList<TeVersturen> bestanden;
    QString fout; // for the user, when the script cannot be read
};

UploadBestanden BestandenVoorUpload(const QString& momentMap, const QString& naamScript);
