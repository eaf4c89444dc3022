#include "moment/sitevoorbeeld.h"

#include "calendar/kalendertekst.h"
#include "common/paden.h"
#include "common/tekst.h"
#include "header/logobestand.h"
#include "script/maakscript.h"
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
    NeemPartnerGroepenOver(groepen);
    SiteVoorbeeld voorbeeld;
    voorbeeld.invoer = AfmeldInvoer(gegevens, groepen, KopInstellingen{});
    const Script::SiteGegevens site = Script::MaakSiteGegevens(voorbeeld.invoer);
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

Uitkomst<QString> SchrijfSiteVoorbeeld(const SiteVoorbeeld& voorbeeld, const KopInstellingen& kop,
                                       const QString& MapKop, const QString& tijdelijk)
{
    const QString map = SiteBestanden::NieuweVoorbeeldMap(tijdelijk);
    if (map.isEmpty())
        return Uitkomst<QString>::Fout(QStringLiteral("Er kon geen tijdelijke map voor het voorbeeld worden gemaakt in:") +
                                       Tekst::CrLf + Paden::Toon(tijdelijk));
    ScriptInvoer invoer = voorbeeld.invoer;
    invoer.kop = kop;
    const QString logo = kop.logojn != 0 ? HuidigLogo(MapKop, QString(), kop) : QString();
    return SiteBestanden::SchrijfVoorbeeld(map, Script::MaakScriptBestand(invoer), logo, kop.logofile);
}
