#include "members/ledenoverzicht.h"

#include "members/ledenrecord.h"

#include <charconv>

namespace {

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

} // namespace

// Measured first, then written through a pointer: every tick of a group shows the whole overview
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
        SchrijfDeel(p, u"  ");
        SchrijfDeel(p, nummer);
        SchrijfDeel(p, u"=(");
        SchrijfDeel(p, sleuteltekst);
        p = std::fill_n(p, opvulling(sleuteltekst), u' ');
        SchrijfDeel(p, u")  ");
        const auto [naamBegin, naamLengte] = volgorde.naam[plaats];
        SchrijfDeel(p, QStringView(volgorde.records[plaats]).sliced(nummer.size() + naamBegin, naamLengte));
        SchrijfDeel(p, u"\r\n");
    }
    return tekst;
}
