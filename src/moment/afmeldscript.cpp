#include "moment/afmeldscript.h"

#include "members/ledennaartabellen.h"
#include "members/partnerbestand.h"
#include "script/bewaarscript.h"
#include "script/maakscript.h"

namespace {

QStringList Aangevinkt(const QList<Vinkregel>& rijen)
{
    QStringList uit;
    for (const Vinkregel& rij : rijen) {
        if (rij.aangevinkt)
            uit.append(rij.tekst);
    }
    return uit;
}

} // namespace

ScriptInvoer AfmeldInvoer(const AfmeldGegevens& gegevens, const GroepFrame& groepen, const KopInstellingen& kop)
{
    ScriptInvoer invoer;
    invoer.txtClubnaam = gegevens.clubnaam;
    invoer.cmbSpeeldag = gegevens.speeldag;
    invoer.chkToonInvallers = gegevens.chkToonInvallers;
    invoer.chk1 = gegevens.chk1;
    invoer.chk2 = gegevens.chk2;
    invoer.chkToonPartner = groepen.chkToonPartner.waarde;
    invoer.chkPartnerOok = groepen.chkPartnerOok.waarde;
    invoer.txtContactPers = gegevens.txtContactPers;
    invoer.txtEindtijd = gegevens.txtEindtijd;
    invoer.lstActEmails = Aangevinkt(gegevens.adressen);
    invoer.lstDagen = Aangevinkt(gegevens.dagen);
    invoer.txtB1 = gegevens.txtB1;
    for (int i = 0; i < 4; ++i)
        invoer.txtB2[i] = groepen.txtB2[i].tekst;
    invoer.kop = kop;
    invoer.leden = LedenNaarTabellen(groepen.ListH);
    invoer.partners.append(QString());
    if (invoer.chkToonPartner == 1) {
        const Partnerbestand paren = LeesPartnerbestand(gegevens.MapTwk, groepen.cmbPartner.Tekst());
        for (const QString& record : groepen.ListH)
            invoer.partners.append(ZoekPartner(paren, record));
    }
    return invoer;
}

bool MaakAfmeldScript(const QString& pad, const AfmeldGegevens& gegevens, const GroepFrame& groepen,
                      const KopInstellingen& kop, Meldingen& meldingen)
{
    if (groepen.ListH.isEmpty()) {
        meldingen.Toon(QStringLiteral("Er wordt g\u00E9\u00E9n scriptbestand aangemaakt want er moeten spelers "
                                      "beschikbaar zijn!"),
                       Meldingen::Pictogram::Uitroep);
        return false;
    }
    return Script::BewaarScript(pad, Script::MaakScriptBestand(AfmeldInvoer(gegevens, groepen, kop)),
                                gegevens.speeldag, meldingen);
}
