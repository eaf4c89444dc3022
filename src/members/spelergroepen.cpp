#include "members/spelergroepen.h"

#include "common/instellingen.h"
#include "common/lijstvolgorde.h"
#include "common/meldingen.h"
#include "common/tekst.h"

#include <QSet>

bool GroepenLijst::IetsAangevinkt() const
{
    for (const GroepRij& rij : rijen)
        if (rij.aangevinkt)
            return true;
    return false;
}

GroepenLijst LeesGroepen(const Ledenbestand& bestand, Meldingen& meldingen)
{
    QSet<QString> gezien;
    QStringList sleutels;
    for (const QString& geschreven : bestand.sleutels) {
        const QString sleutel = geschreven.toUpper();
        if (gezien.contains(sleutel))
            continue;
        gezien.insert(sleutel);
        sleutels.append(sleutel);
    }
    LijstVolgorde::Sorteer(sleutels);
    if (sleutels.size() > kMaxGroepen) {
        meldingen.Toon(QStringLiteral("Het ledenbestand heeft meer dan 99 spelergroepen; alleen de "
                                      "eerste 99 worden gebruikt."),
                       Meldingen::Pictogram::Uitroep);
        sleutels.resize(kMaxGroepen);
    }
    GroepenLijst lijst;
    for (qsizetype i = 0; i < sleutels.size(); ++i)
        lijst.rijen.append({GroepRijTekst(static_cast<int>(i + 1), sleutels.at(i)), false});
    if (!lijst.rijen.isEmpty())
        lijst.huidigeRij = 0;
    return lijst;
}

QString GroepRijTekst(int nummer, const QString& sleutel)
{
    const QString blanks = nummer < 10 ? QStringLiteral("  ") : QStringLiteral(" ");
    return QString::number(nummer) + blanks + u'(' + sleutel + u')';
}

int RijNummer(const QString& rij)
{
    return static_cast<int>(Instellingen::LeidendGetal(rij.left(2)));
}

QString RijSleutel(const QString& rij)
{
    const qsizetype blank = rij.indexOf(u' ');
    return Tekst::Trim(blank < 0 ? rij : rij.mid(blank + 1));
}

QString RijNaam(const QString& rij)
{
    const qsizetype open = rij.indexOf(u'(');
    const qsizetype sluit = rij.indexOf(u')');
    if (open < 0 || sluit < open)
        return {};
    return rij.mid(open + 1, sluit - open - 1);
}
