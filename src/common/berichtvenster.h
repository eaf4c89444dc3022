#pragma once

#include "common/meldingen.h"

class QWidget;

// The real message boxes: QMessageBox over the active window, titled with the application's
// display name.
class BerichtVenster : public Meldingen {
public:
    Antwoord Toon(const QString& tekst, Pictogram pictogram, Knoppen knoppen = Knoppen::Ok,
                  const QString& titel = {}) override;
};
