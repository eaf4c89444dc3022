#pragma once

#include <QByteArray>
#include <QString>

// The logo a written hovelink.js shows: the site loads what the script says, whatever the
// header file of the play moment holds by now. Empty when the script shows no logo.
QString LogoVanScript(const QByteArray& script);
