#pragma once

#include "common/ansi.h"
#include "members/ledenbestand.h"
#include "support/testpaden.h"

#include <QStringList>
#include <QTemporaryDir>

// Builds member files for tests: 18 comma-separated fields per member, the used ones named.
namespace TestLeden {

struct Lid {
    QString nummer = QStringLiteral("1");
    QString groep2;
    QString groep16;
    QString voornaam;
    QString tussenvoegsel;
    QString achternaam = QStringLiteral("Lid");
    QString overleden;
    QString extra;
};

inline QString Regel(const Lid& lid) {
    QStringList velden(18);
    velden[0] = QStringLiteral("0");
    velden[1] = lid.nummer;
    velden[2] = lid.groep2;
    velden[3] = lid.voornaam;
    velden[4] = lid.tussenvoegsel;
    velden[5] = lid.achternaam;
    velden[6] = QStringLiteral("Kerkpad 1");
    velden[15] = lid.overleden;
    velden[16] = lid.groep16;
    velden[17] = lid.extra;
    return velden.join(u',');
}

inline const QString kKop =
    QStringLiteral("Volgnr,Lidnummer,Groep,Voornaam,Tussenvoegsel,Achternaam");

// The bytes of a member file: the header line, then the lines, in Windows-1252 with CR LF.
inline QByteArray Bestand(const QStringList& regels) {
    QByteArray bytes = Ansi::Naar(kKop) + "\r\n";
    for (const QString& r : regels)
        bytes += Ansi::Naar(r) + "\r\n";
    return bytes;
}

// Writes the lines as TWKspelers.txt into `map` and returns its path.
inline QString Schrijf(const QString& map, const QStringList& regels) {
    const QString pad = map + QStringLiteral("/TWKspelers.txt");
    TestPaden::SchrijfBestand(pad, Bestand(regels));
    return pad;
}

// Reads the lines back through the real reader.
inline Ledenbestand Lees(const QStringList& regels) {
    QTemporaryDir map;
    return LeesLedenbestand(Schrijf(map.path(), regels));
}

// One member of group g2 + g16 with the given last name.
inline QString InGroep(const QString& groep2, const QString& groep16,
                       const QString& achternaam = QStringLiteral("Lid"),
                       const QString& nummer = QStringLiteral("1")) {
    Lid lid;
    lid.groep2 = groep2;
    lid.groep16 = groep16;
    lid.achternaam = achternaam;
    lid.nummer = nummer;
    return Regel(lid);
}

} // namespace TestLeden

Q_DECLARE_METATYPE(TestLeden::Lid)
