#pragma once

class QFocusEvent;
class QObject;
class QWidget;

namespace VensterFocus {

// Whether the box `vak` that just lost the focus is being left for another control of
// `venster`, which is when its check runs. The new focus is already set when the old one
// hears of it. Another window or program (a message box included), a context menu or the
// button `behalve` (the user may always cancel, unchecked) leaves the box as it is.
bool VerlaatNaarControl(const QWidget& venster, const QObject* vak, const QFocusEvent& gebeurtenis,
                        const QWidget* behalve);

} // namespace VensterFocus
