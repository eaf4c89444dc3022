#include "moment/afmeldadressen.h"

#include "common/meldingen.h"
#include "common/tekst.h"

void VulAfmeldadressen(Afmeldadressen& adressen, Meldingen& meldingen)
{
    QString tekst = Tekst::Trim(adressen.txtEmailadressen);
    if (tekst.isEmpty())
        return;
    const QString dubbel = Tekst::CrLf + Tekst::CrLf;
    while (tekst.contains(dubbel))
        tekst.replace(dubbel, Tekst::CrLf);
    while (tekst.endsWith(Tekst::CrLf))
        tekst.chop(Tekst::CrLf.size());

    QStringList regels = tekst.split(Tekst::CrLf);
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
