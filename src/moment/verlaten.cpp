#include "moment/verlaten.h"

#include "common/meldingen.h"
#include "common/tekst.h"

namespace {

// The questions on the window's state, once its group boxes are good. Blijven, Opslaan or
// (partner file missing) BewaardBlijven.
Vertrek ControleerVertrek(const VertrekStaat& staat, Meldingen& meldingen)
{
    if (!staat.datumGekozen) {
        meldingen.Toon(QStringLiteral("Er zijn g\u00E9\u00E9n speeldagen geselecteerd in de speelkalender!"),
                       Meldingen::Pictogram::Uitroep);
        return Vertrek::Blijven;
    }
    if (!staat.adresGekozen) {
        const Meldingen::Antwoord antwoord = meldingen.Toon(
            QStringLiteral("Er zijn nog g\u00E9\u00E9n Afmeld-emailadres(sen) geselecteerd!") + Tekst::CrLf +
                QStringLiteral("Dat is niet verplicht, wel een extra zekerheid.") + Tekst::CrLf + Tekst::CrLf +
                QStringLiteral("Wilt u toch doorgaan?."),
            Meldingen::Pictogram::Uitroep, Meldingen::Knoppen::JaNee);
        if (antwoord != Meldingen::Antwoord::Ja)
            return Vertrek::Blijven;
    }
    if (staat.partnerbestandOntbreekt) {
        meldingen.Toon(QStringLiteral("U hebt nog geen Partnerbestand gekozen") + Tekst::CrLf + Tekst::CrLf,
                       Meldingen::Pictogram::Geen);
        return Vertrek::BewaardBlijven;
    }
    return Vertrek::BewaardSluiten;
}

} // namespace

Vertrek Verlaat(bool afgebroken, const VertrekStappen& stappen, Meldingen& meldingen)
{
    if (afgebroken) {
        meldingen.Toon(QStringLiteral("Er is afgebroken, de wijzigingen worden niet bewaard!"),
                       Meldingen::Pictogram::Uitroep);
        return Vertrek::Afgebroken;
    }
    if (const Uitkomst<> eindtijd = stappen.eindtijdFout(); !eindtijd) {
        meldingen.Toon(eindtijd.melding(), Meldingen::Pictogram::Uitroep);
        return Vertrek::EindtijdFout;
    }
    if (!stappen.vakkenGoed())
        return Vertrek::Blijven;
    const Vertrek vertrek = ControleerVertrek(stappen.staat(), meldingen);
    if (vertrek == Vertrek::Blijven)
        return vertrek;
    if (stappen.schrijfScript() == ScriptUitkomst::NietGeschreven)
        return Vertrek::ScriptMislukt;
    stappen.scriptGeschreven();
    return stappen.bewaar() ? vertrek : Vertrek::NietBewaard;
}
