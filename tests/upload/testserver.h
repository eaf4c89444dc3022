#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A real SFTP or FTP(S) server on 127.0.0.1 for one test: a Python process over a temporary
// folder, with one user. Its host key or certificate lives as long as the object, so a
// restart keeps it unless the test throws it away.
class TestServer {
public:
    enum class Soort { Sftp, Ftps, Ftp };
    static inline const QString Gebruiker = QStringLiteral("secretaris");
    static inline const QString Wachtwoord = QStringLiteral("Zwaluw-7781-geheim");
    static inline const QString Map = QStringLiteral("/public_html/afm/donderdag"); // made by Start()

    explicit TestServer(Soort soort);
    ~TestServer();

    // Starts on a free port; `opties` are the script's extra options. False with a QWARN
    // when the server does not come up.
    bool Start(const QStringList& opties = {});
    // Stops reading after this many bytes of a connection until the client gives up.
    static QStringList PauzeNa(int bytes) { return {QStringLiteral("--pauze-na"), QString::number(bytes)}; }
    void Stop();
    // The next start makes a new host key or certificate.
    void NieuweSleutel();

    int Poort() const { return m_poort; }
    QString Protocol() const;
    // As the server's own library reports it.
    QString Vingerafdruk() const { return m_vingerafdruk; }
    // A file in Map on the server's disk.
    QString Pad(const QString& naam) const;
    QStringList Bestanden() const;

private:
    Soort m_soort;
    QTemporaryDir m_dir;
    QProcess m_proces;
    int m_poort = 0;
    QString m_vingerafdruk;
};
