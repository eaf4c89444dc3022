#include "app/opstarten.h"

#include "common/instellingen.h"
#include "common/paden.h"
#include "common/tekst.h"
#include "common/tekstbestand.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kTafelwerkMap = QStringLiteral("Tafelwerkmap");

} // namespace

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

void MeldAlGestart(Meldingen& meldingen)
{
    meldingen.Toon(QStringLiteral("Het programma is al gestart!..."), Meldingen::Pictogram::Geen);
}

QString VindMappenIni(const QString& programmaMap, QSettings& gebruiker, const KiesMap& kiesMap)
{
    const QString vast = PadMappenIni(programmaMap);
    if (QFileInfo(vast).isFile())
        return vast;
    const QString eerder = gebruiker.value(kTafelwerkMap).toString();
    if (!eerder.isEmpty() && QFileInfo(Paden::Samen(eerder, QStringLiteral("Mappen.ini"))).isFile())
        return Paden::Samen(eerder, QStringLiteral("Mappen.ini"));
    const QString gekozen = kiesMap(QStringLiteral("Kies de map van Tafelwerk (waarin Mappen.ini staat)"));
    if (gekozen.isEmpty())
        return vast;
    const QString pad = Paden::Samen(gekozen, QStringLiteral("Mappen.ini"));
    if (QFileInfo(pad).isFile())
        gebruiker.setValue(kTafelwerkMap, gekozen);
    return pad;
}

std::optional<EnkelExemplaar> Start(const QString& programmaMap, QSettings& gebruiker, const KiesMap& kiesMap,
                                    Werkruimte& werkruimte, Meldingen& meldingen)
{
    const auto stop = [&meldingen](const QString& tekst, const QString& pad) {
        meldingen.Toon(tekst + Tekst::CrLf + Paden::Toon(pad) + Tekst::CrLf + Tekst::CrLf +
                           QStringLiteral("Het programma wordt afgesloten."),
                       Meldingen::Pictogram::Uitroep);
        return std::nullopt;
    };
    const QString mappen = VindMappenIni(programmaMap, gebruiker, kiesMap);
    if (!LeesMappenIni(mappen, werkruimte))
        return stop(QStringLiteral("Het bestand Mappen.ini is niet gevonden:"), QFileInfo(mappen).absoluteFilePath());
    if (werkruimte.MapTwk.isEmpty() || !QFileInfo(werkruimte.MapTwk).isDir())
        return stop(QStringLiteral("De Tafelwerk-map uit Mappen.ini bestaat niet:"), werkruimte.MapTwk);
    Init(werkruimte);
    // Taking the lock is also the proof that Travenza is a folder we can write in.
    EnkelExemplaar slot(Paden::Samen(werkruimte.MapProgramma, QStringLiteral("hovelink.lock")));
    if (slot.IsBezet()) {
        MeldAlGestart(meldingen);
        return std::nullopt;
    }
    if (!slot.IsEerste())
        return stop(QStringLiteral("De map Travenza kan niet worden aangemaakt of beschreven:"), werkruimte.MapProgramma);
    return slot;
}

} // namespace Opstarten
