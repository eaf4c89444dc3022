#include "members/ledenlijst.h"

#include "common/instellingen.h"
#include "common/lijstvolgorde.h"
#include "common/meldingen.h"
#include "common/tekst.h"

#include <QHash>

#include <algorithm>
#include <vector>

struct LedenVolgorde {
    std::vector<int> sleutel;                    // per line: its key's index in regelsVan
    std::vector<std::vector<qsizetype>> regelsVan; // per group key: its lines
    std::vector<bool> gerangschikt;              // per group key: its lines are ranked
    std::vector<QString> staarten; // per line: the member record after its group number
    std::vector<int> rang;         // per line: the sorted-list rank of its tail within its key
};

namespace {

const QString kOverleden = QStringLiteral("OVERLEDEN");
const QString kNaamOntbreekt = QStringLiteral("(naam ontbreekt)");

QStringView TrimSpaties(QStringView s) {
    while (!s.isEmpty() && s.front() == u' ')
        s = s.sliced(1);
    while (!s.isEmpty() && s.back() == u' ')
        s.chop(1);
    return s;
}

// Appends the name the site shows (see WeergaveNaam) to `uit`.
void VoegNaamToe(QString& uit, QStringView voornaam, QStringView tussenvoegsel, QStringView achternaam) {
    if (!voornaam.isEmpty() || !tussenvoegsel.isEmpty()) {
        uit.append(voornaam);
        uit.append(u' ');
    }
    if (!tussenvoegsel.isEmpty()) {
        uit.append(tussenvoegsel);
        uit.append(u' ');
    }
    uit.append(achternaam);
}

// The member record without its group number: ",last name,key,number,display name,field 17",
// made in one allocation.
QString Staart(const LidRegel& lid) {
    const QStringView achternaam = TrimSpaties(lid.Achternaam());
    const QStringView voornaam = TrimSpaties(lid.Voornaam());
    const QStringView tussenvoegsel = TrimSpaties(lid.Tussenvoegsel());
    const QStringView extra = lid.Extra().isEmpty() ? QStringView(u"0") : lid.Extra();
    QString uit;
    uit.reserve(7 + 2 * achternaam.size() + lid.GroepSleutel().size() + lid.Nummer().size() +
                voornaam.size() + tussenvoegsel.size() + extra.size());
    for (const QStringView deel : {achternaam, QStringView(lid.GroepSleutel()), lid.Nummer()}) {
        uit.append(u',');
        uit.append(deel);
    }
    uit.append(u',');
    VoegNaamToe(uit, voornaam, tussenvoegsel, achternaam);
    uit.append(u',');
    uit.append(extra);
    return uit;
}

// Records that start with the same group number order as their tails do, and the group
// number orders before anything after it. So the tails are ranked once, each among the lines
// of its own key (the members a group shows), and only for the keys a list asks for.
LedenVolgorde& Volgorde(const Ledenbestand& bestand) {
    if (!bestand.volgorde) {
        auto volgorde = std::make_shared<LedenVolgorde>();
        const std::size_t n = static_cast<std::size_t>(bestand.leden.size());
        QHash<QString, int> sleutels;
        volgorde->sleutel.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            const QString& sleutel = bestand.leden[static_cast<qsizetype>(i)].GroepSleutel();
            auto gevonden = sleutels.constFind(sleutel);
            if (gevonden == sleutels.cend()) {
                gevonden = sleutels.insert(sleutel, static_cast<int>(volgorde->regelsVan.size()));
                volgorde->regelsVan.emplace_back();
            }
            volgorde->sleutel.push_back(*gevonden);
            volgorde->regelsVan[static_cast<std::size_t>(*gevonden)].push_back(static_cast<qsizetype>(i));
        }
        volgorde->gerangschikt.assign(volgorde->regelsVan.size(), false);
        volgorde->staarten.resize(n);
        volgorde->rang.assign(n, 0);
        bestand.volgorde = std::move(volgorde);
    }
    return *bestand.volgorde;
}

void Rangschik(const Ledenbestand& bestand, LedenVolgorde& volgorde, int sleutel) {
    const auto k = static_cast<std::size_t>(sleutel);
    if (volgorde.gerangschikt[k])
        return;
    std::vector<qsizetype> regels = volgorde.regelsVan[k];
    for (const qsizetype i : regels)
        volgorde.staarten[static_cast<std::size_t>(i)] = Staart(bestand.leden.at(i));
    LijstVolgorde::SorteerPosities(volgorde.staarten, regels);
    for (std::size_t r = 0; r < regels.size(); ++r)
        volgorde.rang[static_cast<std::size_t>(regels[r])] = static_cast<int>(r);
    volgorde.gerangschikt[k] = true;
}

// The group number of a key: the number in front of "(" + key + ")" in `gekozen`, the
// ticked rows each preceded by a comma; -1 when the key is not among them. The two
// characters three places before the "(" are read as a number ("1 " is 1, "12" is 12).
int GroepNummer(const QString& gekozen, const QString& sleutel) {
    const qsizetype open = gekozen.indexOf(u'(' + sleutel + u')', 0, Qt::CaseInsensitive);
    if (open < 0)
        return -1;
    return static_cast<int>(
        Instellingen::LeidendGetal(gekozen.mid(qMax<qsizetype>(open - 3, 0), 2)));
}

// The n-th comma-separated field of a member record.
QStringView RecordVeld(QStringView record, int n) {
    qsizetype begin = 0;
    for (int i = 0; i < n; ++i) {
        const qsizetype komma = record.indexOf(u',', begin);
        if (komma < 0)
            return {};
        begin = komma + 1;
    }
    const qsizetype eind = record.indexOf(u',', begin);
    return record.mid(begin, eind < 0 ? -1 : eind - begin);
}

} // namespace

bool IsOverleden(QStringView veld15) {
    return veld15.size() >= 5 && QStringView(kOverleden).contains(veld15, Qt::CaseInsensitive);
}

QString WeergaveNaam(QStringView voornaam, QStringView tussenvoegsel, QStringView achternaam) {
    QString naam;
    naam.reserve(voornaam.size() + tussenvoegsel.size() + achternaam.size() + 2);
    VoegNaamToe(naam, voornaam, tussenvoegsel, achternaam);
    return naam;
}

LedenLijst LeesLeden(const Ledenbestand& bestand, const GroepenLijst& lst1, int chkPartnerOok) {
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

    // The number of a key depends only on the key: look it up once per distinct key.
    QHash<QString, int> nummers;
    struct Gekozen {
        int nummer;
        qsizetype regel;
    };
    std::vector<Gekozen> gekozenLeden;
    for (qsizetype i = 0; i < bestand.leden.size(); ++i) {
        const LidRegel& lid = bestand.leden.at(i);
        if (IsOverleden(lid.Overleden()))
            continue;
        auto gevonden = nummers.constFind(lid.GroepSleutel());
        if (gevonden == nummers.cend())
            gevonden = nummers.insert(lid.GroepSleutel(), GroepNummer(gekozen, lid.GroepSleutel()));
        if (*gevonden < 0)
            continue;
        if (chkPartnerOok == 0 && lid.Achternaam().contains(u"PARTNER", Qt::CaseInsensitive))
            continue;
        const QStringView achternaam = TrimSpaties(lid.Achternaam());
        if (achternaam.isEmpty() || achternaam == kNaamOntbreekt)
            continue;
        gekozenLeden.push_back({*gevonden, i});
    }

    LedenVolgorde& volgorde = Volgorde(bestand);
    // Group numbers in the order of their two-character texts: a key found inside another
    // row's text can give an odd number such as -5, which the list orders as "5".
    // Two characters read as a number give -9 to 99.
    int laagste = 0;
    int hoogste = 0;
    for (const Gekozen& lid : gekozenLeden) {
        laagste = qMin(laagste, lid.nummer);
        hoogste = qMax(hoogste, lid.nummer);
    }
    std::vector<QString> nummerTekst(static_cast<std::size_t>(hoogste - laagste + 1));
    for (const Gekozen& lid : gekozenLeden) {
        Rangschik(bestand, volgorde, volgorde.sleutel[static_cast<std::size_t>(lid.regel)]);
        QString& tekst = nummerTekst[static_cast<std::size_t>(lid.nummer - laagste)];
        if (tekst.isEmpty())
            tekst = Tekst::Nullen(lid.nummer, 2);
    }
    std::vector<qsizetype> nummerVolgorde;
    for (std::size_t i = 0; i < nummerTekst.size(); ++i)
        if (!nummerTekst[i].isEmpty())
            nummerVolgorde.push_back(static_cast<qsizetype>(i));
    LijstVolgorde::SorteerPosities(nummerTekst, nummerVolgorde);
    std::vector<int> nummerRang(nummerTekst.size());
    for (std::size_t r = 0; r < nummerVolgorde.size(); ++r)
        nummerRang[static_cast<std::size_t>(nummerVolgorde[r])] = static_cast<int>(r);
    const auto rangVanNummer = [&](int nummer) {
        return nummerRang[static_cast<std::size_t>(nummer - laagste)];
    };
    const auto staart = [&](const Gekozen& lid) -> const QString& {
        return volgorde.staarten[static_cast<std::size_t>(lid.regel)];
    };
    std::sort(gekozenLeden.begin(), gekozenLeden.end(), [&](const Gekozen& a, const Gekozen& b) {
        if (a.nummer != b.nummer)
            return rangVanNummer(a.nummer) < rangVanNummer(b.nummer);
        const auto x = static_cast<std::size_t>(a.regel);
        const auto y = static_cast<std::size_t>(b.regel);
        if (volgorde.sleutel[x] == volgorde.sleutel[y])
            return volgorde.rang[x] < volgorde.rang[y];
        // Keys that differ in case, or a key found inside another's row, share a number.
        return LijstVolgorde::Vergelijk(staart(a), staart(b)) < 0;
    });
    lijst.ListH.reserve(static_cast<qsizetype>(gekozenLeden.size()));
    for (const Gekozen& lid : gekozenLeden)
        lijst.ListH.append(nummerTekst[static_cast<std::size_t>(lid.nummer - laagste)] + staart(lid));
    lijst.Label6 = QStringLiteral("Aantal regels: ") + QString::number(lijst.ListH.size());
    return lijst;
}

QString ToonLeden(const QStringList& ListH, int NaamBreedte) {
    QString tekst;
    tekst.reserve(ListH.size() * (NaamBreedte + 40));
    for (qsizetype k = 0; k < ListH.size(); ++k) {
        const QStringView record(ListH.at(k));
        const QStringView sleutel = RecordVeld(record, 2);
        const qsizetype opvulling = qMax<qsizetype>(NaamBreedte - 2 - sleutel.size(), 0);
        tekst += Tekst::Nullen(k + 1, 4);
        tekst += u"  ";
        tekst += RecordVeld(record, 0);
        tekst += u"=(";
        tekst += sleutel;
        tekst += QString(opvulling, u' ');
        tekst += u")  ";
        tekst += RecordVeld(record, 4);
        tekst += Tekst::CrLf;
    }
    return tekst;
}

std::optional<LedenLijst> KiesLeden(const Ledenbestand& bestand, const GroepenLijst& lst1,
                                    int chkPartnerOok, Meldingen& meldingen) {
    if (!lst1.IetsAangevinkt()) {
        meldingen.Toon(QStringLiteral("U hebt nog geen ledenbestand gekozen!") + Tekst::CrLf,
                       Meldingen::Pictogram::Uitroep);
        return std::nullopt;
    }
    LedenLijst lijst = LeesLeden(bestand, lst1, chkPartnerOok);
    lijst.txt1 = ToonLeden(lijst.ListH, lijst.NaamBreedte);
    return lijst;
}
