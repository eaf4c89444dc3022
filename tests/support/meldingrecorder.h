#pragma once

#include "common/meldingen.h"

#include <QList>
#include <QQueue>

// Records every message; answers questions as set, else with OK or Ja: no modal box to race.
class MeldingRecorder : public Meldingen {
public:
    struct Melding {
        QString tekst;
        Pictogram pictogram;
        Knoppen knoppen;
        QString titel;
    };

    Antwoord Toon(const QString& tekst, Pictogram pictogram, Knoppen knoppen = Knoppen::Ok,
                  const QString& titel = {}) override;

    void ZetVolgendAntwoord(Antwoord antwoord) { m_antwoorden.enqueue(antwoord); }

    QList<Melding> meldingen;
    QStringList Teksten() const;

private:
    QQueue<Antwoord> m_antwoorden;
};
