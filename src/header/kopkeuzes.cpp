#include "header/kopkeuzes.h"

#include "header/kopbestand.h"

namespace {

QStringList Reeks(KopBereik bereik, int stap)
{
    QStringList reeks;
    for (qint32 getal = bereik.van; getal <= bereik.tot; getal += stap)
        reeks.append(QString::number(getal));
    return reeks;
}

} // namespace

QStringList KopKeuzes(qint32 KopInstellingen::*veld) { return Reeks(BereikVan(veld), 2); }

QStringList KopKeuzes(qint16 KopInstellingen::*veld)
{
    return Reeks(BereikVan(veld), veld == &KopInstellingen::logomarge ? 1 : 2);
}

bool KopBreedteGoed(qint32 breedte)
{
    const KopBereik bereik = BereikVan(&KopInstellingen::kopvakbr);
    return breedte >= bereik.van && breedte <= bereik.tot;
}
