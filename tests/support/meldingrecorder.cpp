#include "meldingrecorder.h"

Meldingen::Antwoord MeldingRecorder::Toon(const QString& tekst, Pictogram pictogram, Knoppen knoppen,
                                          const QString& titel)
{
    meldingen.append({tekst, pictogram, knoppen, titel});
    if (!m_antwoorden.isEmpty())
        return m_antwoorden.dequeue();
    return knoppen == Knoppen::JaNee ? Antwoord::Ja : Antwoord::Ok;
}

QStringList MeldingRecorder::Teksten() const
{
    QStringList uit;
    for (const Melding& m : meldingen)
        uit.append(m.tekst);
    return uit;
}
