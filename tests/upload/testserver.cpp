#include "testserver.h"

#include <QDir>
#include <QFile>
#include <QTest>

TestServer::TestServer(Soort soort) : m_soort(soort)
{
    QDir().mkpath(m_dir.filePath(QStringLiteral("root") + Map));
}

TestServer::~TestServer() { Stop(); }

QString TestServer::Protocol() const
{
    return m_soort == Soort::Sftp ? QStringLiteral("SFTP") : m_soort == Soort::Ftps ? QStringLiteral("FTPS")
                                                                                     : QStringLiteral("FTP");
}

bool TestServer::Start(const QStringList& opties)
{
    Stop();
    const bool sftp = m_soort == Soort::Sftp;
    QStringList argumenten{QStringLiteral(HOVELINK_TESTSERVERS_DIR) + (sftp ? "/sftpserver.py" : "/ftpsserver.py"),
                           sftp ? QStringLiteral("--sleutel") : QStringLiteral("--certificaat"),
                           m_dir.filePath(QStringLiteral("sleutel")),
                           QStringLiteral("--map"), m_dir.filePath(QStringLiteral("root")),
                           QStringLiteral("--gebruiker"), Gebruiker, QStringLiteral("--wachtwoord"), Wachtwoord};
    if (m_poort)
        argumenten << QStringLiteral("--poort") << QString::number(m_poort);
    if (m_soort == Soort::Ftp)
        argumenten << QStringLiteral("--zonder-tls");
    m_proces.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_proces.start(QStringLiteral("/usr/bin/python3"), argumenten + opties);
    while (!m_proces.canReadLine())
        if (!m_proces.waitForReadyRead(20000))
            break;
    if (!m_proces.canReadLine()) {
        qWarning("test server did not start");
        return false;
    }
    const QStringList regel = QString::fromLatin1(m_proces.readLine()).trimmed().split(u' ');
    m_poort = regel.value(0).toInt();
    m_vingerafdruk = regel.value(1);
    return m_poort > 0;
}

void TestServer::Stop()
{
    if (m_proces.state() == QProcess::NotRunning)
        return;
    m_proces.kill();
    m_proces.waitForFinished(5000);
}

void TestServer::NieuweSleutel() { QFile::remove(m_dir.filePath(QStringLiteral("sleutel"))); }

QString TestServer::Pad(const QString& naam) const
{
    return m_dir.filePath(QStringLiteral("root") + Map + u'/' + naam);
}

QStringList TestServer::Bestanden() const
{
    return QDir(m_dir.filePath(QStringLiteral("root") + Map)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}
