#include "fuzzsteun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace FuzzSteun {

QString Map()
{
    static QTemporaryDir map;
    return map.path();
}

QString Bestand(const QString& naam, const QByteArray& bytes)
{
    const QString pad = QDir(Map()).filePath(naam);
    QFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        bestand.write(bytes) != bytes.size())
        Faal("the fuzz input could not be written", __FILE__, __LINE__);
    return pad;
}

QByteArray Bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

QList<QByteArray> Delen(const QByteArray& invoer, int aantal)
{
    QList<QByteArray> delen;
    qsizetype begin = 0;
    while (delen.size() < aantal - 1) {
        const qsizetype scheiding = invoer.indexOf('\xff', begin);
        if (scheiding < 0)
            break;
        delen.append(invoer.mid(begin, scheiding - begin));
        begin = scheiding + 1;
    }
    delen.append(invoer.mid(begin));
    while (delen.size() < aantal)
        delen.append(QByteArray());
    return delen;
}

void Faal(const char* eis, const char* bestand, int regel)
{
    std::fprintf(stderr, "%s:%d: broken promise: %s\n", bestand, regel, eis);
    std::abort();
}

} // namespace FuzzSteun
