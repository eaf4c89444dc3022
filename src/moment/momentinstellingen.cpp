#include "moment/momentinstellingen.h"

#include "common/instellingen.h"
#include "common/meldingen.h"
#include "common/tekst.h"
#include "members/spelergroepen.h"

#include <optional>

namespace {

// The keys in write order, as written; the reader matches them upper-cased in this order.
enum class Sleutel {
    Van,
    Tot,
    Chk1,
    Chk2,
    ChkPook,
    ContPers,
    Txtb2a,
    Txtb2b,
    Txtb2c,
    Txtb2d,
    Eindtijd,
    Eadressen,
    Actemails,
    Dagen,
    LedenBest,
    Partnerbest,
    Toonpartner,
};

constexpr std::array<QStringView, 17> Sleutels{
    u"Van=", u"Tot=", u"chk1=", u"chk2=", u"chkPook=", u"ContPers=",
    u"txtb2a=", u"txtb2b=", u"txtb2c=", u"txtb2d=", u"eindtijd=", u"Eadressen=",
    u"actemails=", u"dagen=", u"LedenBest=", u"Partnerbest=", u"Toonpartner="};

// The address text is stored on one line: each CR LF becomes "##".
const QString Hekjes = QStringLiteral("##");

QString Regel(Sleutel sleutel, const QString& waarde)
{
    return Sleutels.at(static_cast<size_t>(sleutel)).toString() + waarde;
}

std::optional<Sleutel> HerkenSleutel(const QString& regel)
{
    for (size_t i = 0; i < Sleutels.size(); ++i) {
        if (Instellingen::Past(regel, Sleutels.at(i).toString().toUpper()))
            return static_cast<Sleutel>(i);
    }
    return std::nullopt;
}

std::optional<qint16> Vinkvak(const QString& waarde)
{
    const std::optional<qint16> staat = Instellingen::Geheel16(waarde);
    if (!staat || *staat < 0 || *staat > 2)
        return std::nullopt;
    return staat;
}

// A hand-edited file may hold several over-long address lines: the user hears it once.
class EenMelding : public Meldingen {
public:
    explicit EenMelding(Meldingen& meldingen) : m_meldingen(meldingen) {}
    Antwoord Toon(const QString& tekst, Pictogram pictogram, Knoppen knoppen, const QString& titel) override
    {
        if (m_getoond)
            return Antwoord::Ok;
        m_getoond = true;
        return m_meldingen.Toon(tekst, pictogram, knoppen, titel);
    }

private:
    Meldingen& m_meldingen;
    bool m_getoond = false;
};

// Applies one line; false when its value cannot be applied, which ends the reading.
bool PasToe(Sleutel sleutel, const QString& waarde, MomentVenster& venster, BewaardeMoment& bewaard,
            Meldingen& meldingen)
{
    switch (sleutel) {
    case Sleutel::Van: {
        const QDate datum = QDate::fromString(Tekst::Trim(waarde), Qt::ISODate);
        if (!datum.isValid())
            return false;
        bewaard.Startdatum = datum;
        return true;
    }
    case Sleutel::Tot: {
        const std::optional<qint16> index = Instellingen::Geheel16(waarde);
        if (!index)
            return false;
        bewaard.TotIndex = *index;
        return true;
    }
    case Sleutel::Chk1:
    case Sleutel::Chk2:
    case Sleutel::ChkPook: {
        const std::optional<qint16> staat = Vinkvak(waarde);
        if (!staat)
            return false;
        qint16& vak = sleutel == Sleutel::Chk1   ? venster.chk1
                      : sleutel == Sleutel::Chk2 ? venster.chk2
                                                 : venster.chkPartnerOok;
        vak = *staat;
        return true;
    }
    case Sleutel::ContPers:
        venster.txtContactPers = waarde;
        return true;
    case Sleutel::Txtb2a:
    case Sleutel::Txtb2b:
    case Sleutel::Txtb2c:
    case Sleutel::Txtb2d:
        venster.txtB2.at(static_cast<size_t>(sleutel) - static_cast<size_t>(Sleutel::Txtb2a)) =
            waarde;
        return true;
    case Sleutel::Eindtijd:
        venster.txtEindtijd = waarde;
        return true;
    case Sleutel::Eadressen:
        venster.adressen.txtEmailadressen = QString(waarde).replace(Hekjes, Tekst::CrLf);
        VulAfmeldadressen(venster.adressen, meldingen);
        return true;
    case Sleutel::Actemails: {
        QList<Vinkregel>& rijen = venster.adressen.lstActEmails;
        for (const int rij : Rijlijst::Lees(waarde)) {
            if (rij < 0 || rij >= rijen.size())
                return false;
            rijen[rij].aangevinkt = true;
        }
        if (!rijen.isEmpty())
            venster.adressen.lstActEmailsHuidig = 0;
        return true;
    }
    case Sleutel::Dagen:
        bewaard.BewaardeDagen = waarde;
        return true;
    case Sleutel::LedenBest:
        bewaard.BewaardeLedenBest = waarde;
        return true;
    case Sleutel::Partnerbest:
        bewaard.BewaardPartnerbest = waarde;
        return true;
    case Sleutel::Toonpartner: {
        const std::optional<qint16> staat = Instellingen::Geheel16(waarde);
        if (!staat)
            return false;
        bewaard.BewaardToonPartner = *staat;
        return true;
    }
    }
    return false;
}

} // namespace

Uitkomst<> BewaarInstellingen(const QString& pad, const MomentVenster& venster)
{
    QStringList groepen;
    for (const QString& rij : venster.lst1Gekozen)
        groepen.append(RijSleutel(rij));
    // Only ticks of rows that the stored text gives back: an address box emptied by the user
    // keeps its old rows, and their ticks would end the next reading before the dates,
    // groups and partner file.
    const qsizetype adresrijen = qMin<qsizetype>(
        qMin<qsizetype>(Afmeldregels(venster.adressen.txtEmailadressen).size(), MaxAfmeldadressen),
        venster.adressen.lstActEmails.size());

    const QStringList regels{
        Regel(Sleutel::Van, venster.cmbVanSleutel),
        Regel(Sleutel::Tot, QString::number(venster.cmbTotIndex)),
        Regel(Sleutel::Chk1, QString::number(venster.chk1)),
        Regel(Sleutel::Chk2, QString::number(venster.chk2)),
        Regel(Sleutel::ChkPook, QString::number(venster.chkPartnerOok)),
        Regel(Sleutel::ContPers, Tekst::Trim(venster.txtContactPers)),
        Regel(Sleutel::Txtb2a, Tekst::Trim(venster.txtB2.at(0))),
        Regel(Sleutel::Txtb2b, Tekst::Trim(venster.txtB2.at(1))),
        Regel(Sleutel::Txtb2c, Tekst::Trim(venster.txtB2.at(2))),
        Regel(Sleutel::Txtb2d, Tekst::Trim(venster.txtB2.at(3))),
        Regel(Sleutel::Eindtijd, Tekst::Trim(venster.txtEindtijd)),
        // The empty line after the addresses is part of the format.
        Regel(Sleutel::Eadressen,
              QString(venster.adressen.txtEmailadressen).replace(Tekst::CrLf, Hekjes)),
        QString(),
        Regel(Sleutel::Actemails, Rijlijst::Schrijf(venster.adressen.lstActEmails.first(adresrijen))),
        Regel(Sleutel::Dagen, Rijlijst::Schrijf(venster.lstDagen)),
        Regel(Sleutel::LedenBest, groepen.join(u',')),
        Regel(Sleutel::Partnerbest, venster.cmbPartner),
        Regel(Sleutel::Toonpartner, QString::number(venster.chkToonPartner)),
    };
    return TekstBestand::SchrijfRegels(pad, regels);
}

void LeesInstellingen(const QString& pad, MomentVenster& venster, BewaardeMoment& bewaard,
                      qint32& kopvakho, Meldingen& meldingen)
{
    bewaard.BewaardeDagen.clear();
    bewaard.BewaardeLedenBest.clear();
    bewaard.BewaardPartnerbest.clear();
    bewaard.BewaardToonPartner = 0;

    const Uitkomst<QStringList> regels = TekstBestand::LeesRegels(pad);
    if (!regels)
        return;
    EenMelding eenMelding(meldingen);
    for (const QString& regel : regels.waarde()) {
        const std::optional<Sleutel> sleutel = HerkenSleutel(regel);
        if (!sleutel) {
            if (kopvakho == 0)
                kopvakho = 100;
            continue;
        }
        if (!PasToe(*sleutel, Instellingen::Waarde(regel), venster, bewaard, eenMelding))
            return;
    }
}
