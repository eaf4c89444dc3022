#include "app/opstarten.h"

#include "common/instellingen.h"
#include "common/paden.h"
#include "common/tekst.h"
#include "common/tekstbestand.h"

#include <QDir>
#include <QFileInfo>

namespace Opstarten {

QString PadMappenIni(const QString& programmaMap)
{
    if (programmaMap.toUpper().contains(u"HOVELINK")) {
        const qsizetype slash = std::max(programmaMap.lastIndexOf(u'/'), programmaMap.lastIndexOf(QDir::separator()));
        if (slash >= 0)
            return programmaMap.left(slash + 1) + QStringLiteral("Mappen.ini");
    }
    return Paden::Samen(programmaMap, QStringLiteral("Mappen.ini"));
}

bool LeesMappenIni(const QString& pad, Werkruimte& werkruimte)
{
    const std::optional<QStringList> regels = TekstBestand::LeesRegels(pad);
    if (!regels)
        return false;
    for (const QString& regel : *regels) {
        if (Instellingen::Past(regel, u"TWKMAP="))
            werkruimte.MapTwk = Instellingen::Waarde(regel);
        else if (Instellingen::Past(regel, u"SPEMAP="))
            werkruimte.MapSpelers = Instellingen::Waarde(regel);
    }
    werkruimte.BestandSpelers = Paden::Samen(werkruimte.MapSpelers, QStringLiteral("TWKspelers.txt"));
    return true;
}

void MaakProgrammaMap(const Werkruimte& werkruimte)
{
    if (!Paden::Bestaat(werkruimte.MapProgramma))
        QDir().mkdir(werkruimte.MapProgramma);
}

void Init(Werkruimte& werkruimte)
{
    werkruimte.MapProgramma = Paden::Samen(werkruimte.MapTwk, QStringLiteral("Travenza"));
    MaakProgrammaMap(werkruimte);
    werkruimte.NaamAlgemeen = QStringLiteral("Kwintel.ini");
    werkruimte.NaamScript = QStringLiteral("hovelink.js");
}

bool Start(const QString& programmaMap, Werkruimte& werkruimte, Meldingen& meldingen)
{
    const QString einde = Tekst::CrLf + Tekst::CrLf + QStringLiteral("Het programma wordt afgesloten.");
    const QString mappen = PadMappenIni(programmaMap);
    if (!LeesMappenIni(mappen, werkruimte)) {
        meldingen.Toon(QStringLiteral("Het bestand Mappen.ini is niet gevonden:") + Tekst::CrLf +
                           Paden::Toon(QFileInfo(mappen).absoluteFilePath()) + einde,
                       Meldingen::Pictogram::Uitroep);
        return false;
    }
    if (werkruimte.MapTwk.isEmpty() || !QFileInfo(werkruimte.MapTwk).isDir()) {
        meldingen.Toon(QStringLiteral("De Tafelwerk-map uit Mappen.ini bestaat niet:") + Tekst::CrLf +
                           Paden::Toon(werkruimte.MapTwk) + einde,
                       Meldingen::Pictogram::Uitroep);
        return false;
    }
    Init(werkruimte);
    return true;
}

} // namespace Opstarten
