#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

// The result of an operation that can fail: its value (nothing for void), or what the user
// is told about the failure, by default a Dutch message. A check returns Uitkomst<>: success
// when accepted, the refusal otherwise. std::optional stays for "maybe a value" where no
// reason is needed, such as a dialog the user cancelled. [[nodiscard]], because ignoring a
// failure is exactly the silent failure this type exists to prevent.
template <class T = void, class F = QString>
class [[nodiscard]] Uitkomst {
public:
    Uitkomst(T waarde) : m_inhoud(std::in_place_index<0>, std::move(waarde)) {}
    static Uitkomst Fout(F melding) { return Uitkomst(std::in_place_index<1>, std::move(melding)); }

    bool gelukt() const { return m_inhoud.index() == 0; }
    explicit operator bool() const { return gelukt(); }
    const T& waarde() const { return std::get<0>(m_inhoud); }
    const F& melding() const { return std::get<1>(m_inhoud); }

private:
    Uitkomst(std::in_place_index_t<1> fout, F melding) : m_inhoud(fout, std::move(melding)) {}

    // By index, so that T and F may be the same type (Uitkomst<QString>).
    std::variant<T, F> m_inhoud;
};

template <class F>
class [[nodiscard]] Uitkomst<void, F> {
public:
    Uitkomst() = default;
    static Uitkomst Fout(F melding)
    {
        Uitkomst uit;
        uit.m_melding = std::move(melding);
        return uit;
    }

    bool gelukt() const { return !m_melding; }
    explicit operator bool() const { return gelukt(); }
    const F& melding() const { return *m_melding; }

private:
    std::optional<F> m_melding;
};
