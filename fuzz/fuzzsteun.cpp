#include "fuzzsteun.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzDoel(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}

namespace FuzzSteun {

QString Map()
{
    static QTemporaryDir map;
    return map.path();
}

QString Bestand(const QString& naam, const QByteArray& bytes)
{
    QFile bestand(Map() + u'/' + naam);
    FUZZ_EIS(bestand.open(QIODevice::WriteOnly | QIODevice::Truncate) && bestand.write(bytes) == bytes.size());
    return bestand.fileName();
}

QList<QByteArray> Delen(const QByteArray& invoer, int aantal)
{
    QByteArrayList delen = invoer.split('\xff');
    const QByteArray rest = delen.mid(aantal - 1).join('\xff');
    delen.resize(aantal - 1);
    return delen << rest;
}

} // namespace FuzzSteun
