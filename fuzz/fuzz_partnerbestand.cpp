// A partner file: its first data item and the partner of every member number in it.
#include "fuzzsteun.h"
#include "members/partnerbestand.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> delen = FuzzSteun::Delen(FuzzSteun::Bytes(data, size), 2);
    const QString pad = FuzzSteun::Bestand(QStringLiteral("A1.txt"), delen.at(0));
    QString tekst = QStringLiteral("vooraf");
    LeesPartnerTekst(pad, tekst);
    FUZZ_EIS(tekst.startsWith(QStringLiteral("vooraf"))); // appended, never replaced
    tekst.remove(0, 6);
    FUZZ_EIS(tekst.size() <= delen.at(0).size());

    const Partnerbestand bestand = MaakPartnerbestand(tekst);
    const QStringList& paren = bestand.PartnerParen;
    // The member numbers of the pairs, and a number taken from the input.
    QStringList nummers{QString::fromLatin1(delen.at(1))};
    for (const QString& paar : paren)
        nummers += paar.split(u'-');
    for (const QString& nummer : nummers) {
        const QString record = QStringLiteral("01,Naam,A,") + nummer + QStringLiteral(",Jan Naam,0");
        const QString partner = ZoekPartner(bestand, record);
        // A partner is always the other half of some pair that holds the number.
        if (partner.isEmpty() || nummer.contains(u','))
            continue;
        bool gevonden = false;
        for (qsizetype i = 0; i + 1 < paren.size() && !gevonden; ++i) {
            const QStringList helften = paren.at(i).split(u'-');
            gevonden = helften.size() >= 2 &&
                       ((helften.at(0) == nummer && helften.at(1) == partner) ||
                        (helften.at(1) == nummer && helften.at(0) == partner));
        }
        FUZZ_EIS(gevonden);
    }
    FUZZ_EIS(ZoekPartner(bestand, QString()).isEmpty());
    return 0;
}
