#pragma once

#include <QImage>

// The two example pictures of the site-structure help, drawn by our own code.
namespace SitestructuurPlaatjes {

// 340 x 295: the server's folder tree with afm/donderdag and the files of donderdag.
QImage Boom();

// 346 x 175: the folder list of afm and a rights dialog set to 0777.
QImage Rechten();

} // namespace SitestructuurPlaatjes
