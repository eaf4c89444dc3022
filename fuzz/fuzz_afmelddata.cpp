// The sign-offs a site has received: whatever the server sends, every row is a whole sign-off
// in order, every other line is counted, and the spreadsheet file has a line per row.
#include "fuzzsteun.h"
#include "upload/afmelddata.h"

void FuzzDoel(const QByteArray& invoer)
{
    const AfmeldData::Afmeldingen gelezen = AfmeldData::Lees(invoer);
    FUZZ_EIS(gelezen.beschadigd <= invoer.count('\n') + 1);
    FUZZ_EIS(gelezen.beschadigd == 0 || !AfmeldData::BeschadigdMelding(gelezen.beschadigd).isEmpty());
    for (qsizetype i = 0; i < gelezen.rijen.size(); ++i) {
        const AfmeldData::Rij& rij = gelezen.rijen.at(i);
        FUZZ_EIS(rij.speeldag.isValid() && rij.ontvangen.isValid() && !rij.namen[0].trimmed().isEmpty());
        FUZZ_EIS(i == 0 || gelezen.rijen.at(i - 1).speeldag <= rij.speeldag);
    }
    const QByteArray csv = AfmeldData::Csv(gelezen.rijen);
    FUZZ_EIS(csv.startsWith("\xEF\xBB\xBFSpeeldag;") && csv.endsWith("\r\n"));
    // Line breaks inside a field stay inside its quotes.
    qsizetype regels = 0;
    bool binnen = false;
    for (qsizetype i = 0; i < csv.size(); ++i) {
        binnen ^= csv.at(i) == '"';
        regels += !binnen && csv.at(i) == '\n';
    }
    FUZZ_EIS(!binnen && regels == gelezen.rijen.size() + 1);
}
