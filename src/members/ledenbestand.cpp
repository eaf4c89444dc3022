#include "members/ledenbestand.h"

#include "common/tekstbestand.h"

namespace {

// The used fields: their numbers, in the order of LidRegel's pieces.
constexpr std::array<int, 6> kVelden{1, 3, 4, 5, 15, 17};
constexpr int kGroep1 = 2;
constexpr int kGroep2 = 16;

bool Blanco(QStringView regel) {
    for (QChar c : regel)
        if (c != u' ')
            return false;
    return true;
}

} // namespace

LidRegel::LidRegel(QString regel) : m_regel(std::move(regel)) {
    const QStringView tekst(m_regel);
    QStringView groep1;
    QStringView groep2;
    qsizetype begin = 0;
    std::size_t stuk = 0;
    for (int veld = 0; veld <= kVelden.back() && begin <= tekst.size(); ++veld) {
        qsizetype komma = tekst.indexOf(u',', begin);
        if (komma < 0)
            komma = tekst.size();
        if (veld == kGroep1)
            groep1 = tekst.mid(begin, komma - begin);
        else if (veld == kGroep2)
            groep2 = tekst.mid(begin, komma - begin);
        else if (stuk < kVelden.size() && veld == kVelden[stuk])
            m_plek[stuk++] = {begin, komma - begin};
        begin = komma + 1;
    }
    m_sleutel.reserve(groep1.size() + groep2.size());
    m_sleutel.append(groep1);
    m_sleutel.append(groep2);
}

Ledenbestand LeesLedenbestand(const QString& pad) {
    Ledenbestand bestand;
    const std::optional<QStringList> regels = TekstBestand::LeesRegels(pad);
    if (!regels)
        return bestand;
    bestand.gelezen = true;
    bestand.leden.reserve(regels->size());
    for (qsizetype i = 1; i < regels->size(); ++i) {
        // A blank line would otherwise become a nameless member of an empty group "()".
        if (!Blanco(regels->at(i)))
            bestand.leden.append(LidRegel(regels->at(i)));
    }
    return bestand;
}
