// A fuzz target without libFuzzer, in the main build: replays the files and folders given, then
// for -seconden=N feeds it mutated corpus inputs (bit flips, inserts, deletes, splices) drawn
// from -zaad=S (default 1); the same arguments repeat the same inputs.
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>

#include <cstdint>
#include <cstdio>
#include <random>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void Draai(const QByteArray& invoer)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(invoer.constData()), static_cast<size_t>(invoer.size()));
}

QByteArray Muteer(const QList<QByteArray>& corpus, std::mt19937& rg)
{
    const auto tot = [&rg](qsizetype n) { return static_cast<qsizetype>(rg() % static_cast<quint32>(n + 1)); }; // 0 to n
    QByteArray uit = corpus.at(tot(corpus.size() - 1));
    for (qsizetype keer = 1 + tot(3); keer > 0; --keer) {
        const qsizetype plek = tot(uit.size());
        const QByteArray& ander = corpus.at(tot(corpus.size() - 1));
        switch (rg() % 4) {
        case 0:
            if (plek < uit.size())
                uit[plek] = static_cast<char>(uit[plek] ^ (1 << rg() % 8));
            break;
        case 1: uit.insert(plek, static_cast<char>(rg())); break;
        case 2: uit.remove(plek, tot(8)); break;
        default: uit = uit.left(plek) + ander.mid(tot(ander.size()));
        }
    }
    return uit;
}

} // namespace

int main(int argc, char* argv[])
{
    unsigned seconden = 0, zaad = 1;
    QStringList paden;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(QStringLiteral("-seconden=")) || arg.startsWith(QStringLiteral("-zaad=")))
            (arg.startsWith(u"-z") ? zaad : seconden) = arg.section(u'=', 1).toUInt();
        else if (!QFileInfo(arg).isDir())
            paden << arg;
        else
            for (QDirIterator it(arg, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
                paden << it.next();
    }
    paden.sort(); // the same order everywhere, so a seed repeats its inputs
    QList<QByteArray> corpus;
    for (const QString& pad : paden) {
        QFile bestand(pad);
        if (!bestand.open(QIODevice::ReadOnly))
            return std::fprintf(stderr, "cannot read %s\n", qPrintable(pad)), 2;
        Draai(corpus.emplace_back(bestand.readAll()));
    }
    if (corpus.isEmpty())
        return 1;
    std::fprintf(stderr, "%lld inputs replayed; mutating for %u s from -zaad=%u\n", static_cast<long long>(corpus.size()), seconden, zaad);
    std::mt19937 rg(zaad);
    QElapsedTimer klok;
    klok.start();
    long long gedraaid = 0;
    for (; klok.elapsed() < seconden * 1000LL; ++gedraaid)
        Draai(Muteer(corpus, rg));
    std::printf("%lld mutated inputs\n", gedraaid);
    return 0;
}
