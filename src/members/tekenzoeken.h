#pragma once

#include <QChar>

#include <cstdint>
#include <cstring>

// Finding the commas and line ends of member lines four characters a step: the lines are
// long, and a loop over single characters cost more than decoding them.
namespace TekenZoeken {

namespace detail {

constexpr std::uint64_t kEen = 0x0001000100010001ULL;
constexpr std::uint64_t kHoog = 0x8000800080008000ULL;

inline std::uint64_t Vier(const QChar* p)
{
    std::uint64_t x;
    std::memcpy(&x, p, sizeof x);
    return x;
}

// Whether any of the four 16-bit characters in x is below n (n at most 0x8000).
constexpr bool IetsOnder(std::uint64_t x, std::uint64_t n) { return ((x - n * kEen) & ~x & kHoog) != 0; }

// `misschien` tells from four characters whether one of them may pass; those four are then
// looked at one by one.
template <typename Past, typename Misschien>
const QChar* Zoek(const QChar* p, const QChar* eind, Past past, Misschien misschien)
{
    for (;;) {
        while (eind - p >= 4 && !misschien(Vier(p)))
            p += 4;
        const QChar* const blok = eind - p >= 4 ? p + 4 : eind;
        for (; p < blok; ++p)
            if (past(*p))
                return p;
        if (p == eind)
            return eind;
    }
}

} // namespace detail

// The first comma in [p, eind), or eind.
inline const QChar* Komma(const QChar* p, const QChar* eind)
{
    return detail::Zoek(
        p, eind, [](QChar c) { return c == u','; },
        [](std::uint64_t x) { return detail::IetsOnder(x ^ (u',' * detail::kEen), 1); });
}

// The first CR or LF in [p, eind), or eind.
inline const QChar* Regeleinde(const QChar* p, const QChar* eind)
{
    return detail::Zoek(
        p, eind, [](QChar c) { return c == u'\r' || c == u'\n'; },
        [](std::uint64_t x) { return detail::IetsOnder(x, u'\r' + 1); });
}

} // namespace TekenZoeken
