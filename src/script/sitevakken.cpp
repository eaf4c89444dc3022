#include "script/sitevakken.h"

#include "common/ansi.h"
#include "script/groepfilter.h"
#include "script/scripttekst.h"

namespace Script {
namespace {

// A text as the site reads it back: the file is Windows-1252, so characters the code page
// lacks arrive as "?". The escapes of the script decode to the characters they stand for.
QString Rondgang(const QString& tekst) { return Ansi::Van(Ansi::Naar(tekst)); }

bool Dummy(const QString& tekst) { return QStringView(tekst).left(7) == u"Partner"; }

} // namespace

bool LidOpSite(const QString& naam, int chkPartnerOok)
{
    if (naam.isEmpty())
        return false;
    return !(chkPartnerOok == 0 && naam.size() > 6 &&
             QStringView(naam).left(7).compare(u"PARTNER", Qt::CaseInsensitive) == 0);
}

void VoegLidCodeToe(QByteArray& script, QStringView nummer, QStringView partner, QStringView groep)
{
    VoegCijfersToe(script, nummer, 6);
    VoegCijfersToe(script, partner.isEmpty() ? u"0" : partner, 9);
    VoegCijfersToe(script, groep, 3);
}

SiteGegevens MaakSiteGegevens(const ScriptInvoer& invoer)
{
    SiteGegevens site;
    site.lid.append({QLatin1String(KiesNaam), QLatin1String(KiesNaamCode)});
    for (qsizetype i = 1; i <= invoer.leden.Aantal(); ++i) {
        const QString& naam = invoer.leden.LidNaam.at(i);
        if (!LidOpSite(naam, invoer.chkPartnerOok))
            continue;
        QByteArray code;
        VoegLidCodeToe(code, invoer.leden.LidNummer.value(i),
                       invoer.chkToonPartner == 1 ? invoer.partners.value(i) : QString(),
                       invoer.leden.LidGroep.value(i));
        site.lid.append({Rondgang(naam), QString::fromLatin1(code)});
    }
    for (int k = 0; k < 4; ++k) {
        site.filters[k] = GroepFilter(invoer.txtB2.at(k), k);
        site.namen[k] = Rondgang(invoer.txtB1.at(k));
    }
    return site;
}

QList<SiteNaam> VulCombo(const SiteGegevens& site, const QString& cmbnaam)
{
    // The site's function step by step: boxes 0 and 2 refuse the dummies ("Partner" in
    // exact case), boxes 1 and 3 take them; a box name matching several names gets each rule
    // in turn, as the site's chain of ifs does.
    QList<SiteNaam> uit;
    for (const SiteNaam& lid : site.lid) {
        bool oke = false;
        const QString zoek = lid.code.mid(15, 3);
        for (int k = 0; k < 4; ++k) {
            if (cmbnaam != site.namen[k])
                continue;
            if (site.filters[k].contains(zoek))
                oke = true;
            if ((k == 0 || k == 2) && Dummy(lid.tekst))
                oke = false;
        }
        if (oke)
            uit.append(lid);
    }
    return uit;
}

} // namespace Script
