#pragma once

#include "header/kopinstellingen.h"

#include <QImage>
#include <QString>

#include <optional>

// The logo picture of a play moment: a file of six digits and the picture's extension in
// the play-moment folder (MapKop), e.g. 000001.jpg.

// The filter of the logo choice: the classic entry first, then the formats the site also shows.
inline const QString LogoFilter =
    QStringLiteral("Graphic Files (*.bmp *.gif *.jpg *.ico);;PNG (*.png);;JPEG (*.jpeg)");

// Where the logo choice starts: the Pictures folder of USERPROFILE (or of the user), else,
// when that folder does not exist, the profile (home) folder itself.
QString LogoStartMap();

// The part of the file name from its last "." on, e.g. ".jpg"; nothing when the name has no ".".
std::optional<QString> LogoExtensie(const QString& pad);

// True for a plain name of a picture file (.jpg, .bmp, .gif, .ico, .png, .jpeg, any case)
// without folder parts, so `logofile` can never reach outside the play-moment folder.
bool GeldigeLogoNaam(const QString& naam);

// The first of 000001, 000002, ... 999999 plus `extensie` that does not exist in MapKop;
// empty when every name is taken.
QString VrijeLogoNaam(const QString& MapKop, const QString& extensie);

// The picture the preview shows: the newly chosen file, else the stored logo, else empty.
QString HuidigLogo(const QString& MapKop, const QString& NieuwLogo, const KopInstellingen& kop);

// A newly chosen picture is copied to a free name first and becomes `logofile`; without
// one the stored logo keeps its file and name, so the picture already on the site stays
// valid. Then every other picture in MapKop is deleted. A failed copy (silent) keeps the
// stored logo if it still exists; `logofile` never names a missing file.
void BewaarLogo(const QString& MapKop, const QString& NieuwLogo, KopInstellingen& kop);

// True when the bytes are a picture Qt would load: what is sent to the site as the logo.
bool IsAfbeelding(const QByteArray& bytes);

// The logo that the header names (logojn 1) must be in MapKop before a script names it. A
// header carried over from another play moment names a picture of that moment's folder:
// it is copied here. False, with nothing changed, when it is neither here nor can be
// brought here.
bool ZorgVoorLogo(const QString& MapKop, const KopInstellingen& kop);

// What the designer says to a file offered as a logo. Reads only the picture's header: a file
// without an extension, or one Qt cannot read or would not load, is refused; one over 1 MB
// is taken with a warning (every visitor downloads it).
struct LogoOordeel {
    bool genomen = true;
    QString melding; // empty: nothing to say
};
LogoOordeel BeoordeelLogo(const QString& pad);

// The picture at its natural size; nothing when it is missing, not a picture or too large.
std::optional<QImage> LaadAfbeelding(const QString& pad);
