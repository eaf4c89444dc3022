#include "members/partnerbestand.h"

#include "common/paden.h"
#include "members/ledenlijst.h"
#include "members/tafelwerktekst.h"

#include <QDir>
#include <QFileInfo>

QString PartnerMap(const QString& MapTwk)
{
    return Paden::Samen(MapTwk, QStringLiteral("TWKspelers/Parenmap"));
}

QString ZoekPartnerbestand(const QString& MapTwk, const QString& naam)
{
    const QString map = PartnerMap(MapTwk);
    const QString gezocht = naam + QStringLiteral(".txt");
    // An exact match first, so a folder holding both "A1.txt" and "a1.txt" picks the one asked
    // for; and without listing the folder, which every tick of a group does for every ticked group.
    if (const QString exact = Paden::Samen(map, gezocht); QFileInfo(exact).isFile())
        return exact;
    const QStringList namen = QDir(map).entryList(QDir::Files, QDir::Name);
    for (const QString& kandidaat : namen)
        if (kandidaat.compare(gezocht, Qt::CaseInsensitive) == 0)
            return Paden::Samen(map, kandidaat);
    return {};
}

bool HeeftPartnerbestand(const QString& MapTwk, const QString& groepnaam)
{
    return !ZoekPartnerbestand(MapTwk, groepnaam).isEmpty();
}

void LeesPartnerTekst(const QString& pad, QString& PartnerTekst)
{
    const std::optional<QString> inhoud = TafelwerkTekst::LeesAlles(pad);
    if (!inhoud)
        return;
    const QString& tekst = *inhoud;
    qsizetype begin = 0;
    while (begin < tekst.size() && tekst.at(begin) == u' ')
        ++begin;
    if (begin < tekst.size() && tekst.at(begin) == u'"') {
        const qsizetype sluit = tekst.indexOf(u'"', begin + 1);
        PartnerTekst += tekst.mid(begin + 1, sluit < 0 ? -1 : sluit - begin - 1);
        return;
    }
    qsizetype eind = begin;
    while (eind < tekst.size() && tekst.at(eind) != u',' && tekst.at(eind) != u'\r' &&
           tekst.at(eind) != u'\n')
        ++eind;
    PartnerTekst += tekst.mid(begin, eind - begin);
}

Partnerbestand MaakPartnerbestand(const QString& PartnerTekst)
{
    Partnerbestand bestand;
    bestand.PartnerTekst = PartnerTekst;
    if (PartnerTekst.isEmpty())
        return bestand;
    bestand.PartnerParen = PartnerTekst.split(u'#');
    for (qsizetype i = 0; i + 1 < bestand.PartnerParen.size(); ++i) {
        const QStringList delen = bestand.PartnerParen.at(i).split(u'-');
        if (delen.size() < 2)
            continue;
        bestand.partnerVan.insert(delen.at(0), delen.at(1));
        bestand.partnerVan.insert(delen.at(1), delen.at(0));
    }
    return bestand;
}

Partnerbestand LeesPartnerbestand(const QString& MapTwk, const QString& cmbPartnerTekst)
{
    QString tekst;
    const QString pad = ZoekPartnerbestand(MapTwk, cmbPartnerTekst);
    if (!pad.isEmpty())
        LeesPartnerTekst(pad, tekst);
    return MaakPartnerbestand(tekst);
}

QString ZoekPartner(const Partnerbestand& paren, const QString& record)
{
    if (record.isEmpty())
        return {};
    return paren.partnerVan.value(RecordVeld(record, 3).toString());
}
