#include "upload/overdracht.h"

#include "upload/curlsessie.h"
#include "upload/overdrachtmeldingen.h"

using Uitkomst = OverdrachtResultaat::Uitkomst;
using OverdrachtMeldingen::Stap;

namespace {

// The site never sees this name: the file gets its own name only when it is complete.
QString TijdelijkeNaam(const QString& naam) { return u'.' + naam + QStringLiteral(".upload"); }

OverdrachtResultaat Mislukt(CURLcode code, const CurlSessie& sessie, const Verbinding& v, Stap stap,
                            const QString& bestand)
{
    OverdrachtResultaat r;
    r.uitkomst = Uitkomst::Fout;
    if (code == CURLE_ABORTED_BY_CALLBACK) {
        r.uitkomst = Uitkomst::Geannuleerd;
        r.melding = OverdrachtMeldingen::Geannuleerd();
    } else if ((code == CURLE_PEER_FAILED_VERIFICATION || code == CURLE_SSL_PINNEDPUBKEYNOTMATCH) &&
               (sessie.WasBekend() || !sessie.GezienSleutel().teBewaren.isEmpty())) {
        r.uitkomst = sessie.WasBekend() ? Uitkomst::GewijzigdeServer : Uitkomst::OnbekendeServer;
        r.vingerafdruk = sessie.GezienSleutel().vingerafdruk;
        r.teBewaren = sessie.GezienSleutel().teBewaren;
        r.melding = sessie.WasBekend() ? OverdrachtMeldingen::GewijzigdeServer(v)
                                       : OverdrachtMeldingen::OnbekendeServer(v, r.vingerafdruk);
    } else {
        r.melding = OverdrachtMeldingen::Melding(code, v, stap, bestand, sessie.Fouttekst());
    }
    return r;
}

} // namespace

namespace Overdracht {

std::optional<std::pair<Veld, QString>> OntbrekendVeld(const Verbinding& verbinding)
{
    if (verbinding.Server.isEmpty())
        return std::pair{Veld::Server, QStringLiteral("Vul de naam van de server in.")};
    if (verbinding.Gebruiker.isEmpty())
        return std::pair{Veld::Gebruiker, QStringLiteral("Vul de gebruikersnaam in.")};
    if (verbinding.Wachtwoord.isEmpty())
        return std::pair{Veld::Wachtwoord, QStringLiteral("Vul het wachtwoord in.")};
    return std::nullopt;
}

OverdrachtResultaat TestVerbinding(const Verbinding& verbinding)
{
    CurlSessie sessie(verbinding);
    const CURLcode code = sessie.LeesMap();
    return code == CURLE_OK ? OverdrachtResultaat{} : Mislukt(code, sessie, verbinding, Stap::Map, QString());
}

OverdrachtResultaat Verstuur(const Verbinding& verbinding, const QList<TeVersturen>& bestanden,
                             const Voortgang& voortgang, const std::atomic<bool>& annuleren)
{
    qint64 totaal = 0;
    for (const TeVersturen& bestand : bestanden)
        totaal += bestand.Inhoud.size();
    qint64 klaar = 0;

    CurlSessie sessie(verbinding);
    if (const CURLcode code = sessie.LeesMap(); code != CURLE_OK)
        return Mislukt(code, sessie, verbinding, Stap::Map, QString());

    OverdrachtResultaat resultaat;
    for (const TeVersturen& bestand : bestanden) {
        if (annuleren)
            return Mislukt(CURLE_ABORTED_BY_CALLBACK, sessie, verbinding, Stap::Schrijven, bestand.Naam);
        QByteArray opServer;
        GecontroleerdBestand gecontroleerd{bestand.Naam, bestand.Inhoud.size()};
        if (bestand.AlleenAlsAnders) {
            const CURLcode code = sessie.Lees(bestand.Naam, opServer);
            if (code != CURLE_OK && code != CURLE_REMOTE_FILE_NOT_FOUND)
                return Mislukt(code, sessie, verbinding, Stap::Lezen, bestand.Naam);
            gecontroleerd.Verstuurd = code != CURLE_OK || opServer != bestand.Inhoud;
        }
        if (gecontroleerd.Verstuurd) {
            const auto vordering = [&](qint64 gedaan) {
                if (voortgang)
                    voortgang(klaar + gedaan, totaal);
                return !annuleren;
            };
            const QString tijdelijk = TijdelijkeNaam(bestand.Naam);
            if (const CURLcode code = sessie.Schrijf(tijdelijk, bestand.Naam, bestand.Inhoud, vordering);
                code != CURLE_OK) {
                // A fresh connection: the old one may be the one that broke.
                CurlSessie opruimen(verbinding);
                opruimen.Verwijder(tijdelijk);
                return Mislukt(code, sessie, verbinding, Stap::Schrijven, bestand.Naam);
            }
            if (const CURLcode code = sessie.Lees(bestand.Naam, opServer); code != CURLE_OK)
                return Mislukt(code, sessie, verbinding, Stap::Lezen, bestand.Naam);
            if (opServer != bestand.Inhoud) {
                OverdrachtResultaat fout;
                fout.uitkomst = Uitkomst::Fout;
                fout.melding = OverdrachtMeldingen::ControleMislukt(bestand.Naam);
                return fout;
            }
        }
        klaar += bestand.Inhoud.size();
        if (voortgang)
            voortgang(klaar, totaal);
        resultaat.bestanden.append(gecontroleerd);
    }
    return resultaat;
}

} // namespace Overdracht
