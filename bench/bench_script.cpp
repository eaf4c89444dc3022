// Making and saving hovelink.js for a large club, against writing the same number of bytes
// through the same safe writer: the difference is what generation costs.
#include "common/tekstbestand.h"
#include "script/bewaarscript.h"
#include "script/maakscript.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kLeden = 10000;

class Stil : public Meldingen {
public:
    Antwoord Toon(const QString&, Pictogram, Knoppen, const QString&) override
    {
        return Antwoord::Ok;
    }
};

ScriptInvoer GroteClub()
{
    ScriptInvoer in;
    in.txtClubnaam = QStringLiteral("BC De Troef");
    in.cmbSpeeldag = QStringLiteral("donderdag-avond");
    in.chkToonPartner = 1;
    in.txtB1 = {QStringLiteral("naam1"), QStringLiteral("partner"), QStringLiteral("inval1"),
                QStringLiteral("inval3")};
    in.txtB2 = {QStringLiteral("1,2"), QStringLiteral("1,2"), QStringLiteral("3"),
                QStringLiteral("1,2,3")};
    for (int d = 0; d < 40; ++d)
        in.lstDagen.append(QStringLiteral("donderdag-avond %1 januari 2026").arg(d) +
                           QString(40, u' ') +
                           QStringLiteral("202601%1").arg(d % 28 + 1, 2, 10, QChar(u'0')));
    in.leden.LidNaam = {QString()};
    in.leden.LidNummer = {QString()};
    in.leden.LidGroep = {QString()};
    in.partners = {QString()};
    for (int i = 1; i <= kLeden; ++i) {
        // Every fifth name has accents and every seventh an apostrophe, as in a real club.
        QString naam = QStringLiteral("Voornaam%1 van der Achternaam").arg(i);
        if (i % 5 == 0)
            naam += u" Müller-Zoë"_qs;
        if (i % 7 == 0)
            naam += QStringLiteral(" D'Hondt");
        in.leden.LidNaam.append(naam);
        in.leden.LidNummer.append(QString::number(i));
        in.leden.LidGroep.append(QString::number(i % 3 + 1));
        in.partners.append(QString::number(i % 2 ? i + 1 : i - 1));
    }
    return in;
}

void BM_MaakEnBewaarScript(benchmark::State& state)
{
    const ScriptInvoer club = GroteClub();
    QTemporaryDir map;
    const QString pad = map.filePath(QStringLiteral("hovelink.js"));
    Stil meldingen;
    qsizetype grootte = 0;
    for (auto _ : state) {
        const QByteArray bytes = Script::MaakScriptBestand(club);
        grootte = bytes.size();
        if (!Script::BewaarScript(pad, bytes, club.cmbSpeeldag, meldingen))
            state.SkipWithError("script not written");
    }
    state.counters["bytes"] = static_cast<double>(grootte);
}

void BM_SchrijfZelfdeAantalBytes(benchmark::State& state)
{
    const QByteArray bytes(Script::MaakScriptBestand(GroteClub()).size(), 'x');
    QTemporaryDir map;
    const QString pad = map.filePath(QStringLiteral("hovelink.js"));
    for (auto _ : state) {
        if (!TekstBestand::SchrijfBytes(pad, bytes).gelukt())
            state.SkipWithError("file not written");
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}

} // namespace

BENCHMARK(BM_MaakEnBewaarScript)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SchrijfZelfdeAantalBytes)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
