#include "grootledenbestand.h"

#include "common/ansi.h"

#include <QDir>
#include <QFile>

namespace GrootLedenbestand {

QString Schrijf(const QString& map)
{
    const QString pad = QDir(map).filePath(QStringLiteral("TWKspelers.txt"));
    const char* voornamen[] = {"Jan", "Els", "Zoë", "Hélène", "Piet", "Anna", "Kees", "Wim"};
    const char* tussen[] = {"", "van", "de", "", "van der", "'t", "", ""};
    const char* achter[] = {"Dijk", "Müller", "Bakker", "D'Hondt", "Jansen", "Hart", "Visser", "Smit", "Bos"};
    QByteArray bytes = "Volgnr,Lidnummer,Groep,Voornaam,Tussenvoegsel,Achternaam,Adres,Postcode,Woonplaats,"
                       "Telefoon,Email,Geboortedatum,Lid sinds,Bondsnummer,Opmerking,Status,Subgroep,Niveau\r\n";
    for (int i = 0; i < kLeden; ++i) {
        const int g = i % kGroepen;
        const QString regel = QStringLiteral("%1,%2,%3,%4,%5,%6%7,Dorpsstraat %1,1234 "
                                             "AB,Veldhoven,0401234567,lid%1@example.org,"
                                             "1950-01-01,2010-09-01,77%1,,%8,%9,%10")
                                  .arg(i + 1)
                                  .arg(100000 + i)
                                  .arg(QChar(u'A' + g % 26))
                                  .arg(QString::fromUtf8(voornamen[i % 8]))
                                  .arg(QString::fromUtf8(tussen[i % 8]))
                                  .arg(QString::fromUtf8(achter[(i / 8) % 9]))
                                  .arg(i / 72)
                                  .arg(i % 97 == 0 ? QStringLiteral("Overleden") : QString())
                                  .arg(g / 26)
                                  .arg(i % 5);
        bytes += Ansi::Naar(regel) + "\r\n";
    }
    QFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly) || bestand.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(pad));
    return pad;
}

qsizetype RuwGelezen(const QString& pad)
{
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(pad));
    qsizetype tekens = 0;
    while (!bestand.atEnd())
        tekens += Ansi::Van(bestand.readLine()).size();
    return tekens;
}

} // namespace GrootLedenbestand
