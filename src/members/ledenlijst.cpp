#include "members/ledenlijst.h"

#include "common/instellingen.h"
#include "common/lijstvolgorde.h"
#include "common/meldingen.h"
#include "common/tekst.h"

#include <QHash>

namespace {

const QString kOverleden = QStringLiteral("OVERLEDEN");
const QString kNaamOntbreekt = QStringLiteral("(naam ontbreekt)");

// The group number of a key: the number in front of "(" + key + ")" in `gekozen`, the
// ticked rows each preceded by a comma; -1 when the key is not among them. The two
// characters three places before the "(" are read as a number ("1 " is 1, "12" is 12).
int GroepNummer(const QString& gekozen, const QString& sleutel)
{
    const qsizetype open = gekozen.indexOf(u'(' + sleutel + u')', 0, Qt::CaseInsensitive);
    if (open < 0)
        return -1;
    return static_cast<int>(Instellingen::LeidendGetal(gekozen.mid(qMax<qsizetype>(open - 3, 0), 2)));
}

} // namespace

bool IsOverleden(const QString& veld15)
{
    return veld15.size() >= 5 && kOverleden.contains(veld15, Qt::CaseInsensitive);
}

QString WeergaveNaam(const QString& voornaam, const QString& tussenvoegsel, const QString& achternaam)
{
    if (tussenvoegsel.isEmpty() && voornaam.isEmpty())
        return achternaam;
    if (!tussenvoegsel.isEmpty())
        return voornaam + u' ' + tussenvoegsel + u' ' + achternaam;
    return voornaam + u' ' + achternaam;
}

LedenLijst LeesLeden(const Ledenbestand& bestand, const GroepenLijst& lst1, int chkPartnerOok)
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

    // The number of a key depends only on the key: look it up once per distinct key.
    QHash<QString, int> nummers;
    for (const LidRegel& lid : bestand.leden) {
        if (IsOverleden(lid.overleden))
            continue;
        const QString sleutel = lid.GroepSleutel();
        auto gevonden = nummers.constFind(sleutel);
        if (gevonden == nummers.cend())
            gevonden = nummers.insert(sleutel, GroepNummer(gekozen, sleutel));
        if (*gevonden < 0)
            continue;
        if (chkPartnerOok == 0 && lid.achternaam.toUpper().contains(u"PARTNER"))
            continue;
        const QString achternaam = Tekst::Trim(lid.achternaam);
        if (achternaam.isEmpty() || achternaam == kNaamOntbreekt)
            continue;
        const QString naam = WeergaveNaam(Tekst::Trim(lid.voornaam), Tekst::Trim(lid.tussenvoegsel), achternaam);
        lijst.ListH.append(Tekst::Nullen(*gevonden, 2) + u',' + achternaam + u',' + sleutel + u',' + lid.nummer +
                           u',' + naam + u',' + (lid.extra.isEmpty() ? QStringLiteral("0") : lid.extra));
    }
    LijstVolgorde::Sorteer(lijst.ListH);
    lijst.Label6 = QStringLiteral("Aantal regels: ") + QString::number(lijst.ListH.size());
    return lijst;
}

QString ToonLeden(const QStringList& ListH, int NaamBreedte)
{
    QString tekst;
    for (qsizetype k = 0; k < ListH.size(); ++k) {
        const QStringList velden = ListH.at(k).split(u',');
        const QString& sleutel = velden.value(2);
        const qsizetype opvulling = qMax<qsizetype>(NaamBreedte - 2 - sleutel.size(), 0);
        tekst += Tekst::Nullen(k + 1, 4) + QStringLiteral("  ") + velden.value(0) + QStringLiteral("=(") + sleutel +
                 QString(opvulling, u' ') + QStringLiteral(")  ") + velden.value(4) + Tekst::CrLf;
    }
    return tekst;
}

std::optional<LedenLijst> KiesLeden(const Ledenbestand& bestand, const GroepenLijst& lst1, int chkPartnerOok,
                                    Meldingen& meldingen)
{
    if (!lst1.IetsAangevinkt()) {
        meldingen.Toon(QStringLiteral("U hebt nog geen ledenbestand gekozen!") + Tekst::CrLf,
                       Meldingen::Pictogram::Uitroep);
        return std::nullopt;
    }
    LedenLijst lijst = LeesLeden(bestand, lst1, chkPartnerOok);
    lijst.txt1 = ToonLeden(lijst.ListH, lijst.NaamBreedte);
    return lijst;
}
