#include "members/tafelwerktekst.h"

#include "common/ansi.h"
#include "members/tekenzoeken.h"

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
    QString Decodeer(QByteArray stuk)
    {
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

std::unique_ptr<QFile> Open(const QString& pad)
{
    auto bestand = std::make_unique<QFile>(pad);
    if (QFileInfo(pad).isDir() || !bestand->open(QIODevice::ReadOnly))
        return nullptr;
    return bestand;
}

} // namespace

namespace TafelwerkTekst {

bool LeesRegels(const QString& pad, const std::function<void(QStringView)>& regel)
{
    const std::unique_ptr<QFile> bestand = Open(pad);
    if (!bestand)
        return false;
    Decoder decoder;
    QString rest;      // the start of a line the previous piece did not end
    bool naCr = false; // the previous piece ended in CR: an LF that follows belongs to it
    for (;;) {
        const QByteArray bytes = bestand->read(qBound<qint64>(4096, bestand->bytesAvailable(), kStuk));
        if (bytes.isEmpty())
            break;
        const QString stuk = decoder.Decodeer(bytes);
        const QStringView tekst(stuk);
        const QChar* const eind = tekst.data() + tekst.size();
        const QChar* begin = tekst.data() + (naCr && tekst.startsWith(u'\n') ? 1 : 0);
        naCr = false;
        for (const QChar* einde = TekenZoeken::Regeleinde(begin, eind); einde != eind;
             einde = TekenZoeken::Regeleinde(begin, eind)) {
            if (rest.isEmpty()) {
                regel(QStringView(begin, einde));
            } else {
                rest.append(QStringView(begin, einde));
                regel(rest);
                rest.clear();
            }
            if (*einde == u'\r' && einde + 1 < eind && einde[1] == u'\n')
                ++einde;
            else if (*einde == u'\r' && einde + 1 == eind)
                naCr = true;
            begin = einde + 1;
        }
        rest.append(QStringView(begin, eind));
    }
    if (!rest.isEmpty())
        regel(rest);
    return true;
}

std::optional<QString> LeesAlles(const QString& pad)
{
    const std::unique_ptr<QFile> bestand = Open(pad);
    if (!bestand)
        return std::nullopt;
    return Decoder().Decodeer(bestand->readAll());
}

} // namespace TafelwerkTekst
