#include "grootledenbestand.h"

#include "common/ansi.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <map>
#include <memory>

namespace GrootLedenbestand {

namespace {

QString Sleutel(int groep)
{
    return QChar(u'A' + groep % 26) + QString::number(groep / 26);
}

void SchrijfBytes(const QString& pad, const QByteArray& bytes)
{
    QFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly) || bestand.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(pad));
}

} // namespace

QString Schrijf(const QString& map, int leden)
{
    const char* voornamen[] = {"Jan", "Els", "Zoë", "Hélène", "Piet", "Anna", "Kees", "Wim"};
    const char* tussen[] = {"", "van", "de", "", "van der", "'t", "", ""};
    const char* achter[] = {"Dijk", "Müller", "Bakker", "D'Hondt", "Jansen", "Hart", "Visser", "Smit", "Bos"};
    QByteArray bytes = "Volgnr,Lidnummer,Groep,Voornaam,Tussenvoegsel,Achternaam,Adres,Postcode,Woonplaats,"
                       "Telefoon,Email,Geboortedatum,Lid sinds,Bondsnummer,Opmerking,Status,Subgroep,Niveau\r\n";
    QList<QByteArray> paren(kGroepen);
    for (int i = 0; i < leden; ++i) {
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
        // Member i and the next one of its group form a pair.
        if ((i / kGroepen) % 2 == 0 && i + kGroepen < leden)
            paren[g] += QByteArray::number(100000 + i) + '-' + QByteArray::number(100000 + i + kGroepen) + '#';
    }
    const QString pad = QDir(map).filePath(QStringLiteral("TWKspelers.txt"));
    SchrijfBytes(pad, bytes);
    const QString parenmap = QDir(map).filePath(QStringLiteral("TWKspelers/Parenmap"));
    if (!QDir().mkpath(parenmap))
        qFatal("cannot make %s", qPrintable(parenmap));
    for (int g = 0; g < kGroepen; ++g)
        SchrijfBytes(QDir(parenmap).filePath(Sleutel(g) + QStringLiteral(".txt")), paren[g] + "\r\n");
    return pad;
}

const QString& Bestand(int leden)
{
    struct Club {
        QTemporaryDir map;
        QString pad;
    };
    static std::map<int, std::unique_ptr<Club>> clubs;
    std::unique_ptr<Club>& club = clubs[leden];
    if (!club) {
        club = std::make_unique<Club>();
        club->pad = Schrijf(club->map.path(), leden);
    }
    return club->pad;
}

QString AlleGroepen()
{
    QStringList groepen;
    for (int g = 0; g < kGroepen; ++g)
        groepen.append(u'(' + Sleutel(g) + u')');
    return groepen.join(u',');
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

void Groottes(benchmark::internal::Benchmark* benchmark)
{
    for (const int leden : {1000, 10000, 100000, 200000})
        benchmark->Arg(leden);
    benchmark->ArgName("leden");
}

void PerLid(benchmark::State& state, int leden)
{
    state.counters["per_lid"] =
        benchmark::Counter(leden, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

} // namespace GrootLedenbestand
