#pragma once

#include <QString>

// Every message to the user goes through this interface, so that logic can report in
// Dutch without a window, and tests can record messages and answer questions.
class Meldingen {
public:
    enum class Pictogram { Geen,
                           Uitroep,
                           Informatie,
                           Kritiek };
    enum class Knoppen { Ok,
                         OkAnnuleren,
                         JaNee };
    enum class Antwoord { Ok,
                          Annuleren,
                          Ja,
                          Nee };

    virtual ~Meldingen() = default;

    // Shows `tekst` and waits for the answer. `titel` empty means the application's title.
    virtual Antwoord Toon(const QString& tekst, Pictogram pictogram, Knoppen knoppen = Knoppen::Ok,
                          const QString& titel = {}) = 0;
};
