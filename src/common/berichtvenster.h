#pragma once

#include "common/meldingen.h"

class QWidget;

// The real message boxes: QMessageBox over the active window, titled "Hovelink" unless the
// message has a title of its own.
class BerichtVenster : public Meldingen {
public:
    Antwoord Toon(const QString& tekst, Pictogram pictogram, Knoppen knoppen = Knoppen::Ok,
                  const QString& titel = {}) override;
};
