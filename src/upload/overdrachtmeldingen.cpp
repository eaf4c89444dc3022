#include "upload/overdrachtmeldingen.h"

#include "common/paden.h"
#include "common/tekst.h"

#include <QLocale>

namespace OverdrachtMeldingen {

namespace {

QString Rechten(const Verbinding& v)
{
    return QStringLiteral("U heeft geen rechten om in de map '%1' op de server te schrijven.").arg(v.Map) +
           Tekst::CrLf + Tekst::CrLf +
           QStringLiteral("Zet de rechten van deze map op '0777' (zie 'Zie voorbeeld site-structuur').");
}

QString Onbekend(Stap stap, const QString& bestand, int code)
{
    if (stap == Stap::Verbinden)
        return QStringLiteral("De verbinding met de server is mislukt (foutcode %1).").arg(code);
    if (stap == Stap::Ophalen)
        return QStringLiteral("Het ophalen van '%1' is mislukt (foutcode %2).").arg(bestand).arg(code);
    return QStringLiteral("Het uploaden van '%1' is mislukt (foutcode %2).").arg(bestand).arg(code);
}

} // namespace

QString Oorzaak(Fout fout, Stap stap, const Verbinding& v, const QString& bestand, int code)
{
    switch (fout) {
    case Fout::ServerNietGevonden:
        return QStringLiteral("De server '%1' is niet gevonden. Controleer de naam van de server.").arg(v.Server);
    case Fout::GeenVerbinding:
        return QStringLiteral("De server '%1' neemt niet op (poort %2). Controleer de server, het protocol en de poort.")
            .arg(v.Server)
            .arg(v.Poort);
    case Fout::AnderProtocol:
        return QStringLiteral("De server '%1' antwoordt op poort %2 niet als %3-server. Controleer het protocol en de "
                              "poort.")
            .arg(v.Server)
            .arg(v.Poort)
            .arg(Protocollen::Naam(v.protocol));
    case Fout::GeenAntwoord:
        if (stap == Stap::Verbinden)
            return QStringLiteral("De server '%1' antwoordt niet (time-out). Controleer de server, het protocol en de "
                                  "poort, of probeer het later opnieuw.")
                .arg(v.Server);
        return QStringLiteral("De server '%1' antwoordt niet meer (time-out). Probeer het later opnieuw.").arg(v.Server);
    case Fout::Inlog:
        return QStringLiteral("De server weigert de gebruikersnaam of het wachtwoord. Controleer beide.");
    case Fout::GeenTls:
        return QStringLiteral("De server '%1' biedt geen versleutelde verbinding (FTPS) aan.").arg(v.Server);
    case Fout::TlsMislukt:
        return QStringLiteral("De versleutelde verbinding met de server '%1' is mislukt. Controleer het protocol en de "
                              "poort.")
            .arg(v.Server);
    case Fout::Vertrouwen:
        return QStringLiteral("De server '%1' kon niet worden gecontroleerd: zijn sleutel is niet te vertrouwen.")
            .arg(v.Server);
    case Fout::NietGevonden:
        if (stap == Stap::Verbinden)
            return QStringLiteral("De map '%1' bestaat niet op de server. Controleer de map op de server.").arg(v.Map);
        return QStringLiteral("Het bestand '%1' is niet gevonden op de server.").arg(bestand);
    case Fout::Geweigerd:
        if (stap == Stap::Verbinden)
            return QStringLiteral("De map '%1' bestaat niet op de server of u heeft er geen toegang toe.").arg(v.Map);
        if (stap == Stap::Vergelijken || stap == Stap::Controleren || stap == Stap::Ophalen)
            return QStringLiteral("De server weigert '%1' te laten lezen.").arg(bestand);
        return Rechten(v);
    case Fout::SchijfVol:
        return QStringLiteral("De server heeft geen ruimte meer voor '%1' (schijf of quotum vol). Maak ruimte vrij op "
                              "de server of vraag uw provider om meer ruimte.")
            .arg(bestand);
    case Fout::NietAangenomen:
        return QStringLiteral("De server heeft '%1' niet helemaal aangenomen: de schijf of het quotum op de server is "
                              "vol, of de verbinding is verbroken.")
            .arg(bestand);
    case Fout::Verbroken:
        if (bestand.isEmpty())
            return QStringLiteral("De verbinding met de server is verbroken.");
        return QStringLiteral("De verbinding met de server is verbroken tijdens '%1'.").arg(bestand);
    case Fout::TeGroot:
        if (bestand.isEmpty())
            return QStringLiteral("De map '%1' op de server bevat te veel namen om te lezen.").arg(v.Map);
        return QStringLiteral("Het bestand '%1' op de server is groter dan verwacht.").arg(bestand);
    case Fout::Geannuleerd:
        return stap == Stap::Ophalen ? QStringLiteral("Het ophalen is geannuleerd.") : Geannuleerd();
    case Fout::Geen:
    case Fout::Onbekend:
        break;
    }
    return Onbekend(stap, bestand, code);
}

QString MapInDeWeg(const QString& bestand)
{
    return QStringLiteral("Op de server staat een map met de naam '%1' waar het bestand hoort. Verwijder of hernoem "
                          "die map op de server en upload opnieuw.")
        .arg(bestand);
}

QString NietGewijzigd(const QString& bestand)
{
    return QStringLiteral("Het bestand '%1' op de server is niet gewijzigd.").arg(bestand);
}

QString OudAlsReserve(const QString& bestand, const QString& reserve)
{
    return QStringLiteral("Ontbreekt '%1' op de server, dan staat het vorige bestand daar onder de naam '%2': upload "
                          "opnieuw, of geef het met uw eigen FTP-programma weer de naam '%1'.")
        .arg(bestand, reserve);
}

QString NieuwOngecontroleerd(const QString& bestand)
{
    return QStringLiteral("Het nieuwe bestand '%1' staat al op de server, maar is niet gecontroleerd. Upload opnieuw "
                          "om het te controleren.")
        .arg(bestand);
}

QString OnbekendeServer(const Verbinding& v, const QString& vingerafdruk)
{
    return QStringLiteral("De server '%1' is nog onbekend. Zijn vingerafdruk is:").arg(v.Server) + Tekst::CrLf +
           vingerafdruk + Tekst::CrLf + Tekst::CrLf +
           QStringLiteral("Vergelijk deze met de gegevens van uw provider. Vertrouwt u deze server?");
}

QString GewijzigdeServer(const Verbinding& v, const QString& vingerafdruk)
{
    return QStringLiteral("Waarschuwing: de server '%1' geeft een andere sleutel dan de vorige keer.").arg(v.Server) +
           Tekst::CrLf + QStringLiteral("De vingerafdruk van de nieuwe sleutel is:") + Tekst::CrLf +
           (vingerafdruk.isEmpty() ? QStringLiteral("(onbekend)") : vingerafdruk) + Tekst::CrLf + Tekst::CrLf +
           QStringLiteral("Er wordt niets verstuurd. Vraag uw provider of de sleutel van de server is vervangen. Is "
                          "dat zo, dan kunt u de oude sleutel vergeten; de volgende verbinding vraagt dan of u de "
                          "nieuwe vertrouwt. De vertrouwde servers staan in:") +
           Tekst::CrLf + Paden::Toon(v.BekendeServersPad) + Tekst::CrLf + Tekst::CrLf +
           QStringLiteral("Wilt u de oude sleutel vergeten?");
}

QString VergeetSleutel(const Verbinding& v)
{
    return QStringLiteral("Weet u zeker dat de server '%1' een nieuwe sleutel heeft? Doe dit alleen als uw provider "
                          "dat heeft bevestigd: anders kan een ander zich voor uw server uitgeven.")
        .arg(v.Server);
}

QString ControleMislukt(const QString& bestand)
{
    return QStringLiteral("De controle van '%1' is mislukt: het bestand op de server verschilt van het bestand op "
                          "deze pc. Upload opnieuw.")
        .arg(bestand);
}

QString Geannuleerd() { return QStringLiteral("Het uploaden is geannuleerd."); }

QString ResultaatRegel(const GecontroleerdBestand& bestand)
{
    const QString grootte = QLocale(QLocale::Dutch, QLocale::Netherlands).toString(bestand.Grootte);
    return QStringLiteral("%1  (%2 bytes)  %3")
        .arg(bestand.Naam, grootte,
             bestand.Verstuurd ? QStringLiteral("gecontroleerd") : QStringLiteral("stond al op de server, gecontroleerd"));
}

} // namespace OverdrachtMeldingen
