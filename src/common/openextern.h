#pragma once

#include <QString>

class Meldingen;
class QObject;

// Opening files and folders with the desktop's own programs.
namespace OpenExtern {

// What the user is told when `pad` could not be opened: where it is, so it can be opened by
// hand.
QString NietGeopend(const QString& pad);

// Opens a document or folder with the program the desktop associates with it. When that
// fails (no opener, or the opener ends with an error status), the user gets NietGeopend.
// The opener's answer may come later; it is not awaited once `context` is gone.
void Open(const QString& pad, Meldingen& meldingen, QObject* context);

// Opens the user guide in `programmaMap`; says so when it is not there.
void OpenHandleiding(const QString& programmaMap, Meldingen& meldingen, QObject* context);

} // namespace OpenExtern
