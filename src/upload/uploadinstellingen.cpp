#include "upload/uploadinstellingen.h"

#include "common/instellingen.h"
#include "common/tekst.h"

namespace Upload {

namespace {

QString Schoon(const QString& tekst) { return Tekst::Trim(Tekst::ZonderStuurtekens(tekst)); }

} // namespace

QString MapVoor(const UploadInstellingen& instellingen, const QString& speeldag)
{
    return instellingen.Mappen.value(speeldag, QStringLiteral("/public_html/afm/") + speeldag);
}

Uitkomst<> SchrijfUploadIni(const QString& pad, const UploadInstellingen& instellingen)
{
    QStringList regels{
        QStringLiteral("Protocol=") + Protocollen::Naam(instellingen.protocol),
        QStringLiteral("Server=") + Schoon(instellingen.Server),
        QStringLiteral("Poort=") + QString::number(instellingen.Poort),
        QStringLiteral("Gebruiker=") + Schoon(instellingen.Gebruiker),
        QStringLiteral("Onthouden=") + QString::number(instellingen.Onthouden ? 1 : 0),
    };
    for (auto it = instellingen.Mappen.cbegin(); it != instellingen.Mappen.cend(); ++it)
        regels.append(QStringLiteral("Map-") + Schoon(it.key()) + u'=' + Schoon(it.value()));
    return TekstBestand::SchrijfRegels(pad, regels);
}

void LeesUploadIni(const QString& pad, UploadInstellingen& instellingen)
{
    const Uitkomst<QStringList> regels = TekstBestand::LeesRegels(pad);
    if (!regels)
        return;
    for (const QString& regel : regels.waarde()) {
        const QString waarde = Schoon(Instellingen::Waarde(regel));
        if (Instellingen::Past(regel, u"PROTOCOL=")) {
            const std::optional<Protocol> protocol = Protocollen::Van(waarde);
            if (!protocol)
                return;
            instellingen.protocol = *protocol;
        } else if (Instellingen::Past(regel, u"SERVER=")) {
            instellingen.Server = waarde;
        } else if (Instellingen::Past(regel, u"POORT=")) {
            const std::optional<qint32> poort = Instellingen::Getal32(waarde);
            if (!poort || *poort < 1 || *poort > 65535)
                return;
            instellingen.Poort = *poort;
        } else if (Instellingen::Past(regel, u"GEBRUIKER=")) {
            instellingen.Gebruiker = waarde;
        } else if (Instellingen::Past(regel, u"ONTHOUDEN=")) {
            instellingen.Onthouden = Instellingen::Getal32(waarde).value_or(0) == 1;
        } else if (Instellingen::Past(regel, u"MAP-") && regel.contains(u'=')) {
            instellingen.Mappen.insert(Schoon(regel.mid(4, regel.indexOf(u'=') - 4)).toLower(), waarde);
        }
    }
}

} // namespace Upload
