#pragma once

#include "common/ansi.h"
#include "support/testpaden.h"

#include <QStringList>

// Builds member files for tests: 18 comma-separated fields per member, the used ones named.
namespace TestLeden {

struct Lid {
    QString nummer = QStringLiteral("1"), groep2, groep16, voornaam, tussenvoegsel, achternaam = QStringLiteral("Lid"),
            overleden, extra;
};

inline QString Regel(const Lid& lid)
{
    QStringList v(18);
    v[0] = QStringLiteral("0"), v[1] = lid.nummer, v[2] = lid.groep2, v[3] = lid.voornaam;
    v[4] = lid.tussenvoegsel, v[5] = lid.achternaam, v[15] = lid.overleden, v[16] = lid.groep16, v[17] = lid.extra;
    return v.join(u',');
}

// One member of group g2 + g16 with the given last name.
inline QString InGroep(const QString& groep2, const QString& groep16, const QString& achternaam = QStringLiteral("Lid"),
                       const QString& nummer = QStringLiteral("1"))
{
    return Regel({nummer, groep2, groep16, {}, {}, achternaam, {}, {}});
}

// Writes a header line and the lines as TWKspelers.txt (Windows-1252, CR LF) into `map`; returns its path.
inline QString Schrijf(const QString& map, const QStringList& regels)
{
    const QString pad = map + QStringLiteral("/TWKspelers.txt");
    TestPaden::SchrijfBestand(pad, Ansi::Naar(QStringLiteral("Volgnr,Lidnummer,Groep\r\n") + regels.join(u"\r\n")) + "\r\n");
    return pad;
}

} // namespace TestLeden
