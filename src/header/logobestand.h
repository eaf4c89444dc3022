#pragma once

#include "header/kopinstellingen.h"

#include <QImage>
#include <QString>

#include <optional>

// The logo picture of a play moment: a file of six digits and the picture's extension in
// the play-moment folder (MapKop), e.g. 000001.jpg.

// The filter of the logo choice.
inline const QString LogoFilter = QStringLiteral("Graphic Files (*.bmp *.gif *.jpg *.ico)");

// Where the logo choice starts: USERPROFILE + "/Pictures" when USERPROFILE is set, else the
// user's pictures folder.
QString LogoStartMap();

// The part of the file name from its last "." on, e.g. ".jpg"; nothing when the name has no ".".
std::optional<QString> LogoExtensie(const QString& pad);

// The first of 000001, 000002, ... 999999 plus `extensie` that does not exist in MapKop;
// empty when every name is taken.
QString VrijeLogoNaam(const QString& MapKop, const QString& extensie);

// The picture the preview shows: the newly chosen file, else the stored logo, else empty.
QString HuidigLogo(const QString& MapKop, const QString& NieuwLogo, const KopInstellingen& kop);

// Copies the current logo picture to a free name and makes that `logofile`, then deletes
// every other .jpg, .bmp, .gif and .ico in MapKop. Copying first keeps a stored logo, or a
// chosen file that lies in MapKop, usable. When the copy fails (silently) `logofile` keeps
// naming the stored logo if that still exists, else it is emptied.
void BewaarLogo(const QString& MapKop, const QString& NieuwLogo, KopInstellingen& kop);

// The picture at its natural size; nothing when it is missing or not a picture.
std::optional<QImage> LaadAfbeelding(const QString& pad);
