#pragma once

#include "support/meldingrecorder.h"
#include "upload/diaupload.h"
#include "upload/overdracht.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// A real SFTP or FTP(S) server on 127.0.0.1: a Python process with one user over a temporary folder.
struct TestServer {
    enum class Soort { Sftp,
                       Ftps,
                       Ftp } soort;
    static inline const QString Gebruiker = "secretaris", Wachtwoord = "Zwaluw-7781-geheim", Map = "/public_html/afm/donderdag";
    QTemporaryDir dir;
    QProcess proces;
    int poort = 0;
    QString vingerafdruk; // as the server's own library reports it

    explicit TestServer(Soort s) : soort(s) { QDir().mkpath(Pad({})); }
    ~TestServer() { proces.kill(), proces.waitForFinished(); }
    // Starts (again, on the same port) with the script's extra options; false when it does not come up.
    bool Start(const QStringList& opties = {})
    {
        proces.kill(), proces.waitForFinished();
        // A server that hangs or speaks another protocol is the SFTP script's, for every protocol.
        const bool sftp = soort == Soort::Sftp || opties.contains("--stil") || opties.contains("--anders");
        proces.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        proces.start("/usr/bin/python3", QStringList{HOVELINK_TESTSERVERS_DIR + QString(sftp ? "/sftpserver.py" : "/ftpsserver.py"),
                                                     sftp ? "--sleutel" : "--certificaat", dir.filePath("sleutel"), "--map",
                                                     dir.filePath("root"), "--gebruiker", Gebruiker, "--wachtwoord", Wachtwoord,
                                                     "--poort", QString::number(poort)} +
                                             (soort == Soort::Ftp && !sftp ? QStringList{"--zonder-tls"} : QStringList()) + opties);
        while (!proces.canReadLine() && proces.waitForReadyRead(20000)) {
        }
        const QStringList regel = QString::fromLatin1(proces.readLine()).trimmed().split(u' ');
        poort = regel.value(0).toInt();
        vingerafdruk = regel.value(1);
        return poort > 0;
    }
    Protocol protocol() const { return Protocollen::Alle.at(size_t(soort)); }
    // A file in `map` on the server's disk.
    QString Pad(const QString& naam, const QString& map = Map) const { return dir.filePath("root" + map + u'/' + naam); }
    QStringList Bestanden(const QString& map = Map) const { return QDir(Pad({}, map)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name); }
    ::Verbinding Aansluiting(const QString& trust, const QString& map = Map) const
    {
        return {protocol(), "127.0.0.1", poort, Gebruiker, Wachtwoord, map, trust, {}};
    }
    // Upload.ini of a secretary who used this server before and did not keep the password.
    QByteArray UploadIni() const
    {
        return "Protocol=" + Protocollen::Naam(protocol()).toUtf8() + "\r\nServer=127.0.0.1\r\nPoort=" + QByteArray::number(poort) + "\r\nGebruiker=" + Gebruiker.toUtf8() + "\r\n";
    }
};

inline QByteArray Png(int breed, int hoog)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QImage(breed, hoog, QImage::Format_RGB32).save(&buffer, "PNG");
    return bytes;
}

// Clicks one of the dialog's buttons and waits until the transfer on the worker thread is over;
// the result rows. With `annuleren`: Annuleren once its first question is answered.
inline QStringList Klik(DiaUpload& dia, const char* knop = "cmdUploaden", const MeldingRecorder* annuleren = nullptr)
{
    QTest::mouseClick(dia.findChild<QPushButton*>(knop), Qt::LeftButton);
    auto* stop = dia.findChild<QPushButton*>("cmdAnnuleren");
    if (annuleren && QTest::qWaitFor([&] { return annuleren->meldingen.size() == 1 && stop->isEnabled(); }, 60000))
        QTest::mouseClick(stop, Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return dia.findChild<QPushButton*>("cmdSluiten")->isEnabled(); }, 60000))
        return {"time-out"};
    QStringList rijen;
    for (const QListWidgetItem* rij : dia.findChild<QListWidget*>("lstResultaat")->findItems("*", Qt::MatchWildcard))
        rijen.append(rij->text());
    return rijen;
}

// Clicks into a box of the dialog and types over its text.
inline void Typ(DiaUpload& dia, const char* veld, const QString& tekst)
{
    auto* vak = dia.findChild<QWidget*>(veld);
    vak->setFocus();
    QTest::keyClick(vak, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(vak, tekst);
}
