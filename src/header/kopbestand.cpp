#include "header/kopbestand.h"

#include "common/instellingen.h"
#include "common/paden.h"
#include "common/tekst.h"
#include "header/logobestand.h"

#include <QStringList>

#include <array>
#include <limits>
#include <optional>
#include <type_traits>
#include <variant>

namespace {

// A colour must be a number as a whole; other whole numbers take the leading number.
struct Kleur {
    qint32 KopInstellingen::*veld;
};

using Veld = std::variant<QString KopInstellingen::*, qint32 KopInstellingen::*,
                          qint16 KopInstellingen::*, Kleur>;

// The values the designer can make. Only a hand-edited file holds others; they read as the
// field's default, so the record and hovelink.js never carry them. 0 is "unset" where allowed.
struct Bereik {
    qint32 van;
    qint32 tot;
    qint32 standaard;
    bool nulMag = false;

    qint32 Binnen(qint32 waarde) const
    {
        return (waarde >= van && waarde <= tot) || (nulMag && waarde == 0) ? waarde : standaard;
    }
};

struct Sleutel {
    QString geschreven;
    QString gelezen;
    Veld veld;
    Bereik bereik{std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), 0};
};

constexpr qint32 Kleuren = 0xFFFFFF;

// Lines 3 to 18 in the order they are written. Reading tries the same keys; because every
// key includes its "=", no key is a prefix of another and the order of trying changes
// nothing.
const std::array<Sleutel, 16>& Sleutels()
{
    static const std::array<Sleutel, 16> sleutels{{
        {QStringLiteral("kopvakbr="), QStringLiteral("KOPVAKBR="), &KopInstellingen::kopvakbr, {500, 999, 750, true}},
        {QStringLiteral("kopvakho="), QStringLiteral("KOPVAKHO="), &KopInstellingen::kopvakho, {70, 130, 100, true}},
        {QStringLiteral("koptekst="), QStringLiteral("KOPTEKST="), &KopInstellingen::koptekst},
        {QStringLiteral("kopfont="), QStringLiteral("KOPFONT="), &KopInstellingen::kopfont},
        {QStringLiteral("kopkleur="), QStringLiteral("KOPKLEUR="), Kleur{&KopInstellingen::kopkleur}, {0, Kleuren, 0}},
        {QStringLiteral("kophoogi="), QStringLiteral("KOPHOOGI="), &KopInstellingen::kophoogi, {0, 40, 7}},
        {QStringLiteral("kophoog="), QStringLiteral("KOPHOOG="), &KopInstellingen::kophoog, {10, 90, 24, true}},
        {QStringLiteral("kopvet="), QStringLiteral("KOPVET="), &KopInstellingen::kopvet, {0, 1, 0}},
        {QStringLiteral("kopback="), QStringLiteral("KOPBACK="), Kleur{&KopInstellingen::kopback}, {0, Kleuren, 0}},
        {QStringLiteral("kopverti="), QStringLiteral("KOPVERTI="), &KopInstellingen::kopverti, {0, 35, 0}},
        {QStringLiteral("kopvert="), QStringLiteral("KOPVERT="), &KopInstellingen::kopvert, {0, 70, 0}},
        {QStringLiteral("tekstlo="), QStringLiteral("TEKSTLO="), &KopInstellingen::tekstlo},
        {QStringLiteral("tekstro="), QStringLiteral("TEKSTRO="), &KopInstellingen::tekstro},
        {QStringLiteral("logofile="), QStringLiteral("LOGOFILE="), &KopInstellingen::logofile},
        {QStringLiteral("logomarge="), QStringLiteral("LOGOMARGE="), &KopInstellingen::logomarge, {0, 30, 0}},
        {QStringLiteral("logojn="), QStringLiteral("LOGOJN="), &KopInstellingen::logojn, {0, 1, 0}},
    }};
    return sleutels;
}

template <class... F>
struct Elk : F... {
    using F::operator()...;
};
// Spelled out for compilers without deduction for aggregates (clang 14, the fuzz build).
template <class... F>
Elk(F...) -> Elk<F...>;

QString Tekstwaarde(const Veld& veld, const KopInstellingen& kop)
{
    return std::visit(Elk{[&](QString KopInstellingen::*v) { return kop.*v; },
                          [&](qint32 KopInstellingen::*v) { return QString::number(kop.*v); },
                          [&](qint16 KopInstellingen::*v) { return QString::number(kop.*v); },
                          [&](Kleur k) { return QString::number(kop.*k.veld); }},
                      veld);
}

// Stores the value of one line; false when it cannot be applied.
bool Zet(const Sleutel& s, const QString& waarde, KopInstellingen& kop)
{
    const auto zet = [&](auto KopInstellingen::*v, auto getal) {
        if (!getal)
            return false;
        kop.*v = std::remove_cvref_t<decltype(*getal)>(s.bereik.Binnen(*getal));
        return true;
    };
    return std::visit(Elk{[&](QString KopInstellingen::*v) {
                              kop.*v = waarde;
                              // Only a plain picture name in the play-moment folder is a logo.
                              if (v == &KopInstellingen::logofile && !GeldigeLogoNaam(waarde))
                                  kop.logofile.clear();
                              return true;
                          },
                          [&](qint32 KopInstellingen::*v) {
                              return zet(v, Instellingen::Geheel32(waarde));
                          },
                          [&](qint16 KopInstellingen::*v) {
                              return zet(v, Instellingen::Geheel16(waarde));
                          },
                          [&](Kleur k) { return zet(k.veld, Instellingen::Getal32(waarde)); }},
                      s.veld);
}

} // namespace

namespace {

template <class T>
KopBereik Zoek(T KopInstellingen::*veld)
{
    for (const Sleutel& s : Sleutels())
        if (const auto* lid = std::get_if<T KopInstellingen::*>(&s.veld); lid && *lid == veld)
            return {s.bereik.van, s.bereik.tot, s.bereik.standaard};
    return {0, 0, 0};
}

} // namespace

KopBereik BereikVan(qint32 KopInstellingen::*veld) { return Zoek(veld); }
KopBereik BereikVan(qint16 KopInstellingen::*veld) { return Zoek(veld); }

void VulOntwerpStandaarden(KopInstellingen& kop)
{
    for (qint32 KopInstellingen::*maat : {&KopInstellingen::kopvakbr, &KopInstellingen::kopvakho})
        if (kop.*maat == 0)
            kop.*maat = BereikVan(maat).standaard;
    if (kop.kopfont.isEmpty())
        kop.kopfont = QStringLiteral("Arial");
    if (kop.kopback == 0)
        kop.kopback = 65535;
    if (kop.koptekst.isEmpty())
        kop.koptekst = QStringLiteral("BC bridgeclub");
    if (kop.tekstlo.isEmpty())
        kop.tekstlo = QStringLiteral("abcde");
    if (kop.tekstro.isEmpty())
        kop.tekstro = QStringLiteral("info@bridgeclub.nl");
    if (kop.kophoog == 0)
        kop.kophoogi = qint16(BereikVan(&KopInstellingen::kophoogi).standaard);
}

bool WeigerBreedteToets(const QKeyEvent& toets)
{
    if (toets.key() == Qt::Key_Backspace)
        return true;
    if (toets.key() == Qt::Key_Tab || toets.key() == Qt::Key_Backtab || toets.key() == Qt::Key_Delete)
        return false;
    // Escape, Enter, shortcuts (select all, copy) and other keys that type nothing pass.
    if (toets.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString tekst = toets.text();
    if (tekst.isEmpty() || !tekst.at(0).isPrint())
        return false;
    return !(tekst.size() == 1 && tekst.at(0) >= u'0' && tekst.at(0) <= u'9');
}

Uitkomst<> SchrijfKop(const QString& MapKop, const QString& NaamKop,
                      const QString& speeldag, const QString& clubnaam,
                      KopInstellingen& kop)
{
    for (qint32 KopInstellingen::*maat : {&KopInstellingen::kopvakbr, &KopInstellingen::kopvakho})
        if (kop.*maat == 0)
            kop.*maat = BereikVan(maat).standaard;
    QStringList regels{speeldag, Tekst::Trim(clubnaam)};
    for (const Sleutel& s : Sleutels())
        regels.append(s.geschreven + Tekstwaarde(s.veld, kop));
    return TekstBestand::SchrijfRegels(Paden::Samen(MapKop, NaamKop), regels);
}

void LeesKop(const QString& MapKop, const QString& NaamKop, KopInstellingen& kop)
{
    const Uitkomst<QStringList> regels = TekstBestand::LeesRegels(Paden::Samen(MapKop, NaamKop));
    if (!regels)
        return;
    kop.MapHerkomst = MapKop;
    for (const QString& regel : regels.waarde()) {
        for (const Sleutel& s : Sleutels()) {
            if (!Instellingen::Past(regel, s.gelezen))
                continue;
            if (!Zet(s, Instellingen::Waarde(regel), kop))
                return;
            break;
        }
    }
}
