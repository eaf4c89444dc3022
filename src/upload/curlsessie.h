#pragma once

#include "upload/overdracht.h"
#include "upload/overdrachtfout.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

// One libcurl handle for one run: the steps reuse its connection, and open a new one when it
// broke. Knows the protocols' paths and the trust checks; the order of the steps is
// Overdracht's.
class CurlSessie {
public:
    CurlSessie(Verbinding verbinding, const std::atomic<bool>& annuleren);
    ~CurlSessie();
    CurlSessie(const CurlSessie&) = delete;
    CurlSessie& operator=(const CurlSessie&) = delete;

    // The names in the folder.
    Fout Namen(QStringList& namen);
    // True when `naam` in the folder is itself a folder.
    bool IsMap(const QString& naam);
    // More than `maximum` bytes is Fout::TeGroot: nothing the server sends can exhaust memory.
    Fout Lees(const QString& naam, QByteArray& inhoud, qsizetype maximum);
    Fout Schrijf(const QString& naam, const QByteArray& inhoud, const std::function<void(qint64 gedaan)>& voortgang);
    Fout Hernoem(const QString& van, const QString& naar);
    Fout Verwijder(const QString& naam);

    // While false, a cancel waits: the steps that swap the old file for the new one must not
    // stop halfway. Cleaning up after a cancel needs this too.
    void ZetAnnuleerbaar(bool annuleerbaar) { m_annuleerbaar = annuleerbaar; }

    // The server's host key fingerprint or certificate, and what the trust file would store
    // for it. Empty when the server did not get that far.
    struct Gezien {
        QString vingerafdruk;
        QString teBewaren;
    };
    const Gezien& GezienSleutel() const { return m_gezien; }
    bool WasBekend() const { return !m_bekend.isEmpty(); }
    // Progress of a step; false stops it.
    bool Doorgaan(qint64 verstuurd);

    // The library's own code of the last failure, for a message that has no better words.
    int LaatsteCode() const { return m_code; }

private:
    void Begin(const QString& url);
    Fout Voer();
    QString Url(const QString& naam) const;
    QByteArray Pad(const QString& naam) const;
    Fout Commandos(const QList<QByteArray>& commandos);
    Fout Ontvang(const QString& url, QByteArray& inhoud, qsizetype maximum, bool namen);
    static int HostSleutel(void* zelf, int type, const char* sleutel, size_t lengte);

    Verbinding m_verbinding;
    const std::atomic<bool>& m_annuleren;
    bool m_annuleerbaar = true;
    void* m_curl = nullptr;  // CURL*, kept out of this header
    void* m_multi = nullptr; // CURLM*
    QString m_bekend;        // the trusted value for this server, from the trust file
    Gezien m_gezien;
    bool m_verbonden = false; // a step has succeeded on this server
    QByteArray m_beginMap;    // an FTP server's login folder
    bool m_teGroot = false;
    int m_code = 0;
    const std::function<void(qint64)>* m_voortgang = nullptr;
    char m_fout[256] = {}; // CURL_ERROR_SIZE
};
