#include "common/tekstbestand.h"

#include "common/ansi.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

TekstBestand::SchrijfResultaat SchrijfVeilig(const QString& pad, const QByteArray& bytes)
{
    QSaveFile bestand(pad);
    // Unbuffered, so that a disk that fills up shows as a short write here: Qt 6.4's commit()
    // does not notice when flushing its buffer fails, and would put a cut-off file in place.
    if (!bestand.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, bestand.errorString()};
    if (bestand.write(bytes) != bytes.size()) {
        const QString fout = bestand.errorString();
        bestand.cancelWriting();
        return {false, fout};
    }
    if (!bestand.commit())
        return {false, bestand.errorString()};
    return {};
}

TekstBestand::Schrijver& HuidigeSchrijver()
{
    static TekstBestand::Schrijver schrijver;
    return schrijver;
}

} // namespace

namespace TekstBestand {

std::optional<QString> LeesAlles(const QString& pad)
{
    if (QFileInfo(pad).isDir())
        return std::nullopt;
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly))
        return std::nullopt;
    return Ansi::Van(bestand.readAll());
}

std::optional<QStringList> LeesRegels(const QString& pad)
{
    const std::optional<QString> tekst = LeesAlles(pad);
    if (!tekst)
        return std::nullopt;
    QStringList regels;
    qsizetype begin = 0;
    const qsizetype n = tekst->size();
    while (begin < n) {
        qsizetype eind = tekst->indexOf(u'\n', begin);
        if (eind < 0)
            eind = n;
        qsizetype inhoudEind = eind;
        if (inhoudEind > begin && tekst->at(inhoudEind - 1) == u'\r')
            --inhoudEind;
        regels.append(tekst->mid(begin, inhoudEind - begin));
        begin = eind + 1;
    }
    return regels;
}

SchrijfResultaat SchrijfBytes(const QString& pad, const QByteArray& bytes)
{
    const Schrijver& schrijver = HuidigeSchrijver();
    return schrijver ? schrijver(pad, bytes) : SchrijfVeilig(pad, bytes);
}

SchrijfResultaat SchrijfRegels(const QString& pad, const QStringList& regels)
{
    QByteArray bytes;
    for (const QString& regel : regels) {
        bytes += Ansi::Naar(regel);
        bytes += "\r\n";
    }
    return SchrijfBytes(pad, bytes);
}

void ZetSchrijver(Schrijver schrijver) { HuidigeSchrijver() = std::move(schrijver); }

} // namespace TekstBestand
