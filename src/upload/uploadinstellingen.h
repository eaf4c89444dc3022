#pragma once

#include "common/tekstbestand.h"
#include "upload/protocol.h"

#include <QMap>
#include <QString>

// Travenza/Upload.ini: how the club's site is reached, and the folder on the server per play
// moment. Never the password: that is asked each time or kept in the password store.
struct UploadInstellingen {
    Protocol protocol = Protocol::Sftp;
    QString Server;
    int Poort = 22;
    QString Gebruiker;
    bool Onthouden = false;        // the password is in the password store
    QMap<QString, QString> Mappen; // play moment -> folder on the server
};

namespace Upload {

inline const QString NaamUploadIni = QStringLiteral("Upload.ini");

// The folder of a play moment on the server: the saved one, else "/public_html/afm/" + name.
QString MapVoor(const UploadInstellingen& instellingen, const QString& speeldag);

// Texts lose their control characters and outer spaces on the way in and out: the file sits
// in the club's shared folder, and a pasted line break must never become a line of its own.
Uitkomst<> SchrijfUploadIni(const QString& pad, const UploadInstellingen& instellingen);

// Reads by the settings-file rules; a value that cannot be applied ends the reading there.
void LeesUploadIni(const QString& pad, UploadInstellingen& instellingen);

} // namespace Upload
