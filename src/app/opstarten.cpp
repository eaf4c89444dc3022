#include "app/opstarten.h"

#include "common/instellingen.h"
#include "common/paden.h"
#include "common/tekst.h"
#include "common/tekstbestand.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
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
    const Uitkomst<QStringList> regels = TekstBestand::LeesRegels(pad);
    if (!regels)
        return false;
    for (const QString& regel : regels.waarde()) {
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

QString TekstAlGestart(const EnkelExemplaar::Houder& houder)
{
    if (houder.dezeComputer)
        return QStringLiteral("Het programma is al gestart!...");
    const QString& crlf = Tekst::CrLf;
    const QString computer = houder.computer.isEmpty() ? QStringLiteral("een onbekende computer")
                                                       : QStringLiteral("de computer \"") + houder.computer + u'"';
    return QStringLiteral("Hovelink is al gestart op ") + computer + QStringLiteral(" (sinds ") +
           QLocale(QLocale::Dutch, QLocale::Netherlands).toString(houder.sinds, QStringLiteral("d MMMM yyyy 'om' HH:mm")) +
           QStringLiteral(").") + crlf + QStringLiteral("Het slotbestand van die computer staat hier:") + crlf +
           Paden::Toon(houder.pad) + crlf + crlf +
           QStringLiteral("Sluit Hovelink op die computer en start het hier opnieuw. Is de map van die computer "
                          "gekopieerd, of draait Hovelink daar niet meer, verwijder dan het slotbestand.") +
           crlf + crlf + QStringLiteral("Het programma wordt afgesloten.");
}

void MeldAlGestart(const EnkelExemplaar& slot, Meldingen& meldingen)
{
    const EnkelExemplaar::Houder houder = slot.HuidigeHouder();
    meldingen.Toon(TekstAlGestart(houder), houder.dezeComputer ? Meldingen::Pictogram::Geen : Meldingen::Pictogram::Uitroep);
}

GevondenMappenIni VindMappenIni(const QString& programmaMap, QSettings& gebruiker, const KiesMap& kiesMap,
                                Meldingen& meldingen)
{
    const QString vast = PadMappenIni(programmaMap);
    if (QFileInfo(vast).isFile())
        return {vast, false};
    const QString naam = QStringLiteral("Mappen.ini");
    const QString eerder = gebruiker.value(kTafelwerkMap).toString();
    if (!eerder.isEmpty() && QFileInfo(Paden::Samen(eerder, naam)).isFile())
        return {Paden::Samen(eerder, naam), true};
    for (;;) {
        const QString gekozen = kiesMap(QStringLiteral("Kies de map van Tafelwerk (waarin Mappen.ini staat)"));
        if (gekozen.isEmpty())
            return {vast, false};
        if (QFileInfo(Paden::Samen(gekozen, naam)).isFile()) {
            gebruiker.setValue(kTafelwerkMap, gekozen);
            return {Paden::Samen(gekozen, naam), true};
        }
        meldingen.Toon(QStringLiteral("In deze map staat geen Mappen.ini:") + Tekst::CrLf + Paden::Toon(gekozen) +
                           Tekst::CrLf + Tekst::CrLf +
                           QStringLiteral("Kies de map van Tafelwerk waarin Mappen.ini staat."),
                       Meldingen::Pictogram::Uitroep);
    }
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
    const GevondenMappenIni mappen = VindMappenIni(programmaMap, gebruiker, kiesMap, meldingen);
    if (!LeesMappenIni(mappen.pad, werkruimte))
        return stop(QStringLiteral("Het bestand Mappen.ini is niet gevonden:"), QFileInfo(mappen.pad).absoluteFilePath());
    werkruimte.MappenIni = QFileInfo(mappen.pad).absoluteFilePath();
    werkruimte.MappenIniGekozen = mappen.gekozen;
    if (werkruimte.MapTwk.isEmpty() || !QFileInfo(werkruimte.MapTwk).isDir())
        return stop(QStringLiteral("De Tafelwerk-map uit Mappen.ini bestaat niet:"), werkruimte.MapTwk);
    Init(werkruimte);
    // Taking the lock is also the proof that Travenza is a folder we can write in.
    EnkelExemplaar slot(Paden::Samen(werkruimte.MapProgramma, QStringLiteral("hovelink.lock")));
    if (slot.IsBezet()) {
        MeldAlGestart(slot, meldingen);
        return std::nullopt;
    }
    if (!slot.IsEerste())
        return stop(QStringLiteral("De map Travenza kan niet worden aangemaakt of beschreven:"), werkruimte.MapProgramma);
    return slot;
}

} // namespace Opstarten
