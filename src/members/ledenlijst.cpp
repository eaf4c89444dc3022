#include "members/ledenlijst.h"

#include "common/instellingen.h"
#include "common/lijstvolgorde.h"
#include "common/meldingen.h"
#include "common/tekst.h"

#include <QHash>

#include <algorithm>
#include <initializer_list>
#include <vector>

struct LedenVolgorde {
    QStringList staarten;  // per line: the member record after its group number
    std::vector<int> rang; // per line: the sorted-list rank of its tail
};

namespace {

const QString kOverleden = QStringLiteral("OVERLEDEN");
const QString kNaamOntbreekt = QStringLiteral("(naam ontbreekt)");

// The pieces joined in one allocation.
QString Aaneen(std::initializer_list<QStringView> delen) {
    qsizetype lengte = 0;
    for (QStringView deel : delen)
        lengte += deel.size();
    QString uit;
    uit.reserve(lengte);
    for (QStringView deel : delen)
        uit.append(deel);
    return uit;
}

QStringView TrimSpaties(QStringView s) {
    while (!s.isEmpty() && s.front() == u' ')
        s = s.sliced(1);
    while (!s.isEmpty() && s.back() == u' ')
        s.chop(1);
    return s;
}

// The member record without its group number: ",last name,key,number,display name,field 17".
QString Staart(const LidRegel& lid) {
    const QStringView achternaam = TrimSpaties(lid.Achternaam());
    const QString naam =
        WeergaveNaam(TrimSpaties(lid.Voornaam()), TrimSpaties(lid.Tussenvoegsel()), achternaam);
    const QStringView extra = lid.Extra().isEmpty() ? QStringView(u"0") : lid.Extra();
    return Aaneen(
        {u",", achternaam, u",", lid.GroepSleutel(), u",", lid.Nummer(), u",", naam, u",", extra});
}

// Records that start with the same group number order as their tails do, and the group
// number (two digits) orders before anything after it; so ranking the tails once gives the
// sorted-list order of every later member list without collating again.
const LedenVolgorde& Volgorde(const Ledenbestand& bestand) {
    if (!bestand.volgorde) {
        auto volgorde = std::make_shared<LedenVolgorde>();
        volgorde->staarten.reserve(bestand.leden.size());
        for (const LidRegel& lid : bestand.leden)
            volgorde->staarten.append(Staart(lid));
        QStringList gesorteerd = volgorde->staarten;
        LijstVolgorde::Sorteer(gesorteerd);
        QHash<QString, int> rangVan;
        rangVan.reserve(gesorteerd.size());
        for (qsizetype i = 0; i < gesorteerd.size(); ++i)
            rangVan.insert(gesorteerd.at(i), static_cast<int>(i));
        volgorde->rang.reserve(volgorde->staarten.size());
        for (const QString& staart : volgorde->staarten)
            volgorde->rang.push_back(rangVan.value(staart));
        bestand.volgorde = std::move(volgorde);
    }
    return *bestand.volgorde;
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
    if (tussenvoegsel.isEmpty() && voornaam.isEmpty())
        return achternaam.toString();
    if (!tussenvoegsel.isEmpty())
        return Aaneen({voornaam, u" ", tussenvoegsel, u" ", achternaam});
    return Aaneen({voornaam, u" ", achternaam});
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

    const LedenVolgorde& volgorde = Volgorde(bestand);
    std::sort(gekozenLeden.begin(), gekozenLeden.end(), [&](const Gekozen& a, const Gekozen& b) {
        if (a.nummer != b.nummer)
            return a.nummer < b.nummer;
        return volgorde.rang[a.regel] < volgorde.rang[b.regel];
    });
    lijst.ListH.reserve(static_cast<qsizetype>(gekozenLeden.size()));
    for (const Gekozen& lid : gekozenLeden)
        lijst.ListH.append(Tekst::Nullen(lid.nummer, 2) + volgorde.staarten.at(lid.regel));
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
