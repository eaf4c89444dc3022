#include "upload/uploadbesturing.h"

#include "common/schrijfmelding.h"
#include "upload/bekendeservers.h"
#include "upload/overdrachtmeldingen.h"

#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

using Afloop = OverdrachtResultaat::Afloop;

namespace UploadBesturing {

bool FtpToegestaan(Protocol protocol, Meldingen& meldingen)
{
    return protocol != Protocol::Ftp ||
           meldingen.Toon(QStringLiteral("FTP verstuurt uw wachtwoord onversleuteld. Toch gebruiken?"),
                          Meldingen::Pictogram::Uitroep, Meldingen::Knoppen::JaNee) == Meldingen::Antwoord::Ja;
}

bool Bewaar(const QString& pad, UploadInstellingen& instellingen, const QString& speeldag, const Verbinding& v,
            bool& onthouden, WachtwoordOpslag& opslag, Meldingen& meldingen, bool& kluisGemeld)
{
    const QString sleutel = WachtwoordSleutel(v.protocol, v.Gebruiker, v.Server, v.Poort);
    if (!onthouden) {
        opslag.Wis(sleutel);
    } else if (!opslag.Bewaar(sleutel, v.Wachtwoord)) {
        onthouden = false;
        if (!kluisGemeld)
            meldingen.Toon(QStringLiteral("Het wachtwoord kon niet in de wachtwoordkluis van het systeem worden "
                                          "bewaard; het wordt de volgende keer weer gevraagd."),
                           Meldingen::Pictogram::Uitroep);
        kluisGemeld = true;
    }
    instellingen.protocol = v.protocol;
    instellingen.Server = v.Server;
    instellingen.Poort = v.Poort;
    instellingen.Gebruiker = v.Gebruiker;
    instellingen.Onthouden = onthouden;
    instellingen.Mappen.insert(speeldag, v.Map);
    return MeldAlsNietOpgeslagen(Upload::SchrijfUploadIni(pad, instellingen), pad, meldingen);
}

Vervolg Afhandelen(const OverdrachtResultaat& resultaat, const Verbinding& v, Meldingen& meldingen)
{
    const QString sleutel = BekendeServers::Sleutel(v.protocol, v.Server, v.Poort);
    const auto ja = [&](const QString& vraag, Meldingen::Pictogram pictogram) {
        return meldingen.Toon(vraag, pictogram, Meldingen::Knoppen::JaNee) == Meldingen::Antwoord::Ja;
    };
    switch (resultaat.afloop) {
    case Afloop::Gelukt:
        // A good transfer may still have failed to save the server it learnt to trust.
        MeldAlsNietOpgeslagen(resultaat.onthouden, v.BekendeServersPad, meldingen);
        break;
    case Afloop::OnbekendeServer:
        if (ja(resultaat.melding, Meldingen::Pictogram::Uitroep) &&
            MeldAlsNietOpgeslagen(BekendeServers::Bewaar(v.BekendeServersPad, sleutel, resultaat.teBewaren),
                                  v.BekendeServersPad, meldingen))
            return Vervolg::Opnieuw;
        break;
    case Afloop::GewijzigdeServer:
        // Forgetting the old key only leads to the first-use question for the new one.
        if (ja(resultaat.melding, Meldingen::Pictogram::Kritiek) &&
            ja(OverdrachtMeldingen::VergeetSleutel(v), Meldingen::Pictogram::Uitroep) &&
            MeldAlsNietOpgeslagen(BekendeServers::Bewaar(v.BekendeServersPad, sleutel, QString()),
                                  v.BekendeServersPad, meldingen))
            return Vervolg::Opnieuw;
        break;
    case Afloop::Fout:
        meldingen.Toon(resultaat.melding, Meldingen::Pictogram::Uitroep);
        break;
    case Afloop::Geannuleerd:
        meldingen.Toon(resultaat.melding, Meldingen::Pictogram::Informatie);
        break;
    }
    return Vervolg::Klaar;
}

void GeenKerndump()
{
#ifdef Q_OS_LINUX
    prctl(PR_SET_DUMPABLE, 0);
#endif
}

} // namespace UploadBesturing
