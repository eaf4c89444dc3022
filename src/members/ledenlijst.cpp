#include "members/ledenlijst.h"

#include "common/instellingen.h"
#include "common/lijstvolgorde.h"
#include "common/meldingen.h"
#include "common/tekst.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <future>
#include <numeric>
#include <vector>

namespace {

// What a member list does with a line, whatever the selection.
enum class Soort : unsigned char {
    Lid,     // taken when its group is ticked
    Partner, // a partner dummy: taken only with chkPartnerOok
    Weg,     // deceased, or without a name: never taken
};

} // namespace

// The members of a key take the places begin[k] to begin[k + 1] - 1, in rank order once the
// key is ranked: every tick walks the ticked groups' records in that order, so they are kept,
// and made, in it.
struct LedenVolgorde {
    std::vector<qsizetype> begin;                  // per group key, and one past the last
    std::vector<std::vector<qsizetype>> regelsVan; // per group key: its lines, until it is ranked
    std::vector<char> gerangschikt;                // per group key: ranked (not bits: keys are ranked on two threads)
    std::vector<QString> nummers;                  // per group key: the group number its records carry
    std::vector<QString> records;                  // per place: a member record, group number first
    std::vector<std::pair<qint32, qint32>> naam;   // per place: start and length of the display name in its record, after the group number
    std::vector<Soort> soort;                      // per place: whether a member list takes it

    int SleutelVan(qsizetype plaats) const
    {
        return static_cast<int>(std::upper_bound(begin.begin(), begin.end(), plaats) - begin.begin()) - 1;
    }
};

namespace {

const QString kOverleden = QStringLiteral("OVERLEDEN");
const QString kNaamOntbreekt = QStringLiteral("(naam ontbreekt)");

// Writes `deel` at `p` and moves `p` past it.
void Schrijf(QChar*& p, QStringView deel)
{
    p = std::copy(deel.begin(), deel.end(), p);
}

// The member record: "group number,last name,key,number,display name,field 17". The display
// name is first name, infix and last name, each trimmed, with a space after each of the first
// two that is there.
struct Record {
    Record(const LidVelden& lid, QStringView sleutel)
        : achternaam(Tekst::Trim(lid.Achternaam)), voornaam(Tekst::Trim(lid.Voornaam)),
          tussenvoegsel(Tekst::Trim(lid.Tussenvoegsel)), nummer(lid.Nummer), sleutel(sleutel),
          extra(lid.Extra.isEmpty() ? QStringView(u"0") : lid.Extra) {}

    qsizetype Lengte(const QString& groep) const
    {
        return groep.size() + 2 * achternaam.size() + sleutel.size() + nummer.size() + extra.size() + 5 +
               (MetVoornaam() ? voornaam.size() + 1 : 0) + (tussenvoegsel.isEmpty() ? 0 : tussenvoegsel.size() + 1);
    }

    // Writes the record with group number `groep` at `p`; `naam` gets the display name's place.
    QChar* Schrijf(QChar* p, const QString& groep, std::pair<qint32, qint32>& naam) const
    {
        const QChar* const begin = p;
        ::Schrijf(p, groep);
        for (const QStringView deel : {achternaam, sleutel, nummer}) {
            *p++ = u',';
            ::Schrijf(p, deel);
        }
        *p++ = u',';
        const QChar* const naamBegin = p;
        if (MetVoornaam()) {
            ::Schrijf(p, voornaam);
            *p++ = u' ';
        }
        if (!tussenvoegsel.isEmpty()) {
            ::Schrijf(p, tussenvoegsel);
            *p++ = u' ';
        }
        ::Schrijf(p, achternaam);
        naam = {static_cast<qint32>(naamBegin - begin - groep.size()), static_cast<qint32>(p - naamBegin)};
        *p++ = u',';
        ::Schrijf(p, extra);
        return p;
    }

    bool MetVoornaam() const { return !voornaam.isEmpty() || !tussenvoegsel.isEmpty(); }

    QStringView achternaam, voornaam, tussenvoegsel, nummer, sleutel, extra;
};

// The lines of one key all carry their group's number, and that number orders before anything
// after it. So records are ranked once, each among the lines of its own key (the members a
// group shows), and only for the keys a list asks for.
LedenVolgorde& Volgorde(const Ledenbestand& bestand)
{
    if (!bestand.volgorde) {
        auto volgorde = std::make_shared<LedenVolgorde>();
        const auto n = static_cast<std::size_t>(bestand.Aantal());
        const auto sleutels = static_cast<std::size_t>(bestand.sleutels.size());
        volgorde->regelsVan.resize(sleutels);
        for (qsizetype i = 0; i < bestand.Aantal(); ++i)
            volgorde->regelsVan[static_cast<std::size_t>(bestand.Sleutel(i))].push_back(i);
        volgorde->begin.assign(1, 0);
        for (const std::vector<qsizetype>& regels : volgorde->regelsVan)
            volgorde->begin.push_back(volgorde->begin.back() + static_cast<qsizetype>(regels.size()));
        volgorde->gerangschikt.assign(sleutels, 0);
        volgorde->nummers.resize(sleutels);
        volgorde->records.resize(n);
        volgorde->naam.resize(n);
        volgorde->soort.assign(n, Soort::Weg);
        bestand.volgorde = std::move(volgorde);
    }
    return *bestand.volgorde;
}

// "PARTNER" in any case. Its letters are plain ASCII, which no other character folds to, so
// this is Qt's case-insensitive search without its cost per member.
bool BevatPartner(QStringView naam)
{
    constexpr QLatin1StringView kPartner("partner");
    for (qsizetype i = 0; i + kPartner.size() <= naam.size(); ++i) {
        qsizetype j = 0;
        while (j < kPartner.size() && (naam[i + j].unicode() | 0x20) == kPartner[j].unicode())
            ++j;
        if (j == kPartner.size())
            return true;
    }
    return false;
}

Soort SoortVan(const LidVelden& lid)
{
    const QStringView achternaam = Tekst::Trim(lid.Achternaam);
    if (IsOverleden(lid.Overleden) || achternaam.isEmpty() || achternaam == kNaamOntbreekt)
        return Soort::Weg;
    return BevatPartner(lid.Achternaam) ? Soort::Partner : Soort::Lid;
}

// The places of a key [first, last), ranked, with their records (carrying `nummer`) and kinds.
// Records that start with the same group number order as the rest of them does, so a rank
// outlives a change of number.
std::pair<qsizetype, qsizetype> Rangschik(const Ledenbestand& bestand, LedenVolgorde& volgorde, int sleutel,
                                          const QString& nummer)
{
    const auto k = static_cast<std::size_t>(sleutel);
    const std::pair plaatsen{volgorde.begin[k], volgorde.begin[k + 1]};
    QString& oud = volgorde.nummers[k];
    if (volgorde.gerangschikt[k]) {
        if (oud != nummer) {
            for (qsizetype p = plaatsen.first; p < plaatsen.second; ++p)
                volgorde.records[static_cast<std::size_t>(p)].replace(0, oud.size(), nummer);
            oud = nummer;
        }
        return plaatsen;
    }
    // The records are first written one after another into one text and ranked there; each
    // is then made in rank order, so that they lie in memory as the list reads them.
    std::vector<qsizetype>& regels = volgorde.regelsVan[k];
    std::vector<Record> delen;
    std::vector<Soort> soorten;
    delen.reserve(regels.size());
    soorten.reserve(regels.size());
    qsizetype lengte = 0;
    for (const qsizetype i : regels) {
        const LidVelden lid = bestand.Lid(i);
        delen.emplace_back(lid, bestand.sleutels.at(lid.sleutel));
        soorten.push_back(SoortVan(lid));
        lengte += delen.back().Lengte(nummer);
    }
    QString tekst(lengte, Qt::Uninitialized);
    std::vector<QStringView> teksten;
    std::vector<std::pair<qint32, qint32>> namen(regels.size());
    teksten.reserve(regels.size());
    QChar* p = tekst.data();
    for (std::size_t j = 0; j < delen.size(); ++j) {
        QChar* const begin = p;
        p = delen[j].Schrijf(p, nummer, namen[j]);
        teksten.emplace_back(begin, p);
    }
    std::vector<qsizetype> orde(regels.size());
    std::iota(orde.begin(), orde.end(), 0);
    LijstVolgorde::SorteerPosities(teksten, orde);
    for (std::size_t r = 0; r < orde.size(); ++r) {
        const auto j = static_cast<std::size_t>(orde[r]);
        const auto plaats = static_cast<std::size_t>(plaatsen.first) + r;
        volgorde.records[plaats] = teksten[j].toString();
        volgorde.naam[plaats] = namen[j];
        volgorde.soort[plaats] = soorten[j];
    }
    std::vector<qsizetype>().swap(regels);
    oud = nummer;
    volgorde.gerangschikt[k] = 1;
    return plaatsen;
}

// Ranking is most of a list's work the first time its keys are asked for, and each key is
// ranked on its own: with many members, about half of the lines are ranked on a second thread.
void RangschikVooraf(const Ledenbestand& bestand, LedenVolgorde& volgorde,
                     const std::vector<std::pair<int, const QString*>>& sleutels)
{
    constexpr std::size_t kGenoeg = 4000; // below this a thread costs more than it saves
    std::size_t regels = 0;
    for (const auto& [sleutel, nummer] : sleutels)
        if (!volgorde.gerangschikt[static_cast<std::size_t>(sleutel)])
            regels += volgorde.regelsVan[static_cast<std::size_t>(sleutel)].size();
    if (regels < kGenoeg)
        return;
    std::vector<std::pair<int, const QString*>> hier;
    std::vector<std::pair<int, const QString*>> daar;
    std::size_t daarRegels = 0;
    for (const auto& taak : sleutels) {
        const auto k = static_cast<std::size_t>(taak.first);
        if (volgorde.gerangschikt[k])
            continue;
        if (daarRegels < regels / 2) {
            daar.push_back(taak);
            daarRegels += volgorde.regelsVan[k].size();
        } else {
            hier.push_back(taak);
        }
    }
    const auto rangschik = [&](const std::vector<std::pair<int, const QString*>>& taken) {
        for (const auto& [sleutel, nummer] : taken)
            Rangschik(bestand, volgorde, sleutel, *nummer);
    };
    std::future<void> ander = std::async(std::launch::async, rangschik, std::cref(daar));
    rangschik(hier);
    ander.get();
}

// The group number of a key: the number in front of "(" + key + ")" in `gekozen`, the
// ticked rows each preceded by a comma; -1 when the key is not among them. The two
// characters three places before the "(" are read as a number ("1 " is 1, "12" is 12).
int GroepNummer(const QString& gekozen, const QString& sleutel)
{
    const qsizetype open = gekozen.indexOf(u'(' + sleutel + u')', 0, Qt::CaseInsensitive);
    if (open < 0)
        return -1;
    return static_cast<int>(
        Instellingen::LeidendGetal(gekozen.mid(qMax<qsizetype>(open - 3, 0), 2)));
}

// An overview line's number: at least four digits, zeros in front.
struct RegelNummer {
    explicit RegelNummer(qsizetype k)
        : eind(std::to_chars(cijfers, cijfers + sizeof cijfers, k).ptr),
          nullen(qMax<qsizetype>(4 - (eind - cijfers), 0)) {}
    qsizetype size() const { return nullen + (eind - cijfers); }

    char cijfers[24];
    const char* eind;
    qsizetype nullen;
};

// The overview of the lines of a list: "0001  01=(A1 )  Jan van Dijk" CR LF each. Measured
// first, then written through a pointer: every tick of a group shows the whole overview
// again, and an append per piece cost more than the list itself.
QString ToonLeden(const Ledenbestand& bestand, const LedenVolgorde& volgorde, const std::vector<qsizetype>& plaatsen,
                  int NaamBreedte)
{
    const auto opvulling = [NaamBreedte](QStringView sleutel) {
        return qMax<qsizetype>(NaamBreedte - 2 - sleutel.size(), 0);
    };
    // The places come key by key: the key is looked up only where one ends.
    std::size_t sleutel = 0;
    const auto sleutelVan = [&](qsizetype plaats) {
        if (plaats < volgorde.begin[sleutel] || plaats >= volgorde.begin[sleutel + 1])
            sleutel = static_cast<std::size_t>(volgorde.SleutelVan(plaats));
        return sleutel;
    };
    qsizetype lengte = 0;
    for (std::size_t k = 0; k < plaatsen.size(); ++k) {
        const std::size_t s = sleutelVan(plaatsen[k]);
        const QString& tekst = bestand.sleutels.at(static_cast<qsizetype>(s));
        lengte += RegelNummer(static_cast<qsizetype>(k) + 1).size() + 2 + volgorde.nummers[s].size() + 2 +
                  tekst.size() + opvulling(tekst) + 3 + volgorde.naam[static_cast<std::size_t>(plaatsen[k])].second + 2;
    }
    QString tekst(lengte, Qt::Uninitialized);
    QChar* p = tekst.data();
    for (std::size_t k = 0; k < plaatsen.size(); ++k) {
        const auto plaats = static_cast<std::size_t>(plaatsen[k]);
        const std::size_t s = sleutelVan(plaatsen[k]);
        const QString& nummer = volgorde.nummers[s];
        const QString& sleuteltekst = bestand.sleutels.at(static_cast<qsizetype>(s));
        const RegelNummer regelnummer(static_cast<qsizetype>(k) + 1);
        p = std::fill_n(p, regelnummer.nullen, u'0');
        for (const char* c = regelnummer.cijfers; c != regelnummer.eind; ++c)
            *p++ = QChar(char16_t(*c));
        Schrijf(p, u"  ");
        Schrijf(p, nummer);
        Schrijf(p, u"=(");
        Schrijf(p, sleuteltekst);
        p = std::fill_n(p, opvulling(sleuteltekst), u' ');
        Schrijf(p, u")  ");
        const auto [naamBegin, naamLengte] = volgorde.naam[plaats];
        Schrijf(p, QStringView(volgorde.records[plaats]).sliced(nummer.size() + naamBegin, naamLengte));
        Schrijf(p, u"\r\n");
    }
    return tekst;
}

LedenLijst Lijst(const Ledenbestand& bestand, const GroepenLijst& lst1, int chkPartnerOok, bool metOverzicht)
{
    LedenLijst lijst;
    QString gekozen;
    qsizetype langste = 0;
    for (const GroepRij& rij : lst1.rijen) {
        if (!rij.aangevinkt)
            continue;
        gekozen += u',' + rij.tekst;
        langste = qMax(langste, rij.tekst.size());
    }
    lijst.NaamBreedte = static_cast<int>(langste) - 3;

    // The number of a key depends only on the key: every line of a key has the same one.
    LedenVolgorde& volgorde = Volgorde(bestand);
    struct Keuze {
        int nummer;
        int sleutel;
    };
    std::vector<Keuze> keuzes;
    for (qsizetype k = 0; k < bestand.sleutels.size(); ++k) {
        const int nummer = GroepNummer(gekozen, bestand.sleutels.at(k));
        if (nummer >= 0)
            keuzes.push_back({nummer, static_cast<int>(k)});
    }

    // Group numbers in the order of their two-character texts: a key found inside another
    // row's text can give an odd number such as -5, which the list orders as "5".
    int laagste = 0;
    int hoogste = 0;
    for (const Keuze& keuze : keuzes) {
        laagste = qMin(laagste, keuze.nummer);
        hoogste = qMax(hoogste, keuze.nummer);
    }
    std::vector<QString> nummerTekst(static_cast<std::size_t>(hoogste - laagste + 1));
    for (const Keuze& keuze : keuzes) {
        QString& tekst = nummerTekst[static_cast<std::size_t>(keuze.nummer - laagste)];
        if (tekst.isEmpty())
            tekst = Tekst::Nullen(keuze.nummer, 2);
    }
    std::vector<qsizetype> nummerVolgorde;
    for (std::size_t i = 0; i < nummerTekst.size(); ++i)
        if (!nummerTekst[i].isEmpty())
            nummerVolgorde.push_back(static_cast<qsizetype>(i));
    LijstVolgorde::SorteerPosities(std::vector<QStringView>(nummerTekst.begin(), nummerTekst.end()), nummerVolgorde);
    std::vector<int> nummerRang(nummerTekst.size());
    for (std::size_t r = 0; r < nummerVolgorde.size(); ++r)
        nummerRang[static_cast<std::size_t>(nummerVolgorde[r])] = static_cast<int>(r);
    const auto rangVanNummer = [&](int nummer) {
        return nummerRang[static_cast<std::size_t>(nummer - laagste)];
    };
    std::sort(keuzes.begin(), keuzes.end(), [&](const Keuze& a, const Keuze& b) {
        return rangVanNummer(a.nummer) != rangVanNummer(b.nummer) ? rangVanNummer(a.nummer) < rangVanNummer(b.nummer)
                                                                  : a.sleutel < b.sleutel;
    });

    const auto neemt = [&](qsizetype plaats) {
        const Soort soort = volgorde.soort[static_cast<std::size_t>(plaats)];
        return soort == Soort::Lid || (soort == Soort::Partner && chkPartnerOok != 0);
    };
    const auto record = [&](qsizetype plaats) -> const QString& {
        return volgorde.records[static_cast<std::size_t>(plaats)];
    };
    std::vector<std::pair<int, const QString*>> teRangschikken;
    for (const Keuze& keuze : keuzes)
        teRangschikken.emplace_back(keuze.sleutel, &nummerTekst[static_cast<std::size_t>(keuze.nummer - laagste)]);
    RangschikVooraf(bestand, volgorde, teRangschikken);
    std::vector<qsizetype> plaatsen;
    for (auto begin = keuzes.begin(); begin != keuzes.end();) {
        const auto eind = std::find_if(begin, keuzes.end(), [&](const Keuze& k) { return k.nummer != begin->nummer; });
        const QString& nummer = nummerTekst[static_cast<std::size_t>(begin->nummer - laagste)];
        const auto vanaf = static_cast<std::ptrdiff_t>(plaatsen.size());
        for (auto keuze = begin; keuze != eind; ++keuze) {
            const auto [eerste, voorbij] = Rangschik(bestand, volgorde, keuze->sleutel, nummer);
            for (qsizetype plaats = eerste; plaats < voorbij; ++plaats)
                if (neemt(plaats))
                    plaatsen.push_back(plaats);
        }
        // Keys that differ in case, or a key found inside another's row, share a number.
        if (eind - begin > 1)
            std::stable_sort(plaatsen.begin() + vanaf, plaatsen.end(), [&](qsizetype a, qsizetype b) {
                return LijstVolgorde::Vergelijk(record(a), record(b)) < 0;
            });
        begin = eind;
    }
    lijst.ListH.reserve(static_cast<qsizetype>(plaatsen.size()));
    for (const qsizetype plaats : plaatsen)
        lijst.ListH.append(record(plaats));
    lijst.Label6 = QStringLiteral("Aantal regels: ") + QString::number(lijst.ListH.size());
    if (metOverzicht)
        lijst.txt1 = ToonLeden(bestand, volgorde, plaatsen, lijst.NaamBreedte);
    return lijst;
}

} // namespace

QStringView RecordVeld(QStringView record, int n)
{
    qsizetype begin = 0;
    for (; n > 0; --n) {
        const qsizetype komma = record.indexOf(u',', begin);
        if (komma < 0)
            return {};
        begin = komma + 1;
    }
    const qsizetype komma = record.indexOf(u',', begin);
    return record.sliced(begin, (komma < 0 ? record.size() : komma) - begin);
}

bool IsOverleden(QStringView veld15)
{
    return veld15.size() >= 5 && QStringView(kOverleden).contains(veld15, Qt::CaseInsensitive);
}

LedenLijst LeesLeden(const Ledenbestand& bestand, const GroepenLijst& lst1, int chkPartnerOok)
{
    return Lijst(bestand, lst1, chkPartnerOok, false);
}

std::optional<LedenLijst> KiesLeden(const Ledenbestand& bestand, const GroepenLijst& lst1,
                                    int chkPartnerOok, Meldingen& meldingen)
{
    if (!lst1.IetsAangevinkt()) {
        meldingen.Toon(QStringLiteral("U hebt nog geen ledenbestand gekozen!") + Tekst::CrLf,
                       Meldingen::Pictogram::Uitroep);
        return std::nullopt;
    }
    return Lijst(bestand, lst1, chkPartnerOok, true);
}
