#pragma once

#include "upload/overdracht.h"

#include <curl/curl.h>

#include <QByteArray>
#include <QString>

// One libcurl handle for one run: the steps reuse its connection. Knows the protocols'
// paths and the trust checks; the order of the steps is Overdracht's.
class CurlSessie {
public:
    explicit CurlSessie(const Verbinding& verbinding);
    ~CurlSessie();
    CurlSessie(const CurlSessie&) = delete;
    CurlSessie& operator=(const CurlSessie&) = delete;

    CURLcode LeesMap();
    CURLcode Lees(const QString& naam, QByteArray& inhoud);
    // Sends under `tijdelijk`, then renames it to `naam` on the server. `voortgang` returns
    // false to cancel.
    CURLcode Schrijf(const QString& tijdelijk, const QString& naam, const QByteArray& inhoud,
                     const std::function<bool(qint64 gedaan)>& voortgang);
    CURLcode Verwijder(const QString& naam);

    // After a trust failure: the server's host key fingerprint or certificate, and what the
    // trust file would store for it. Empty when the server did not get that far.
    struct Gezien {
        QString vingerafdruk;
        QString teBewaren;
    };
    const Gezien& GezienSleutel() const { return m_gezien; }
    bool WasBekend() const { return !m_bekend.isEmpty(); }
    QString Fouttekst() const { return QString::fromLocal8Bit(m_fout); }

private:
    void Begin(const QString& url);
    CURLcode Voer();
    QString Url(const QString& naam) const;
    QString Pad(const QString& naam) const;
    static int HostSleutel(void* zelf, int type, const char* sleutel, size_t lengte);

    const Verbinding& m_verbinding;
    CURL* m_curl = nullptr;
    QString m_bekend; // the trusted value for this server, from the trust file
    Gezien m_gezien;
    char m_fout[CURL_ERROR_SIZE] = {};
};
