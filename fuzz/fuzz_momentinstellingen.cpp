// The play-moment settings file: reading a hand-edited file never fails or takes a value
// the window cannot show, and writing what was read gives a file that reads back the same.
#include "common/tekst.h"
#include "fuzzsteun.h"
#include "moment/momentinstellingen.h"

namespace {

void Lees(const QString& pad, MomentVenster& venster, BewaardeMoment& bewaard, qint32& kopvakho)
{
    FuzzMeldingen meldingen;
    LeesInstellingen(pad, venster, bewaard, kopvakho, meldingen);
    FUZZ_EIS(kopvakho == 0 || kopvakho == 100);
    for (const qint16 staat : {venster.chk1, venster.chk2, venster.chkPartnerOok})
        FUZZ_EIS(staat >= 0 && staat <= 2);
    FUZZ_EIS(venster.adressen.lstActEmails.size() <= MaxAfmeldadressen);
    // A message only comes from cutting the address list.
    FUZZ_EIS(meldingen.aantal <= 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString pad = FuzzSteun::Bestand(QStringLiteral("moment.ini"), FuzzSteun::Bytes(data, size));
    MomentVenster venster;
    BewaardeMoment bewaard;
    qint32 kopvakho = 0;
    Lees(pad, venster, bewaard, kopvakho);

    // The window shows what was read and stores it again unchanged; its calendar always
    // has a first month.
    const QDate van = bewaard.Startdatum.isValid() ? bewaard.Startdatum : QDate(2025, 9, 1);
    venster.cmbVanSleutel = van.toString(Qt::ISODate);
    venster.cmbTotIndex = bewaard.TotIndex;
    venster.cmbPartner = bewaard.BewaardPartnerbest;
    venster.chkToonPartner = bewaard.BewaardToonPartner;
    const QString opnieuw = FuzzSteun::Bestand(QStringLiteral("moment2.ini"), {});
    FUZZ_EIS(BewaarInstellingen(opnieuw, venster).ok);

    MomentVenster terug;
    BewaardeMoment terugBewaard;
    qint32 terugKopvakho = 0;
    Lees(opnieuw, terug, terugBewaard, terugKopvakho);
    FUZZ_EIS(terugKopvakho == 100); // the empty line after the addresses
    FUZZ_EIS(terugBewaard.Startdatum == van);
    FUZZ_EIS(terugBewaard.TotIndex == bewaard.TotIndex);
    FUZZ_EIS(terug.chk1 == venster.chk1 && terug.chk2 == venster.chk2);
    FUZZ_EIS(terug.chkPartnerOok == venster.chkPartnerOok);
    FUZZ_EIS(terug.txtContactPers == Tekst::Trim(venster.txtContactPers));
    for (int i = 0; i < 4; ++i)
        FUZZ_EIS(terug.txtB2.at(i) == Tekst::Trim(venster.txtB2.at(i)));
    FUZZ_EIS(terug.txtEindtijd == Tekst::Trim(venster.txtEindtijd));
    // The file keeps line breaks as "##", so an address with "#" beside a line break cannot
    // come back as it was; that is the format.
    if (!venster.adressen.txtEmailadressen.contains(u'#'))
        FUZZ_EIS(terug.adressen.txtEmailadressen == venster.adressen.txtEmailadressen);
    // Blank address text after an earlier address line leaves that line's rows in the
    // window; the file keeps only the text, so they are gone when it is read again.
    const bool blanco = Afmeldregels(venster.adressen.txtEmailadressen).isEmpty();
    if (!venster.adressen.txtEmailadressen.contains(u'#'))
        FUZZ_EIS(terug.adressen.lstActEmails ==
                 (blanco ? QList<Vinkregel>() : venster.adressen.lstActEmails));
    FUZZ_EIS(terugBewaard.BewaardPartnerbest == bewaard.BewaardPartnerbest);
    FUZZ_EIS(terugBewaard.BewaardToonPartner == bewaard.BewaardToonPartner);
    return 0;
}
