#include "members/partnerbestand.h"

#include "common/paden.h"
#include "common/tekstbestand.h"

#include <QDir>

QString PartnerMap(const QString& MapTwk) {
    return Paden::Samen(MapTwk, QStringLiteral("TWKspelers/Parenmap"));
}

QString ZoekPartnerbestand(const QString& MapTwk, const QString& naam) {
    const QString map = PartnerMap(MapTwk);
    const QString gezocht = naam + QStringLiteral(".txt");
    // An exact match first, so a folder holding both "A1.txt" and "a1.txt" picks the one asked for.
    const QStringList namen = QDir(map).entryList(QDir::Files, QDir::Name);
    if (namen.contains(gezocht))
        return Paden::Samen(map, gezocht);
    for (const QString& kandidaat : namen)
        if (kandidaat.compare(gezocht, Qt::CaseInsensitive) == 0)
            return Paden::Samen(map, kandidaat);
    return {};
}

bool HeeftPartnerbestand(const QString& MapTwk, const QString& groepnaam) {
    return !ZoekPartnerbestand(MapTwk, groepnaam).isEmpty();
}

void LeesPartnerTekst(const QString& pad, QString& PartnerTekst) {
    const std::optional<QString> inhoud = TekstBestand::LeesAlles(pad);
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

Partnerbestand LeesPartnerbestand(const QString& MapTwk, const QString& cmbPartnerTekst) {
    Partnerbestand bestand;
    const QString pad = ZoekPartnerbestand(MapTwk, cmbPartnerTekst);
    if (!pad.isEmpty())
        LeesPartnerTekst(pad, bestand.PartnerTekst);
    if (!bestand.PartnerTekst.isEmpty())
        bestand.PartnerParen = bestand.PartnerTekst.split(u'#');
    return bestand;
}

QString ZoekPartnerVanNummer(const QStringList& PartnerParen, const QString& lidNummer) {
    QString partner;
    for (qsizetype i = 0; i + 1 < PartnerParen.size(); ++i) {
        const QStringList delen = PartnerParen.at(i).split(u'-');
        if (delen.size() < 2)
            continue;
        if (delen.at(0) == lidNummer)
            partner = delen.at(1);
        if (delen.at(1) == lidNummer)
            partner = delen.at(0);
    }
    return partner;
}

QString ZoekPartner(const QStringList& PartnerParen, const QString& record) {
    if (record.isEmpty())
        return {};
    return ZoekPartnerVanNummer(PartnerParen, record.section(u',', 3, 3));
}
