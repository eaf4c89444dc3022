#pragma once

#include <QTest>

// A table test whose row is one struct filled with designated initialisers: each value stands
// beside its name, and a row stays on one line.
template <class Rij>
void RijKolom()
{
    QTest::addColumn<Rij>("rij");
}

template <class Rij>
const Rij& DezeRij()
{
    return *static_cast<const Rij*>(QTest::qData("rij", qMetaTypeId<Rij>()));
}
