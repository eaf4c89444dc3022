#include "common/rijlijst.h"

#include "common/instellingen.h"
#include "common/tekst.h"

#include <cmath>

namespace {

constexpr int HoogsteRij = 99;

} // namespace

namespace Rijlijst {

QString Schrijf(const QList<Vinkregel>& rijen)
{
    QString lijst;
    for (int rij = 0; rij < rijen.size() && rij <= HoogsteRij; ++rij) {
        if (rijen.at(rij).aangevinkt)
            lijst += Tekst::Nullen(rij, 2);
    }
    return lijst;
}

QList<int> Lees(const QString& waarde)
{
    const auto paren = static_cast<qsizetype>(std::nearbyint(waarde.size() / 2.0));
    QList<int> posities;
    for (qsizetype k = 0; k < paren; ++k)
        posities.append(Instellingen::Geheel16(waarde.mid(2 * k, 2)).value_or(0));
    return posities;
}

} // namespace Rijlijst
