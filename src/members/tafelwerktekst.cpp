#include "members/tafelwerktekst.h"

#include "common/ansi.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <memory>

namespace {

constexpr qint64 kStuk = 1 << 20;
constexpr char kBom[] = "\xEF\xBB\xBF";

// Decodes a file piece by piece: a UTF-8 character split between two pieces is kept whole.
class Decoder {
public:
    QString Decodeer(QByteArray stuk) {
        if (m_eerste) {
            m_eerste = false;
            if (stuk.startsWith(kBom)) {
                m_utf8.emplace(QStringConverter::Utf8);
                stuk.remove(0, 3);
            }
        }
        return m_utf8 ? m_utf8->decode(stuk) : Ansi::Van(stuk);
    }

private:
    bool m_eerste = true;
    std::optional<QStringDecoder> m_utf8;
};

std::unique_ptr<QFile> Open(const QString& pad) {
    auto bestand = std::make_unique<QFile>(pad);
    if (QFileInfo(pad).isDir() || !bestand->open(QIODevice::ReadOnly))
        return nullptr;
    return bestand;
}

} // namespace

namespace TafelwerkTekst {

bool LeesRegels(const QString& pad, const std::function<void(QStringView)>& regel) {
    const std::unique_ptr<QFile> bestand = Open(pad);
    if (!bestand)
        return false;
    Decoder decoder;
    QString rest;       // the start of a line the previous piece did not end
    bool naCr = false;  // the previous piece ended in CR: an LF that follows belongs to it
    for (;;) {
        const QByteArray bytes = bestand->read(qBound<qint64>(4096, bestand->bytesAvailable(), kStuk));
        if (bytes.isEmpty())
            break;
        const QString stuk = decoder.Decodeer(bytes);
        const QStringView tekst(stuk);
        qsizetype begin = naCr && tekst.startsWith(u'\n') ? 1 : 0;
        naCr = false;
        for (qsizetype i = begin; i < tekst.size(); ++i) {
            const QChar c = tekst[i];
            if (c != u'\r' && c != u'\n')
                continue;
            if (rest.isEmpty()) {
                regel(tekst.sliced(begin, i - begin));
            } else {
                rest.append(tekst.sliced(begin, i - begin));
                regel(rest);
                rest.clear();
            }
            if (c == u'\r' && i + 1 < tekst.size() && tekst[i + 1] == u'\n')
                ++i;
            else if (c == u'\r' && i + 1 == tekst.size())
                naCr = true;
            begin = i + 1;
        }
        rest.append(tekst.sliced(begin));
    }
    if (!rest.isEmpty())
        regel(rest);
    return true;
}

std::optional<QString> LeesAlles(const QString& pad) {
    const std::unique_ptr<QFile> bestand = Open(pad);
    if (!bestand)
        return std::nullopt;
    return Decoder().Decodeer(bestand->readAll());
}

} // namespace TafelwerkTekst
