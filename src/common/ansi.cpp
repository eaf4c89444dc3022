#include "common/ansi.h"

#include <QStringView>

namespace {

// Code points of bytes 0x80..0x9F; the unassigned ones map to themselves, as Windows does.
constexpr char16_t kHoog[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

namespace Ansi {

int Code(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i) {
        if (kHoog[i] == cp)
            return 0x80 + i;
    }
    return '?';
}

QByteArray Naar(const QString& tekst)
{
    // Plain stores into a buffer of the final size: a script of thousands of members
    // goes through here, and an append per character costs more than the conversion.
    QByteArray uit(tekst.size(), Qt::Uninitialized);
    char* p = uit.data();
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const QChar c = tekst.at(i);
        if (c.isHighSurrogate() && i + 1 < tekst.size() && tekst.at(i + 1).isLowSurrogate()) {
            *p++ = '?'; // a pair is one character the code page lacks
            ++i;
            continue;
        }
        *p++ = static_cast<char>(c.unicode() < 0x80 ? c.unicode() : Code(c.unicode()));
    }
    uit.truncate(p - uit.constData());
    return uit;
}

QString Van(const QByteArray& bytes)
{
    QString uit;
    uit.resize(bytes.size());
    QChar* p = uit.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *p++ = (b >= 0x80 && b < 0xA0) ? QChar(kHoog[b - 0x80]) : QChar(b);
    }
    return uit;
}

} // namespace Ansi
