// Runs a fuzz target over files and folders of inputs without libFuzzer, so that the main
// build replays every corpus and every input that once crashed.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void Draai(const QString& pad)
{
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(pad));
        std::exit(2);
    }
    const QByteArray bytes = bestand.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                           static_cast<size_t>(bytes.size()));
}

} // namespace

int main(int argc, char* argv[])
{
    int aantal = 0;
    for (int i = 1; i < argc; ++i) {
        const QString pad = QString::fromLocal8Bit(argv[i]);
        if (!QFileInfo(pad).isDir()) {
            Draai(pad);
            ++aantal;
            continue;
        }
        QDirIterator it(pad, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            Draai(it.next());
            ++aantal;
        }
    }
    std::printf("%d inputs replayed\n", aantal);
    return aantal > 0 ? 0 : 1;
}
