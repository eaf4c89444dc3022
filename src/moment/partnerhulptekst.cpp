#include "moment/partnerhulptekst.h"

#include "common/tekst.h"

#include <QStringList>

QString PartnerHulpTekst()
{
    const QStringList regels{
        QStringLiteral("\t\tGebruik 'Toon Partner'"),
        QString(),
        QStringLiteral("Wanneer u hiervoor kiest, wordt bij het afmelden op de 'Afmeldsite' "
                       "automatisch de naam van de 'vaste' partner getoond."),
        QStringLiteral("De partner-naam hoeft dan niet meer te worden ingegeven."),
        QString(),
        QStringLiteral("Voorwaarde is, dat in 'SpelerAdministratie > Onderhoud paren' elk lid "
                       "aan zijn of haar vaste (speel-)partner is gekoppeld."),
        QString(),
        QStringLiteral("Heeft een lid tijdelijk GEEN vaste partner, maak dan gebruik van "
                       "een fictief lid, dat is aangemaakt met de naam 'PartnerX'."),
        QStringLiteral("(voor 'X' kiest u een logisch volgnummer, bv '0' t/m '9') "),
        QStringLiteral("U kunt een lid dan tijdelijk koppelen aan zo'n fictief lid."),
        QString(),
    };
    return regels.join(Tekst::CrLf) + Tekst::CrLf;
}
