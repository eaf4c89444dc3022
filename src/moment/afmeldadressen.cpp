#include "moment/afmeldadressen.h"

#include "common/meldingen.h"
#include "common/tekst.h"

QStringList Afmeldregels(const QString& tekst)
{
    QString s = Tekst::Trim(tekst);
    if (s.isEmpty())
        return {};
    const QString dubbel = Tekst::CrLf + Tekst::CrLf;
    while (s.contains(dubbel))
        s.replace(dubbel, Tekst::CrLf);
    while (s.endsWith(Tekst::CrLf))
        s.chop(Tekst::CrLf.size());
    return s.split(Tekst::CrLf);
}

void VulAfmeldadressen(Afmeldadressen& adressen, Meldingen& meldingen)
{
    QStringList regels = Afmeldregels(adressen.txtEmailadressen);
    if (regels.isEmpty())
        return;
    if (regels.size() > MaxAfmeldadressen) {
        regels.resize(MaxAfmeldadressen);
        meldingen.Toon(QStringLiteral("Er kunnen maximaal 100 afmeldadressen worden gebruikt; de "
                                      "overige zijn weggelaten."),
                       Meldingen::Pictogram::Uitroep);
    }

    adressen.txtEmailadressen = regels.join(Tekst::CrLf) + Tekst::CrLf;
    adressen.lstActEmails.clear();
    for (const QString& regel : regels)
        adressen.lstActEmails.append({regel, false});
    adressen.lstActEmailsHuidig = 0;
}

bool VerlaatAdresvak(Afmeldadressen& adressen, const QString& tekst, Meldingen& meldingen)
{
    if (tekst == adressen.txtEmailadressen)
        return false;
    adressen.txtEmailadressen = tekst;
    VulAfmeldadressen(adressen, meldingen);
    return true;
}
