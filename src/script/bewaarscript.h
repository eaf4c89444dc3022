#pragma once

#include "common/meldingen.h"

#include <QByteArray>
#include <QString>

namespace Script {

// Writes the script bytes to `pad` and tells the user that the script of `speeldag` was
// made and must be uploaded. When it cannot be written the user gets a critical message,
// the previous file stays whole, and the result is false.
bool BewaarScript(const QString& pad, const QByteArray& bytes, const QString& speeldag,
                  Meldingen& meldingen);

} // namespace Script
