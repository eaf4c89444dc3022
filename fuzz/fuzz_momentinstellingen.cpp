// A play moment's settings file as edited by hand: what the window stores again reads back.
#include "common/tekst.h"
#include "fuzzsteun.h"
#include "moment/momentinstellingen.h"

void FuzzDoel(const QByteArray& invoer)
{
    MomentVenster v, terug;
    BewaardeMoment b, t;
    qint32 kopvakho = 0;
    FuzzMeldingen m;
    LeesInstellingen(FuzzSteun::Bestand(QStringLiteral("moment.ini"), invoer), v, b, kopvakho, m);
    FUZZ_EIS((kopvakho == 0 || kopvakho == 100) && m.aantal <= 1 && v.adressen.lstActEmails.size() <= MaxAfmeldadressen &&
             v.chk1 >= 0 && v.chk1 <= 2 && v.chk2 >= 0 && v.chk2 <= 2 && v.chkPartnerOok >= 0 && v.chkPartnerOok <= 2);
    v.cmbVanSleutel = (b.Startdatum.isValid() ? b.Startdatum : QDate(2025, 9, 1)).toString(Qt::ISODate);
    v.cmbTotIndex = b.TotIndex, v.cmbPartner = b.BewaardPartnerbest, v.chkToonPartner = b.BewaardToonPartner;
    FUZZ_EIS(BewaarInstellingen(FuzzSteun::Bestand(QStringLiteral("moment2.ini"), {}), v).gelukt());
    LeesInstellingen(FuzzSteun::Map() + QStringLiteral("/moment2.ini"), terug, t, kopvakho, m);
    FUZZ_EIS(kopvakho == 100 && terug.chk1 == v.chk1 && terug.chk2 == v.chk2 && terug.chkPartnerOok == v.chkPartnerOok);
    FUZZ_EIS(t.TotIndex == b.TotIndex && t.BewaardPartnerbest == b.BewaardPartnerbest && t.BewaardToonPartner == b.BewaardToonPartner);
    FUZZ_EIS(terug.txtB2[1] == Tekst::Trim(v.txtB2[1]) && terug.txtEindtijd == Tekst::Trim(v.txtEindtijd));
}
