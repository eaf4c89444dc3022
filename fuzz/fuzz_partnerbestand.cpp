// A partner file: every number's partner is the other half of one of its pairs.
#include "fuzzsteun.h"
#include "members/partnerbestand.h"

#include <QRegularExpression>

void FuzzDoel(const QByteArray& invoer)
{
    QString tekst;
    LeesPartnerTekst(FuzzSteun::Bestand(QStringLiteral("A1.txt"), invoer), tekst);
    FUZZ_EIS(tekst.size() <= invoer.size());
    const Partnerbestand paren = MaakPartnerbestand(tekst);
    for (const QString& nummer : tekst.split(QRegularExpression(QStringLiteral("[#-]")))) {
        const QString partner = ZoekPartner(paren, QStringLiteral("01,Naam,A,") + nummer + QStringLiteral(",Jan Naam,0"));
        FUZZ_EIS(nummer.contains(u',') || partner.isEmpty() || tekst.contains(nummer + u'-' + partner) || tekst.contains(partner + u'-' + nummer));
    }
}
