#include "moment/afmeldscript.h"

#include "common/tekst.h"
#include "header/logobestand.h"
#include "members/ledennaartabellen.h"
#include "members/partnerbestand.h"
#include "script/bewaarscript.h"
#include "script/maakscript.h"
#include "script/scripttekst.h"
#include "script/sitevakken.h"

#include <QFileInfo>

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

// Their codes run past 18 characters, and the site then offers them in every name box.
void MeldLangeLidnummers(const ScriptInvoer& invoer, Meldingen& meldingen)
{
    QStringList namen;
    for (qsizetype k = 1; k <= invoer.leden.Aantal() && namen.size() < 10; ++k) {
        QByteArray cijfers;
        Script::VoegCijfersToe(cijfers, invoer.leden.LidNummer.at(k), 6);
        if (cijfers.size() > 6 && Script::LidOpSite(invoer.leden.LidNaam.at(k), invoer.chkPartnerOok))
            namen.append(invoer.leden.LidNaam.at(k));
    }
    if (namen.isEmpty())
        return;
    meldingen.Toon(QStringLiteral("Let op: deze leden hebben een lidnummer van meer dan 6 cijfers; de afmeldsite "
                                  "toont hen in elk naamvak:") +
                       Tekst::CrLf + namen.join(Tekst::CrLf),
                   Meldingen::Pictogram::Uitroep);
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

ScriptUitkomst MaakAfmeldScript(const QString& pad, const AfmeldGegevens& gegevens, const GroepFrame& groepen,
                                const KopInstellingen& kop, Meldingen& meldingen)
{
    if (groepen.ListH.isEmpty()) {
        meldingen.Toon(QStringLiteral("Er wordt g\u00E9\u00E9n scriptbestand aangemaakt want er moeten spelers "
                                      "beschikbaar zijn!"),
                       Meldingen::Pictogram::Uitroep);
        return ScriptUitkomst::GeenLeden;
    }
    const ScriptInvoer invoer = AfmeldInvoer(gegevens, groepen, kop);
    MeldLangeLidnummers(invoer, meldingen);
    if (!ZorgVoorLogo(QFileInfo(pad).path(), kop))
        meldingen.Toon(QStringLiteral("Het logo '%1' van de kop staat niet in de map van deze speeldag en kon niet "
                                      "worden overgenomen. De afmeldsite toont het pas als u het opnieuw kiest met "
                                      "'Koptekst en logo instellen'.")
                           .arg(kop.logofile),
                       Meldingen::Pictogram::Uitroep);
    return Script::BewaarScript(pad, Script::MaakScriptBestand(invoer), gegevens.speeldag, meldingen)
               ? ScriptUitkomst::Geschreven
               : ScriptUitkomst::NietGeschreven;
}
