#include "common/lijstvolgorde.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

const QCollator& Collator()
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Dutch, QLocale::Netherlands));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        c.setIgnorePunctuation(false);
        return c;
    }();
    return collator;
}

QString ZonderTekens(const QString& s)
{
    QString uit = s;
    uit.remove(u'-');
    uit.remove(u'\'');
    return uit;
}

} // namespace

namespace LijstVolgorde {

int Vergelijk(const QString& a, const QString& b)
{
    const int c = Collator().compare(ZonderTekens(a), ZonderTekens(b));
    if (c != 0)
        return c;
    return QString::compare(a, b, Qt::CaseSensitive);
}

void Sorteer(QStringList& lijst)
{
    std::vector<QCollatorSortKey> sleutels;
    sleutels.reserve(lijst.size());
    for (const QString& s : lijst)
        sleutels.push_back(Collator().sortKey(ZonderTekens(s)));
    std::vector<qsizetype> volgorde(lijst.size());
    std::iota(volgorde.begin(), volgorde.end(), 0);
    std::sort(volgorde.begin(), volgorde.end(), [&](qsizetype x, qsizetype y) {
        const int c = sleutels[x].compare(sleutels[y]);
        if (c != 0)
            return c < 0;
        return QString::compare(lijst.at(x), lijst.at(y), Qt::CaseSensitive) < 0;
    });
    QStringList uit;
    uit.reserve(lijst.size());
    for (const qsizetype i : volgorde)
        uit.append(lijst.at(i));
    lijst = std::move(uit);
}

} // namespace LijstVolgorde
