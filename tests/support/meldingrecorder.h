#pragma once

#include "common/meldingen.h"

#include <QList>
#include <QQueue>

// Records every message and answers questions with pre-set answers (default: the first
// button, OK or Yes), so tests never race a modal box.
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
