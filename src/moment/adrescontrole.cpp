#include "moment/adrescontrole.h"

#include "common/tekst.h"

#include <QHash>

#include <algorithm>

namespace Adrescontrole {

bool LijktEmailadres(const QString& adres)
{
    const QString s = Tekst::Trim(adres);
    if (std::any_of(s.begin(), s.end(), [](QChar c) { return c.isSpace(); }))
        return false;
    const QStringList delen = s.split(u'@');
    if (delen.size() != 2 || delen.at(0).isEmpty())
        return false;
    const QStringList domein = delen.at(1).split(u'.');
    return domein.size() >= 2 &&
           std::none_of(domein.begin(), domein.end(), [](const QString& deel) { return deel.isEmpty(); });
}

QList<Bevinding> Controleer(const QStringList& rijen)
{
    QList<QString> sleutels;
    QHash<QString, int> aantal;
    for (const QString& rij : rijen) {
        const QString sleutel = Tekst::Trim(rij).toCaseFolded();
        sleutels.append(sleutel);
        if (!sleutel.isEmpty())
            ++aantal[sleutel];
    }
    QList<Bevinding> uit;
    for (qsizetype i = 0; i < rijen.size(); ++i) {
        Bevinding b;
        if (!sleutels.at(i).isEmpty()) {
            b.ongeldig = !LijktEmailadres(rijen.at(i));
            b.dubbel = aantal.value(sleutels.at(i)) > 1;
        }
        uit.append(b);
    }
    return uit;
}

QString Toelichting(const Bevinding& bevinding)
{
    QStringList zinnen;
    if (bevinding.ongeldig)
        zinnen.append(QStringLiteral("Dit lijkt geen geldig e-mailadres."));
    if (bevinding.dubbel)
        zinnen.append(QStringLiteral("Dit adres staat twee keer in de lijst."));
    return zinnen.join(u'\n');
}

} // namespace Adrescontrole
