#include "members/ledenbestand.h"

#include "members/tafelwerktekst.h"
#include "members/tekenzoeken.h"

#include <QFileInfo>

namespace {

// The used fields: their numbers, in the order of LidVelden.
constexpr std::array<int, 6> kVelden{1, 3, 4, 5, 15, 17};
constexpr int kGroep1 = 2;
constexpr int kGroep2 = 16;

bool Blanco(QStringView regel)
{
    for (QChar c : regel)
        if (c != u' ')
            return false;
    return true;
}

} // namespace

LidVelden Ledenbestand::Lid(qsizetype i) const
{
    const Plek& lid = m_leden[static_cast<std::size_t>(i)];
    const QStringView tekst = QStringView(m_velden.data(), static_cast<qsizetype>(m_velden.size())).sliced(lid.begin);
    std::array<QStringView, kStukken> velden;
    qint32 begin = 0;
    for (std::size_t s = 0; s < velden.size(); ++s) {
        velden[s] = tekst.sliced(begin, lid.eind[s] - begin);
        begin = lid.eind[s];
    }
    return {velden[0], velden[1], velden[2], velden[3], velden[4], velden[5], lid.sleutel};
}

void Ledenbestand::VoegToe(QStringView regel)
{
    Plek lid{static_cast<qsizetype>(m_velden.size()), {}, 0};
    m_sleutel.clear();
    // One pass over the line, up to the last field used: a search per field costs more
    // than the fields themselves.
    const QChar* const eind = regel.data() + regel.size();
    const QChar* begin = regel.data();
    std::size_t stuk = 0;
    for (int veld = 0; veld <= kVelden.back(); ++veld) {
        const QChar* const komma = TekenZoeken::Komma(begin, eind);
        const QStringView tekst(begin, komma);
        if (veld == kGroep1 || veld == kGroep2) {
            m_sleutel.append(tekst.utf16(), static_cast<std::size_t>(tekst.size()));
        } else if (stuk < kVelden.size() && veld == kVelden[stuk]) {
            m_velden.insert(m_velden.end(), tekst.utf16(), tekst.utf16() + tekst.size());
            lid.eind[stuk++] = static_cast<qint32>(static_cast<qsizetype>(m_velden.size()) - lid.begin);
        }
        begin = komma < eind ? komma + 1 : eind;
    }
    const auto gevonden = m_sleutelIndex.find(std::u16string_view(m_sleutel));
    if (gevonden != m_sleutelIndex.end()) {
        lid.sleutel = gevonden->second;
    } else {
        lid.sleutel = static_cast<int>(sleutels.size());
        sleutels.append(QString::fromUtf16(m_sleutel.data(), static_cast<qsizetype>(m_sleutel.size())));
        m_sleutelIndex.emplace(m_sleutel, lid.sleutel);
    }
    m_leden.push_back(lid);
}

void Ledenbestand::Reserveer(qsizetype leden)
{
    if (m_leden.empty() || leden <= Aantal())
        return;
    m_leden.reserve(static_cast<std::size_t>(leden));
    m_velden.reserve(static_cast<std::size_t>(static_cast<qsizetype>(m_velden.size()) * leden / Aantal() + leden));
}

Ledenbestand LeesLedenbestand(const QString& pad)
{
    // The first thousand lines tell how many members the file holds, near enough.
    constexpr qsizetype kProef = 1000;
    const qsizetype grootte = QFileInfo(pad).size();
    Ledenbestand bestand;
    bool kop = true;
    qsizetype tekens = 0;
    bestand.gelezen = TafelwerkTekst::LeesRegels(pad, [&](QStringView regel) {
        // A blank line would otherwise become a nameless member of an empty group "()".
        if (!kop && !Blanco(regel)) {
            bestand.VoegToe(regel);
            tekens += regel.size() + 2;
            if (bestand.Aantal() == kProef)
                bestand.Reserveer(grootte / (tekens / kProef) * 21 / 20);
        }
        kop = false;
    });
    return bestand;
}
