#include "moment/kolomkoppen.h"

QString KolomKoppen(const QString& eersteRegel)
{
    // "0001  01=(A1)  Anna Bakker": the group number stands two places before "=(", the
    // name two blanks after the ")" that closes the key. Without a line, one-letter keys.
    const qsizetype sleutel = eersteRegel.indexOf(u"=(");
    const qsizetype sluit = sleutel < 0 ? -1 : eersteRegel.indexOf(u')', sleutel);
    const qsizetype groep = sluit < 0 ? 6 : sleutel - 2;
    const qsizetype naam = sluit < 0 ? 15 : sluit + 3;
    QString koppen = QStringLiteral("Regel");
    // A caption never runs into the one before it.
    const auto zet = [&koppen](qsizetype kolom, const QString& kop) {
        koppen = koppen.leftJustified(qMax(kolom, koppen.size() + 1)) + kop;
    };
    zet(groep, QStringLiteral("LedenGrNr"));
    zet(naam, QStringLiteral("Speler"));
    return koppen;
}
