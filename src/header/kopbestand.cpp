#include "header/kopbestand.h"

#include "common/instellingen.h"
#include "common/paden.h"
#include "common/tekst.h"

#include <QStringList>

#include <array>
#include <optional>
#include <variant>

namespace {

// A colour must be a number as a whole; other whole numbers take the leading number.
struct Kleur {
    qint32 KopInstellingen::*veld;
};

using Veld = std::variant<QString KopInstellingen::*, qint32 KopInstellingen::*,
                          qint16 KopInstellingen::*, Kleur>;

struct Sleutel {
    QString geschreven;
    QString gelezen;
    Veld veld;
};

// Lines 3 to 18 in the order they are written. Reading tries the same keys; because every
// key includes its "=", no key is a prefix of another and the order of trying changes
// nothing.
const std::array<Sleutel, 16>& Sleutels()
{
    static const std::array<Sleutel, 16> sleutels{{
        {QStringLiteral("kopvakbr="), QStringLiteral("KOPVAKBR="), &KopInstellingen::kopvakbr},
        {QStringLiteral("kopvakho="), QStringLiteral("KOPVAKHO="), &KopInstellingen::kopvakho},
        {QStringLiteral("koptekst="), QStringLiteral("KOPTEKST="), &KopInstellingen::koptekst},
        {QStringLiteral("kopfont="), QStringLiteral("KOPFONT="), &KopInstellingen::kopfont},
        {QStringLiteral("kopkleur="), QStringLiteral("KOPKLEUR="), Kleur{&KopInstellingen::kopkleur}},
        {QStringLiteral("kophoogi="), QStringLiteral("KOPHOOGI="), &KopInstellingen::kophoogi},
        {QStringLiteral("kophoog="), QStringLiteral("KOPHOOG="), &KopInstellingen::kophoog},
        {QStringLiteral("kopvet="), QStringLiteral("KOPVET="), &KopInstellingen::kopvet},
        {QStringLiteral("kopback="), QStringLiteral("KOPBACK="), Kleur{&KopInstellingen::kopback}},
        {QStringLiteral("kopverti="), QStringLiteral("KOPVERTI="), &KopInstellingen::kopverti},
        {QStringLiteral("kopvert="), QStringLiteral("KOPVERT="), &KopInstellingen::kopvert},
        {QStringLiteral("tekstlo="), QStringLiteral("TEKSTLO="), &KopInstellingen::tekstlo},
        {QStringLiteral("tekstro="), QStringLiteral("TEKSTRO="), &KopInstellingen::tekstro},
        {QStringLiteral("logofile="), QStringLiteral("LOGOFILE="), &KopInstellingen::logofile},
        {QStringLiteral("logomarge="), QStringLiteral("LOGOMARGE="), &KopInstellingen::logomarge},
        {QStringLiteral("logojn="), QStringLiteral("LOGOJN="), &KopInstellingen::logojn},
    }};
    return sleutels;
}

template <class... F> struct Elk : F... {
    using F::operator()...;
};
// Spelled out for compilers without deduction for aggregates (clang 14, the fuzz build).
template <class... F> Elk(F...) -> Elk<F...>;

QString Tekstwaarde(const Veld& veld, const KopInstellingen& kop)
{
    return std::visit(Elk{[&](QString KopInstellingen::*v) { return kop.*v; },
                          [&](qint32 KopInstellingen::*v) { return QString::number(kop.*v); },
                          [&](qint16 KopInstellingen::*v) { return QString::number(kop.*v); },
                          [&](Kleur k) { return QString::number(kop.*k.veld); }},
                      veld);
}

// Stores the value of one line; false when it cannot be applied.
bool Zet(const Veld& veld, const QString& waarde, KopInstellingen& kop)
{
    const auto zet = [&](auto KopInstellingen::*v, auto getal) {
        if (!getal)
            return false;
        kop.*v = *getal;
        return true;
    };
    return std::visit(Elk{[&](QString KopInstellingen::*v) {
                              kop.*v = waarde;
                              return true;
                          },
                          [&](qint32 KopInstellingen::*v) {
                              return zet(v, Instellingen::Geheel32(waarde));
                          },
                          [&](qint16 KopInstellingen::*v) {
                              return zet(v, Instellingen::Geheel16(waarde));
                          },
                          [&](Kleur k) { return zet(k.veld, Instellingen::Getal32(waarde)); }},
                      veld);
}

} // namespace

TekstBestand::SchrijfResultaat SchrijfKop(const QString& MapKop, const QString& NaamKop,
                                          const QString& speeldag, const QString& clubnaam,
                                          KopInstellingen& kop)
{
    if (kop.kopvakbr == 0)
        kop.kopvakbr = 750;
    if (kop.kopvakho == 0)
        kop.kopvakho = 100;
    QStringList regels{speeldag, Tekst::Trim(clubnaam)};
    for (const Sleutel& s : Sleutels())
        regels.append(s.geschreven + Tekstwaarde(s.veld, kop));
    return TekstBestand::SchrijfRegels(Paden::Samen(MapKop, NaamKop), regels);
}

void LeesKop(const QString& MapKop, const QString& NaamKop, KopInstellingen& kop)
{
    const std::optional<QStringList> regels = TekstBestand::LeesRegels(Paden::Samen(MapKop, NaamKop));
    if (!regels)
        return;
    for (const QString& regel : *regels) {
        for (const Sleutel& s : Sleutels()) {
            if (!Instellingen::Past(regel, s.gelezen))
                continue;
            if (!Zet(s.veld, Instellingen::Waarde(regel), kop))
                return;
            break;
        }
    }
}
