// The windows on clubs of 1,000 to 200,000 members: the start window against a window with
// one label and one button (as a process that starts and paints), and the sign-off settings
// window opened, ticked one group and all groups, and opened with all groups saved, each
// against a raw read of the member file; the peak memory of a process holding that window.
// Goals: start window within 1.3x the label and button; opening with all groups saved within
// 3x the raw read; peak memory under twice the file plus 60 MB; the same time per member at
// every size.
#include "app/frmstart.h"
#include "app/opstarten.h"
#include "app/speelmomenten.h"
#include "common/paden.h"
#include "common/tekstbestand.h"
#include "common/vensterkaderstijl.h"
#include "grootledenbestand.h"
#include "moment/frmafmelden.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

class Stil : public Meldingen {
public:
    Antwoord Toon(const QString&, Pictogram, Knoppen, const QString&) override { return Antwoord::Ok; }
};

// A setup that could not write its files would measure something else: stop there.
void Eis(const Uitkomst<>& uit)
{
    if (!uit) {
        std::fprintf(stderr, "%s\n", qPrintable(uit.melding()));
        std::abort();
    }
}

int Leden(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

// A Tafelwerk folder with a club's member file, and five prepared play moments.
struct Werkplek {
    QTemporaryDir map;
    Werkruimte werkruimte;
    Stil meldingen;

    explicit Werkplek(int leden)
    {
        werkruimte.MapTwk = werkruimte.MapSpelers = map.path();
        werkruimte.BestandSpelers = GrootLedenbestand::Schrijf(map.path(), leden);
        Opstarten::Init(werkruimte);
        Eis(TekstBestand::SchrijfRegels(Paden::Samen(werkruimte.MapProgramma, werkruimte.NaamAlgemeen),
                                        {QStringLiteral("Speeldag=19"), QStringLiteral("Clubnaam=BC De Troef"),
                                         QStringLiteral("Tooninval=1")}));
        for (const char* dag : {"maandag", "dinsdag", "woensdag-avond", "donderdag", "vrijdag-middag"}) {
            Speelmomenten::BereidSpeelmomentVoor(werkruimte, QString::fromLatin1(dag), meldingen);
            Eis(TekstBestand::SchrijfBytes(werkruimte.PadScript, "var alg=[];\r\n"));
        }
        Speelmomenten::BereidSpeelmomentVoor(werkruimte, QStringLiteral("donderdag-avond"), meldingen);
    }
};

// The start window does not read the member file: a small club.
Werkplek& Plek(int leden = 1000)
{
    static std::map<int, std::unique_ptr<Werkplek>> plekken;
    std::unique_ptr<Werkplek>& plek = plekken[leden];
    if (!plek)
        plek = std::make_unique<Werkplek>(leden);
    return *plek;
}

// The play moment's settings tick all 60 groups, or none.
void BewaarAlleGroepen(Werkplek& plek, bool alle)
{
    if (alle)
        Eis(TekstBestand::SchrijfRegels(plek.werkruimte.PadMomentIni,
                                        {QStringLiteral("LedenBest=") + GrootLedenbestand::AlleGroepen()}));
    else
        QFile::remove(plek.werkruimte.PadMomentIni);
}

// The resident and peak memory of this process in MB, from /proc/self/status.
double Geheugen(const char* sleutel)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& regel : status.readAll().split('\n')) {
        if (regel.startsWith(sleutel))
            return regel.mid(qstrlen(sleutel)).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

void LegeWidget(benchmark::State& state)
{
    for (auto _ : state) {
        QWidget venster;
        benchmark::DoNotOptimize(&venster);
    }
}

void StartVenster(benchmark::State& state)
{
    Werkplek& plek = Plek();
    for (auto _ : state) {
        FrmStart venster(plek.werkruimte, plek.meldingen);
        venster.Laden();
        benchmark::DoNotOptimize(&venster);
    }
}

// The same two, shown and painted once (offscreen).
void LegeWidgetGetoond(benchmark::State& state)
{
    for (auto _ : state) {
        QWidget venster;
        venster.resize(1024, 720);
        venster.show();
        QCoreApplication::processEvents();
    }
}

void StartVensterGetoond(benchmark::State& state)
{
    Werkplek& plek = Plek();
    for (auto _ : state) {
        FrmStart venster(plek.werkruimte, plek.meldingen);
        venster.Laden();
        venster.show();
        QCoreApplication::processEvents();
    }
}

// Runs this program as a child with `argumenten` and returns what it printed.
QByteArray Kind(benchmark::State& state, const QStringList& argumenten)
{
    QProcess kind;
    kind.start(QCoreApplication::applicationFilePath(), argumenten);
    if (!kind.waitForFinished(120000) || kind.exitCode() != 0)
        state.SkipWithError("the child process failed");
    return kind.readAllStandardOutput();
}

// Start-up as the user waits for it: a new process that shows the window and paints it
// once, against a process that shows a window with one label and one button.
void Proces(benchmark::State& state, const QStringList& argumenten)
{
    for (auto _ : state)
        Kind(state, argumenten);
}

void ProcesLegeWidget(benchmark::State& state) { Proces(state, {QStringLiteral("--opstart=leeg")}); }

// A window with one label and one button: the first text loads the fonts and the first
// button the style, which every window with controls pays once.
void ProcesLabelKnop(benchmark::State& state) { Proces(state, {QStringLiteral("--opstart=knop")}); }

void ProcesStartVenster(benchmark::State& state)
{
    Proces(state, {QStringLiteral("--opstart=start"), Plek().werkruimte.MapTwk});
}

// The peak and resident memory of a process that opens the sign-off settings window with all
// 60 groups saved and paints it, against the same process on a club without members.
void GeheugenAfmeldVenster(benchmark::State& state)
{
    const auto piek = [&](Werkplek& plek) {
        BewaarAlleGroepen(plek, true);
        const QList<QByteArray> mb = Kind(state, {QStringLiteral("--geheugen"), plek.werkruimte.MapTwk}).split(' ');
        BewaarAlleGroepen(plek, false);
        return std::pair{mb.value(0).toDouble(), mb.value(1).toDouble()};
    };
    Werkplek& plek = Plek(Leden(state));
    for (auto _ : state) {
        const auto [hwm, rss] = piek(plek);
        const double leeg = piek(Plek(0)).first;
        const double bestand = static_cast<double>(QFileInfo(plek.werkruimte.BestandSpelers).size()) / (1 << 20);
        state.counters["VmHWM_MB"] = hwm;
        state.counters["VmRSS_MB"] = rss;
        state.counters["bestand_MB"] = bestand;
        state.counters["doel_MB"] = 2 * bestand + 60;
        state.counters["KB_per_lid"] = (hwm - leeg) * 1024 / Leden(state);
    }
}

std::unique_ptr<FrmAfmelden> Open(Werkplek& plek, KopInstellingen& kop, BewaardeMoment& bewaard)
{
    auto venster = std::make_unique<FrmAfmelden>(plek.werkruimte, kop, bewaard,
                                                 StartKeuze{QStringLiteral("donderdag-avond"),
                                                            QStringLiteral("BC De Troef"),
                                                            1,
                                                            {}},
                                                 plek.meldingen);
    venster->Form_Load();
    return venster;
}

// The child's work: QApplication, the window, one paint; with --geheugen, the peak and
// resident memory in MB on standard output.
int Kindproces(int argc, char** argv, const QByteArray& soort)
{
    QApplication app(argc, argv);
    if (soort == "--opstart=leeg" || soort == "--opstart=knop") {
        QWidget venster;
        if (soort == "--opstart=knop") {
            auto* indeling = new QVBoxLayout(&venster);
            indeling->addWidget(new QLabel(QStringLiteral("Hovelink")));
            indeling->addWidget(new QPushButton(QStringLiteral("Afbreken")));
        }
        venster.show();
        QCoreApplication::processEvents();
        return 0;
    }
    KaderStijl::Installeer(); // as the program does
    Werkruimte werkruimte;
    werkruimte.MapTwk = werkruimte.MapSpelers = QString::fromLocal8Bit(argv[2]);
    werkruimte.BestandSpelers = QDir(werkruimte.MapTwk).filePath(QStringLiteral("TWKspelers.txt"));
    Opstarten::Init(werkruimte);
    Stil meldingen;
    if (soort == "--opstart=start") {
        FrmStart venster(werkruimte, meldingen);
        venster.Laden();
        venster.show();
        QCoreApplication::processEvents();
        return 0;
    }
    Speelmomenten::BereidSpeelmomentVoor(werkruimte, QStringLiteral("donderdag-avond"), meldingen);
    KopInstellingen kop;
    BewaardeMoment bewaard;
    FrmAfmelden venster(werkruimte, kop, bewaard, StartKeuze{QStringLiteral("donderdag-avond"), {}, 1, {}}, meldingen);
    venster.Form_Load();
    venster.show();
    QCoreApplication::processEvents();
    std::printf("%.1f %.1f\n", Geheugen("VmHWM:"), Geheugen("VmRSS:"));
    return 0;
}

void RuwLedenbestand(benchmark::State& state)
{
    const QString& pad = Plek(Leden(state)).werkruimte.BestandSpelers;
    for (auto _ : state)
        benchmark::DoNotOptimize(GrootLedenbestand::RuwGelezen(pad));
    GrootLedenbestand::PerLid(state, Leden(state));
}

// Opening the window on the club, with no group saved, or with all 60 saved.
void Openen(benchmark::State& state, bool alleGroepen)
{
    Werkplek& plek = Plek(Leden(state));
    BewaarAlleGroepen(plek, alleGroepen);
    std::unique_ptr<FrmAfmelden> open;
    for (auto _ : state) {
        state.PauseTiming();
        open.reset();
        state.ResumeTiming();
        KopInstellingen kop;
        BewaardeMoment bewaard;
        open = Open(plek, kop, bewaard);
    }
    QListWidget* lst1 = open->findChild<QListWidget*>(QStringLiteral("lst1"));
    int aangevinkt = 0;
    for (int r = 0; lst1 && r < lst1->count(); ++r)
        aangevinkt += lst1->item(r)->checkState() == Qt::Checked;
    if (aangevinkt != (alleGroepen ? GrootLedenbestand::kGroepen : 0))
        state.SkipWithError("groups not restored");
    BewaarAlleGroepen(plek, false);
    GrootLedenbestand::PerLid(state, Leden(state));
}

void AfmeldVensterOpenen(benchmark::State& state) { Openen(state, false); }
void AfmeldVensterOpenenAlleGroepen(benchmark::State& state) { Openen(state, true); }

// Ticks the groups of the rows [0, tot) by their check boxes, as the user does: each tick
// rebuilds the list.
void GroepenAanvinken(benchmark::State& state, int tot)
{
    Werkplek& plek = Plek(Leden(state));
    for (auto _ : state) {
        state.PauseTiming();
        KopInstellingen kop;
        BewaardeMoment bewaard;
        std::unique_ptr<FrmAfmelden> venster = Open(plek, kop, bewaard);
        QListWidget* lst1 = venster->findChild<QListWidget*>(QStringLiteral("lst1"));
        if (!lst1 || lst1->count() != GrootLedenbestand::kGroepen) {
            state.SkipWithError("group list not filled");
            break;
        }
        state.ResumeTiming();
        for (int r = 0; r < tot; ++r)
            lst1->item(r)->setCheckState(Qt::Checked);
        state.PauseTiming();
        venster.reset();
        state.ResumeTiming();
    }
    GrootLedenbestand::PerLid(state, Leden(state));
}

void EenGroepAanvinken(benchmark::State& state) { GroepenAanvinken(state, 1); }
void AlleGroepenAanvinken(benchmark::State& state) { GroepenAanvinken(state, GrootLedenbestand::kGroepen); }

} // namespace

BENCHMARK(LegeWidget)->Unit(benchmark::kMicrosecond);
BENCHMARK(StartVenster)->Unit(benchmark::kMicrosecond);
BENCHMARK(LegeWidgetGetoond)->Unit(benchmark::kMicrosecond);
BENCHMARK(StartVensterGetoond)->Unit(benchmark::kMicrosecond);
BENCHMARK(ProcesLegeWidget)->Unit(benchmark::kMillisecond);
BENCHMARK(ProcesLabelKnop)->Unit(benchmark::kMillisecond);
BENCHMARK(ProcesStartVenster)->Unit(benchmark::kMillisecond);
BENCHMARK(RuwLedenbestand)->Apply(GrootLedenbestand::Groottes)->Unit(benchmark::kMillisecond);
BENCHMARK(AfmeldVensterOpenen)->Apply(GrootLedenbestand::Groottes)->Unit(benchmark::kMillisecond);
BENCHMARK(EenGroepAanvinken)->Apply(GrootLedenbestand::Groottes)->Unit(benchmark::kMillisecond);
BENCHMARK(AlleGroepenAanvinken)->Apply(GrootLedenbestand::Groottes)->Unit(benchmark::kMillisecond);
BENCHMARK(AfmeldVensterOpenenAlleGroepen)->Apply(GrootLedenbestand::Groottes)->Unit(benchmark::kMillisecond);
BENCHMARK(GeheugenAfmeldVenster)->Apply(GrootLedenbestand::Groottes)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QByteArray eerste = argc >= 2 ? QByteArray(argv[1]) : QByteArray();
    if (eerste == "--opstart=leeg" || eerste == "--opstart=knop" ||
        ((eerste == "--opstart=start" || eerste == "--geheugen") && argc >= 3))
        return Kindproces(argc, argv, eerste);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
