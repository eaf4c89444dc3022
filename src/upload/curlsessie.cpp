#include "upload/curlsessie.h"

#include "upload/bekendeservers.h"

#include <QCryptographicHash>
#include <QStringList>
#include <QUrl>

#include <openssl/ssl.h>
#include <openssl/x509.h>

namespace {

// libcurl needs its global set-up once, before any handle, on any thread.
void ZorgVoorCurl()
{
    static const bool klaar = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(klaar);
}

QStringList Delen(const QString& map)
{
    return map.split(u'/', Qt::SkipEmptyParts);
}

size_t Ontvang(char* data, size_t grootte, size_t aantal, void* doel)
{
    static_cast<QByteArray*>(doel)->append(data, qsizetype(grootte * aantal));
    return grootte * aantal;
}

struct Bron {
    const QByteArray* inhoud;
    qsizetype positie = 0;
};

size_t Geef(char* doel, size_t grootte, size_t aantal, void* bron)
{
    auto* b = static_cast<Bron*>(bron);
    const qsizetype n = qMin(qsizetype(grootte * aantal), b->inhoud->size() - b->positie);
    memcpy(doel, b->inhoud->constData() + b->positie, size_t(n));
    b->positie += n;
    return size_t(n);
}

int Vordering(void* terug, curl_off_t, curl_off_t, curl_off_t, curl_off_t verstuurd)
{
    return (*static_cast<const std::function<bool(qint64)>*>(terug))(verstuurd) ? 0 : 1;
}

QByteArray Aanhalen(const QString& pad)
{
    return '"' + pad.toUtf8() + '"';
}

QString Hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(':').toUpper());
}

int EigenIndex()
{
    static const int index = SSL_CTX_get_ex_new_index(0, nullptr, nullptr, nullptr, nullptr);
    return index;
}

// Called by OpenSSL for every certificate of the chain; the server's own one (depth 0) is
// kept, so that a certificate the system cannot vouch for can be shown to the user.
int OnthoudCertificaat(int goed, X509_STORE_CTX* keten)
{
    if (X509_STORE_CTX_get_error_depth(keten) != 0)
        return goed;
    const auto* ssl = static_cast<const SSL*>(X509_STORE_CTX_get_ex_data(keten, SSL_get_ex_data_X509_STORE_CTX_idx()));
    auto* gezien = static_cast<CurlSessie::Gezien*>(SSL_CTX_get_ex_data(SSL_get_SSL_CTX(ssl), EigenIndex()));
    X509* certificaat = X509_STORE_CTX_get_current_cert(keten);
    if (!gezien || !certificaat)
        return goed;
    unsigned char* der = nullptr;
    const int lengte = i2d_X509_PUBKEY(X509_get_X509_PUBKEY(certificaat), &der);
    if (lengte > 0) {
        const QByteArray sleutel(reinterpret_cast<const char*>(der), lengte);
        gezien->teBewaren = QStringLiteral("sha256//") +
            QString::fromLatin1(QCryptographicHash::hash(sleutel, QCryptographicHash::Sha256).toBase64());
        OPENSSL_free(der);
    }
    unsigned char hash[EVP_MAX_MD_SIZE];
    unsigned int hashLengte = 0;
    if (X509_digest(certificaat, EVP_sha256(), hash, &hashLengte) == 1)
        gezien->vingerafdruk = Hex(QByteArray(reinterpret_cast<const char*>(hash), int(hashLengte)));
    return goed;
}

CURLcode VolgCertificaat(CURL*, void* context, void* gezien)
{
    auto* ssl = static_cast<SSL_CTX*>(context);
    SSL_CTX_set_ex_data(ssl, EigenIndex(), gezien);
    SSL_CTX_set_verify(ssl, SSL_CTX_get_verify_mode(ssl), &OnthoudCertificaat);
    return CURLE_OK;
}

} // namespace

CurlSessie::CurlSessie(const Verbinding& verbinding) : m_verbinding(verbinding)
{
    ZorgVoorCurl();
    m_curl = curl_easy_init();
    if (m_verbinding.Protocol != u"FTP")
        m_bekend = BekendeServers::Zoek(
            m_verbinding.BekendeServersPad,
            BekendeServers::Sleutel(m_verbinding.Protocol, m_verbinding.Server, m_verbinding.Poort));
}

CurlSessie::~CurlSessie() { curl_easy_cleanup(m_curl); }

QString CurlSessie::Url(const QString& naam) const
{
    const bool sftp = m_verbinding.Protocol == u"SFTP";
    // An IPv6 address goes between brackets, or its colons would read as the port.
    const QString server = m_verbinding.Server.contains(u':') ? u'[' + m_verbinding.Server + u']' : m_verbinding.Server;
    QString url = (sftp ? QStringLiteral("sftp://") : QStringLiteral("ftp://")) + server + u':' +
                  QString::number(m_verbinding.Poort) + (sftp ? QStringLiteral("/~/") : QStringLiteral("/"));
    for (const QString& deel : Delen(m_verbinding.Map))
        url += QString::fromLatin1(QUrl::toPercentEncoding(deel)) + u'/';
    return url + QString::fromLatin1(QUrl::toPercentEncoding(naam));
}

QString CurlSessie::Pad(const QString& naam) const
{
    // Relative: SFTP and FTP servers both start in the login folder.
    return (Delen(m_verbinding.Map) + QStringList{naam}).join(u'/');
}

void CurlSessie::Begin(const QString& url)
{
    curl_easy_reset(m_curl);
    m_fout[0] = 0;
    curl_easy_setopt(m_curl, CURLOPT_URL, url.toUtf8().constData());
    curl_easy_setopt(m_curl, CURLOPT_USERNAME, m_verbinding.Gebruiker.toUtf8().constData());
    curl_easy_setopt(m_curl, CURLOPT_PASSWORD, m_verbinding.Wachtwoord.toUtf8().constData());
    curl_easy_setopt(m_curl, CURLOPT_ERRORBUFFER, m_fout);
    curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_curl, CURLOPT_CONNECTTIMEOUT, 20L);
    // A server that stops answering is a time-out after half a minute, not a hang.
    curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_TIME, 30L);
    if (m_verbinding.Protocol == u"SFTP") {
        curl_easy_setopt(m_curl, CURLOPT_SSH_AUTH_TYPES, long(CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD));
        curl_easy_setopt(m_curl, CURLOPT_SSH_HOSTKEYFUNCTION, &CurlSessie::HostSleutel);
        curl_easy_setopt(m_curl, CURLOPT_SSH_HOSTKEYDATA, this);
    } else if (m_verbinding.Protocol == u"FTPS") {
        curl_easy_setopt(m_curl, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
        if (m_bekend.isEmpty()) {
            curl_easy_setopt(m_curl, CURLOPT_SSL_CTX_FUNCTION, &VolgCertificaat);
            curl_easy_setopt(m_curl, CURLOPT_SSL_CTX_DATA, &m_gezien);
        } else {
            // A certificate the user accepted: its public key is pinned instead of checked
            // against the system's authorities, which could not vouch for it.
            curl_easy_setopt(m_curl, CURLOPT_SSL_VERIFYPEER, 0L);
            curl_easy_setopt(m_curl, CURLOPT_SSL_VERIFYHOST, 0L);
            curl_easy_setopt(m_curl, CURLOPT_PINNEDPUBLICKEY, m_bekend.toLatin1().constData());
        }
    }
}

CURLcode CurlSessie::Voer() { return curl_easy_perform(m_curl); }

int CurlSessie::HostSleutel(void* zelf, int, const char* sleutel, size_t lengte)
{
    auto* sessie = static_cast<CurlSessie*>(zelf);
    const QByteArray hash = QCryptographicHash::hash(QByteArray(sleutel, qsizetype(lengte)), QCryptographicHash::Sha256);
    sessie->m_gezien.vingerafdruk =
        QStringLiteral("SHA256:") + QString::fromLatin1(hash.toBase64(QByteArray::OmitTrailingEquals));
    sessie->m_gezien.teBewaren = sessie->m_gezien.vingerafdruk;
    return sessie->m_gezien.vingerafdruk == sessie->m_bekend ? CURLKHMATCH_OK : CURLKHMATCH_MISMATCH;
}

CURLcode CurlSessie::LeesMap()
{
    QByteArray lijst;
    Begin(Url(QString()));
    curl_easy_setopt(m_curl, CURLOPT_DIRLISTONLY, 1L);
    curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, &Ontvang);
    curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, &lijst);
    return Voer();
}

CURLcode CurlSessie::Lees(const QString& naam, QByteArray& inhoud)
{
    inhoud.clear();
    Begin(Url(naam));
    curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, &Ontvang);
    curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, &inhoud);
    return Voer();
}

CURLcode CurlSessie::Schrijf(const QString& tijdelijk, const QString& naam, const QByteArray& inhoud,
                             const std::function<bool(qint64)>& voortgang)
{
    Bron bron{&inhoud};
    Begin(Url(tijdelijk));
    curl_easy_setopt(m_curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(m_curl, CURLOPT_READFUNCTION, &Geef);
    curl_easy_setopt(m_curl, CURLOPT_READDATA, &bron);
    curl_easy_setopt(m_curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(inhoud.size()));
    curl_easy_setopt(m_curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(m_curl, CURLOPT_XFERINFOFUNCTION, &Vordering);
    curl_easy_setopt(m_curl, CURLOPT_XFERINFODATA, &voortgang);
    // SFTP servers refuse to rename over an existing file, so the old one goes just before;
    // FTP servers replace it in the rename itself.
    const QList<QByteArray> commandos =
        m_verbinding.Protocol == u"SFTP"
            ? QList<QByteArray>{"*rm " + Aanhalen(Pad(naam)),
                                "rename " + Aanhalen(Pad(tijdelijk)) + ' ' + Aanhalen(Pad(naam))}
            : QList<QByteArray>{"RNFR " + tijdelijk.toUtf8(), "RNTO " + naam.toUtf8()};
    curl_slist* lijst = nullptr;
    for (const QByteArray& commando : commandos)
        lijst = curl_slist_append(lijst, commando.constData());
    curl_easy_setopt(m_curl, CURLOPT_POSTQUOTE, lijst);
    const CURLcode code = Voer();
    curl_slist_free_all(lijst);
    return code;
}

CURLcode CurlSessie::Verwijder(const QString& naam)
{
    // Sent before the folder is entered, so with the path from the login folder.
    const QByteArray commando = m_verbinding.Protocol == u"SFTP" ? "rm " + Aanhalen(Pad(naam))
                                                                  : "DELE " + Pad(naam).toUtf8();
    curl_slist* lijst = curl_slist_append(nullptr, commando.constData());
    Begin(Url(QString()));
    curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(m_curl, CURLOPT_QUOTE, lijst);
    const CURLcode code = Voer();
    curl_slist_free_all(lijst);
    return code;
}
