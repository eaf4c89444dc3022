#include "moment/sitevoorbeeld.h"

#include "calendar/kalendertekst.h"
#include "script/sitevakken.h"

#include <QDate>

namespace {

// The date the script writes for a ticked row, as the user reads it.
QString Speeldatum(const QString& rij)
{
    const QString datum = KalenderTekst::DatumVanRegel(rij);
    const QDate dag = QDate::fromString(datum, QStringLiteral("yyyyMMdd"));
    return dag.isValid() ? KalenderTekst::LangeDatum(dag) : datum;
}

} // namespace

SiteVoorbeeld MaakSiteVoorbeeld(const AfmeldGegevens& gegevens, GroepFrame groepen)
{
    if (groepen.chkToonPartner.waarde == 1)
        groepen.txtB2[1].tekst = groepen.txtB2[0].tekst;
    const Script::SiteGegevens site = Script::MaakSiteGegevens(AfmeldInvoer(gegevens, groepen, KopInstellingen{}));
    SiteVoorbeeld voorbeeld;
    for (int k = 0; k < 4; ++k) {
        voorbeeld.namen[k] = gegevens.txtB1[k];
        for (const Script::SiteNaam& naam : Script::VulCombo(site, site.namen[k]))
            voorbeeld.vakken[k].append(naam.tekst);
    }
    for (const Vinkregel& rij : gegevens.dagen) {
        if (rij.aangevinkt)
            voorbeeld.dagen.append(Speeldatum(rij.tekst));
    }
    return voorbeeld;
}
