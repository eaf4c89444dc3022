#include "upload/overdracht.h"

#include "common/tekst.h"
#include "upload/bekendeservers.h"
#include "upload/curlsessie.h"
#include "upload/overdrachtmeldingen.h"

#include <QRandomGenerator>

using Afloop = OverdrachtResultaat::Afloop;
namespace M = OverdrachtMeldingen;

namespace {

// What the server holds after a failed step, for the last line of the message.
enum class Gevolg { Geen,
                    NietGewijzigd,
                    OudAlsReserve,
                    NieuwOngecontroleerd };

struct Mislukking {
    Mislukking(Fout f, Stap s, QString b, Gevolg g = Gevolg::NietGewijzigd, QString r = {})
        : fout(f), stap(s), bestand(std::move(b)), gevolg(g), reserve(std::move(r))
    {
    }
    Fout fout;
    Stap stap;
    QString bestand;
    Gevolg gevolg;
    QString reserve; // the old file's name on the server, when it could not go back
};

OverdrachtResultaat Resultaat(const Mislukking& m, const CurlSessie& sessie, const Verbinding& v)
{
    OverdrachtResultaat r;
    r.afloop = Afloop::Fout;
    if (m.fout == Fout::Vertrouwen && (sessie.WasBekend() || !sessie.GezienSleutel().teBewaren.isEmpty())) {
        r.afloop = sessie.WasBekend() ? Afloop::GewijzigdeServer : Afloop::OnbekendeServer;
        r.vingerafdruk = sessie.GezienSleutel().vingerafdruk;
        r.teBewaren = sessie.GezienSleutel().teBewaren;
        r.melding = sessie.WasBekend() ? M::GewijzigdeServer(v, r.vingerafdruk) : M::OnbekendeServer(v, r.vingerafdruk);
        return r;
    }
    if (m.fout == Fout::Geannuleerd)
        r.afloop = Afloop::Geannuleerd;
    r.melding = M::Oorzaak(m.fout, m.stap, v, m.bestand, sessie.LaatsteCode());
    switch (m.gevolg) {
    case Gevolg::Geen:
        break;
    case Gevolg::NietGewijzigd:
        r.melding += Tekst::CrLf + M::NietGewijzigd(m.bestand);
        break;
    case Gevolg::OudAlsReserve:
        r.melding += Tekst::CrLf + M::OudAlsReserve(m.bestand, m.reserve);
        break;
    case Gevolg::NieuwOngecontroleerd:
        r.melding += Tekst::CrLf + M::NieuwOngecontroleerd(m.bestand);
        break;
    }
    return r;
}

// Unique per upload, so that two uploads to one folder never share a temporary file.
QString Kenmerk()
{
    return QString::number(QRandomGenerator::system()->generate64(), 36);
}

// After a failure the step that tidies up may not be cancelled, but may not hang either.
struct Opruimen {
    CurlSessie& sessie;
    explicit Opruimen(CurlSessie& s) : sessie(s) { sessie.ZetAnnuleerbaar(false); }
    ~Opruimen() { sessie.ZetAnnuleerbaar(true); }
};

// After a failed rename the server is asked what it holds, because a connection that broke
// may have broken before or after the rename: the site must end up with a whole file.
std::optional<Mislukking> Herstel(CurlSessie& sessie, Fout fout, const QString& tijdelijk, const QString& naam,
                                  const QString& reserve, bool bestond)
{
    Mislukking mislukt{fout, Stap::Vervangen, naam, Gevolg::NietGewijzigd, reserve};
    QStringList namen; // the session opens a new connection when the old one broke
    if (sessie.Namen(namen) != Fout::Geen) {
        if (bestond)
            mislukt.gevolg = Gevolg::OudAlsReserve;
        return mislukt;
    }
    if (namen.contains(naam) && !namen.contains(tijdelijk)) {
        sessie.Verwijder(reserve); // the new file made it after all
        return std::nullopt;
    }
    if (!namen.contains(naam) && namen.contains(reserve) && sessie.Hernoem(reserve, naam) != Fout::Geen)
        mislukt.gevolg = Gevolg::OudAlsReserve;
    sessie.Verwijder(tijdelijk);
    return mislukt;
}

// Puts the uploaded `tijdelijk` in the place of `naam`. The old file keeps existing under
// `reserve` until the new one is in place, and goes back on any failure.
std::optional<Mislukking> Vervang(CurlSessie& sessie, const Verbinding& v, const QString& tijdelijk,
                                  const QString& naam, const QString& reserve, bool bestond)
{
    const Opruimen zonderAnnuleren(sessie);
    // FTP servers mostly replace a file in the rename itself; SFTP servers refuse to.
    if (!bestond || v.protocol != Protocol::Sftp) {
        const Fout fout = sessie.Hernoem(tijdelijk, naam);
        if (fout == Fout::Geen)
            return std::nullopt;
        if (!bestond)
            return Herstel(sessie, fout, tijdelijk, naam, reserve, bestond);
    }
    for (const auto& [van, naar] : {std::pair{naam, reserve}, std::pair{tijdelijk, naam}})
        if (const Fout fout = sessie.Hernoem(van, naar); fout != Fout::Geen)
            return Herstel(sessie, fout, tijdelijk, naam, reserve, bestond);
    // A backup that cannot be removed is a hidden leftover, not a failure: the site is whole.
    sessie.Verwijder(reserve);
    return std::nullopt;
}

// A server trusted through the system's authorities is remembered after its first good
// connection, so that another key later is a changed server and not a first meeting.
Uitkomst<> Onthoud(const CurlSessie& sessie, const Verbinding& v)
{
    if (sessie.WasBekend() || sessie.GezienSleutel().teBewaren.isEmpty())
        return {};
    return BekendeServers::Bewaar(v.BekendeServersPad, BekendeServers::Sleutel(v.protocol, v.Server, v.Poort),
                                  sessie.GezienSleutel().teBewaren);
}

} // namespace

namespace Overdracht {

Uitkomst<void, Weigering> ControleerVelden(const Verbinding& verbinding)
{
    using Uit = Uitkomst<void, Weigering>;
    if (verbinding.Server.isEmpty())
        return Uit::Fout({Veld::Server, QStringLiteral("Vul de naam van de server in.")});
    if (verbinding.Gebruiker.isEmpty())
        return Uit::Fout({Veld::Gebruiker, QStringLiteral("Vul de gebruikersnaam in.")});
    if (verbinding.Wachtwoord.isEmpty())
        return Uit::Fout({Veld::Wachtwoord, QStringLiteral("Vul het wachtwoord in.")});
    // The library would fold "a/../b" into "b" in one step and not in another.
    for (const QString& deel : verbinding.Map.split(u'/'))
        if (deel == u"." || deel == u"..")
            return Uit::Fout({Veld::Map, QStringLiteral("Een map op de server mag geen '.' of '..' als deel hebben.")});
    return {};
}

OverdrachtResultaat TestVerbinding(const Verbinding& verbinding, const std::atomic<bool>& annuleren)
{
    CurlSessie sessie(verbinding, annuleren);
    QStringList namen;
    if (const Fout fout = sessie.Namen(namen); fout != Fout::Geen) {
        OverdrachtResultaat r = Resultaat(Mislukking{fout, Stap::Verbinden, QString(), Gevolg::Geen}, sessie, verbinding);
        if (fout == Fout::Geannuleerd)
            r.melding = QStringLiteral("De test van de verbinding is geannuleerd.");
        return r;
    }
    OverdrachtResultaat resultaat;
    resultaat.onthouden = Onthoud(sessie, verbinding);
    return resultaat;
}

OverdrachtResultaat Verstuur(const Verbinding& verbinding, const QList<TeVersturen>& bestanden,
                             const Voortgang& voortgang, const std::atomic<bool>& annuleren)
{
    qint64 totaal = 0;
    for (const TeVersturen& bestand : bestanden)
        totaal += bestand.Inhoud.size();
    qint64 klaar = 0;

    CurlSessie sessie(verbinding, annuleren);
    QStringList namen;
    if (const Fout fout = sessie.Namen(namen); fout != Fout::Geen)
        return Resultaat(Mislukking{fout, Stap::Verbinden, QString(), Gevolg::Geen}, sessie, verbinding);

    OverdrachtResultaat resultaat;
    const QString kenmerk = Kenmerk();
    for (const TeVersturen& bestand : bestanden) {
        const QString& naam = bestand.Naam;
        const qsizetype grootte = bestand.Inhoud.size();
        const bool bestond = namen.contains(naam);
        if (bestond && sessie.IsMap(naam)) {
            OverdrachtResultaat r;
            r.afloop = Afloop::Fout;
            r.melding = M::MapInDeWeg(naam) + Tekst::CrLf + M::NietGewijzigd(naam);
            return r;
        }
        GecontroleerdBestand gecontroleerd{naam, grootte};
        QByteArray opServer;
        if (bestand.AlleenAlsAnders && bestond) {
            // One byte more than sent is enough to know that it differs.
            const Fout fout = sessie.Lees(naam, opServer, grootte + 1);
            if (fout != Fout::Geen && fout != Fout::TeGroot && fout != Fout::NietGevonden)
                return Resultaat(Mislukking{fout, Stap::Vergelijken, naam}, sessie, verbinding);
            gecontroleerd.Verstuurd = fout != Fout::Geen || opServer != bestand.Inhoud;
        }
        if (gecontroleerd.Verstuurd) {
            const QString tijdelijk = u'.' + naam + u'.' + kenmerk + QStringLiteral(".upload");
            const QString reserve = u'.' + naam + u'.' + kenmerk + QStringLiteral(".vorige");
            const std::function<void(qint64)> vordering = [&](qint64 gedaan) {
                if (voortgang)
                    voortgang(klaar + qMin(gedaan, qint64(grootte)), totaal);
            };
            if (Fout fout = sessie.Schrijf(tijdelijk, bestand.Inhoud, vordering); fout != Fout::Geen) {
                const Opruimen zonderAnnuleren(sessie);
                // An SFTP server that refuses a write halfway (a full disk) and one that drops the
                // connection look alike to libcurl; when the server answers again, it may be either.
                QStringList nogDaar;
                if (fout == Fout::Verbroken && verbinding.protocol == Protocol::Sftp && sessie.Namen(nogDaar) == Fout::Geen)
                    fout = Fout::NietAangenomen;
                sessie.Verwijder(tijdelijk);
                return Resultaat(Mislukking{fout, Stap::Schrijven, naam}, sessie, verbinding);
            }
            if (const auto mislukt = Vervang(sessie, verbinding, tijdelijk, naam, reserve, bestond))
                return Resultaat(*mislukt, sessie, verbinding);
            if (const Fout fout = sessie.Lees(naam, opServer, grootte); fout != Fout::Geen)
                return Resultaat(Mislukking{fout, Stap::Controleren, naam, Gevolg::NieuwOngecontroleerd}, sessie, verbinding);
            if (opServer != bestand.Inhoud) {
                OverdrachtResultaat fout;
                fout.afloop = Afloop::Fout;
                fout.melding = M::ControleMislukt(naam);
                return fout;
            }
        }
        klaar += grootte;
        if (voortgang)
            voortgang(klaar, totaal);
        resultaat.bestanden.append(gecontroleerd);
    }
    resultaat.onthouden = Onthoud(sessie, verbinding);
    return resultaat;
}

OverdrachtResultaat Haal(const Verbinding& verbinding, const QString& naam, qsizetype maximum,
                         const std::atomic<bool>& annuleren)
{
    CurlSessie sessie(verbinding, annuleren);
    // The listing tells a missing file from a missing folder, which the read alone cannot.
    QStringList namen;
    if (const Fout fout = sessie.Namen(namen); fout != Fout::Geen)
        return Resultaat(Mislukking{fout, fout == Fout::Geannuleerd ? Stap::Ophalen : Stap::Verbinden, QString(),
                                    Gevolg::Geen},
                         sessie, verbinding);
    OverdrachtResultaat resultaat;
    if (namen.contains(naam)) {
        QByteArray inhoud;
        if (const Fout fout = sessie.Lees(naam, inhoud, maximum); fout != Fout::Geen)
            return Resultaat(Mislukking{fout, Stap::Ophalen, naam, Gevolg::Geen}, sessie, verbinding);
        resultaat.opgehaald = inhoud;
    }
    resultaat.onthouden = Onthoud(sessie, verbinding);
    return resultaat;
}

} // namespace Overdracht
