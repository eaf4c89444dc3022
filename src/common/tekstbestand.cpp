#include "common/tekstbestand.h"

#include "common/ansi.h"
#include "common/gewoonbestand.h"
#include "common/restanten.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_WIN
#include <QThread>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// One try: a failure is returned with its reason; `bijCommit` tells whether it was the final
// rename, which on Windows another program may block for a moment.
Uitkomst<> Poging(const QString& pad, const QByteArray& bytes, TekstBestand::Spoeler spoel, bool& bijCommit)
{
    bijCommit = false;
    // QSaveFile writes into what a link points to, which may lie outside Travenza: the link
    // itself is replaced by a real file instead.
    if (GewoonBestand::IsKoppeling(pad) && !QFile::remove(pad) && !QDir().rmdir(pad))
        return Uitkomst<>::Fout(QStringLiteral("De koppeling kan niet worden vervangen door een bestand."));
    QSaveFile bestand(pad);
    // Unbuffered, so that a disk that fills up shows as a short write here: Qt 6.4's commit()
    // does not notice when flushing its buffer fails, and would put a cut-off file in place.
    if (!bestand.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Uitkomst<>::Fout(bestand.errorString());
    if (bestand.write(bytes) != bytes.size()) {
        const QString fout = bestand.errorString();
        bestand.cancelWriting();
        return Uitkomst<>::Fout(fout);
    }
    // Qt 6.4's commit() ignores a failing fdatasync: check the flush to disk ourselves.
    if (!spoel(bestand.handle())) {
        const QString fout = qt_error_string(errno);
        bestand.cancelWriting();
        return Uitkomst<>::Fout(fout);
    }
    bijCommit = true;
    if (!bestand.commit())
        return Uitkomst<>::Fout(bestand.errorString());
    return {};
}

TekstBestand::Schrijver& HuidigeSchrijver()
{
    static TekstBestand::Schrijver schrijver;
    return schrijver;
}

} // namespace

namespace TekstBestand {

Uitkomst<QString> LeesAlles(const QString& pad)
{
    if (QFileInfo(pad).isDir())
        return Uitkomst<QString>::Fout(qt_error_string(EISDIR));
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly))
        return Uitkomst<QString>::Fout(bestand.errorString());
    return Ansi::Van(bestand.readAll());
}

Uitkomst<QStringList> LeesRegels(const QString& pad)
{
    const Uitkomst<QString> gelezen = LeesAlles(pad);
    if (!gelezen)
        return Uitkomst<QStringList>::Fout(gelezen.melding());
    const QString& tekst = gelezen.waarde();
    QStringList regels;
    qsizetype begin = 0;
    const qsizetype n = tekst.size();
    while (begin < n) {
        qsizetype eind = begin;
        while (eind < n && tekst.at(eind) != u'\n' && tekst.at(eind) != u'\r')
            ++eind;
        regels.append(tekst.mid(begin, eind - begin));
        begin = eind + 1;
        if (eind + 1 < n && tekst.at(eind) == u'\r' && tekst.at(eind + 1) == u'\n')
            ++begin;
    }
    return regels;
}

bool SpoelNaarSchijf(int handle)
{
#ifdef Q_OS_WIN
    return _commit(handle) == 0;
#else
    return fsync(handle) == 0;
#endif
}

Uitkomst<> SchrijfVeilig(const QString& pad, const QByteArray& bytes, Spoeler spoel)
{
    Restanten::RuimOp(pad);
    bool bijCommit = false;
    Uitkomst<> uit = Poging(pad, bytes, spoel, bijCommit);
#ifdef Q_OS_WIN
    // Virus scanners and sync clients hold a file briefly: try the whole save again first.
    for (int poging = 1; !uit && bijCommit && poging < 4; ++poging) {
        QThread::msleep(250);
        uit = Poging(pad, bytes, spoel, bijCommit);
    }
#endif
    return uit;
}

Uitkomst<> SchrijfBytes(const QString& pad, const QByteArray& bytes)
{
    const Schrijver& schrijver = HuidigeSchrijver();
    return schrijver ? schrijver(pad, bytes) : SchrijfVeilig(pad, bytes, &SpoelNaarSchijf);
}

Uitkomst<> SchrijfRegels(const QString& pad, const QStringList& regels)
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
