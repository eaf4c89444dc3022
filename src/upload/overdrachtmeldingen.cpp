#include "upload/overdrachtmeldingen.h"

#include "common/paden.h"
#include "common/tekst.h"

#include <QLocale>

namespace OverdrachtMeldingen {

namespace {

const QString NietGewijzigd = QStringLiteral("Het bestand op de server is niet gewijzigd.");

QString Rechten(const Verbinding& v)
{
    return QStringLiteral("U heeft geen rechten om in de map '%1' op de server te schrijven.").arg(v.Map) +
           Tekst::CrLf + Tekst::CrLf +
           QStringLiteral("Zet de rechten van deze map op '0777' (zie 'Zie voorbeeld site-structuur').");
}

} // namespace

QString Melding(CURLcode code, const Verbinding& v, Stap stap, const QString& bestand, const QString& fouttekst)
{
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return QStringLiteral("De server '%1' is niet gevonden. Controleer de naam van de server.").arg(v.Server);
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("De server '%1' neemt niet op (poort %2). Controleer de server, het protocol en de poort.")
            .arg(v.Server).arg(v.Poort);
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("De server '%1' antwoordt niet meer (time-out). Probeer het later opnieuw.")
                   .arg(v.Server) + Tekst::CrLf + NietGewijzigd;
    case CURLE_LOGIN_DENIED:
        return QStringLiteral("De server weigert de gebruikersnaam of het wachtwoord. Controleer beide.");
    case CURLE_USE_SSL_FAILED:
        return QStringLiteral("De server '%1' biedt geen versleutelde verbinding (FTPS) aan.").arg(v.Server);
    case CURLE_REMOTE_FILE_NOT_FOUND:
        if (stap == Stap::Map)
            return QStringLiteral("De map '%1' bestaat niet op de server. Controleer de map op de server.").arg(v.Map);
        break;
    case CURLE_REMOTE_ACCESS_DENIED:
        if (stap == Stap::Map && v.Protocol != u"SFTP")
            return QStringLiteral("De map '%1' bestaat niet op de server of u heeft er geen toegang toe.").arg(v.Map);
        [[fallthrough]];
    case CURLE_UPLOAD_FAILED:
    case CURLE_QUOTE_ERROR:
        if (stap == Stap::Schrijven)
            return Rechten(v) + Tekst::CrLf + NietGewijzigd;
        break;
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_SSH:
    case CURLE_PARTIAL_FILE:
    case CURLE_GOT_NOTHING:
        return QStringLiteral("De verbinding met de server is verbroken tijdens '%1'.").arg(bestand) + Tekst::CrLf +
               NietGewijzigd;
    default:
        break;
    }
    return QStringLiteral("Het uploaden van '%1' is mislukt: %2").arg(bestand, fouttekst) + Tekst::CrLf + NietGewijzigd;
}

QString OnbekendeServer(const Verbinding& v, const QString& vingerafdruk)
{
    return QStringLiteral("De server '%1' is nog onbekend. Zijn vingerafdruk is:").arg(v.Server) + Tekst::CrLf +
           vingerafdruk + Tekst::CrLf + Tekst::CrLf +
           QStringLiteral("Vergelijk deze met de gegevens van uw provider. Vertrouwt u deze server?");
}

QString GewijzigdeServer(const Verbinding& v)
{
    return QStringLiteral("Waarschuwing: de server '%1' geeft een andere sleutel dan de vorige keer.").arg(v.Server) +
           Tekst::CrLf +
           QStringLiteral("Er wordt niets verstuurd. Vraag uw provider of de sleutel van de server is vervangen.");
}

QString ControleMislukt(const QString& bestand)
{
    return QStringLiteral("De controle van '%1' is mislukt: het bestand op de server verschilt van het bestand op "
                          "deze pc. Upload opnieuw.").arg(bestand);
}

QString Geannuleerd()
{
    return QStringLiteral("Het uploaden is geannuleerd.") + Tekst::CrLf + NietGewijzigd;
}

QString ResultaatRegel(const GecontroleerdBestand& bestand)
{
    const QString grootte = QLocale(QLocale::Dutch, QLocale::Netherlands).toString(bestand.Grootte);
    return QStringLiteral("%1  (%2 bytes)  %3")
        .arg(bestand.Naam, grootte,
             bestand.Verstuurd ? QStringLiteral("gecontroleerd") : QStringLiteral("stond al op de server, gecontroleerd"));
}

} // namespace OverdrachtMeldingen
