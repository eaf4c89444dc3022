#include "upload/curlsessie.h"

#include "upload/bekendeservers.h"

#include <curl/curl.h>

#include <QCryptographicHash>
#include <QUrl>

#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <memory>

namespace {

// libcurl needs its global set-up once, before any handle, on any thread.
void ZorgVoorCurl()
{
    static const bool klaar = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(klaar);
}

constexpr qsizetype MaximumLijst = 1024 * 1024;

QStringList Delen(const QString& map) { return map.split(u'/', Qt::SkipEmptyParts); }

struct Doel {
    QByteArray* inhoud;
    qsizetype maximum;
    bool* teGroot;
};

size_t Neem(char* data, size_t grootte, size_t aantal, void* doel)
{
    auto* d = static_cast<Doel*>(doel);
    const qsizetype n = qsizetype(grootte * aantal);
    if (n > d->maximum - d->inhoud->size()) {
        *d->teGroot = true;
        return 0; // libcurl stops the transfer
    }
    d->inhoud->append(data, n);
    return size_t(n);
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

// A path inside double quotes for libcurl's SFTP commands, which take \" \' and \\ as escapes.
QByteArray Aanhalen(const QByteArray& pad)
{
    QByteArray uit = "\"";
    for (const char c : pad) {
        if (c == '"' || c == '\\' || c == '\'')
            uit += '\\';
        uit += c;
    }
    return uit + '"';
}

QString Hex(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex(':').toUpper()); }

int EigenIndex()
{
    static const int index = SSL_CTX_get_ex_new_index(0, nullptr, nullptr, nullptr, nullptr);
    return index;
}

// Called by OpenSSL for the certificates of the chain. The server's own certificate is kept at
// every call, also when the check stops early at an issuer nobody knows, so that it can be
// shown to the user.
int OnthoudCertificaat(int goed, X509_STORE_CTX* keten)
{
    const auto* ssl = static_cast<const SSL*>(X509_STORE_CTX_get_ex_data(keten, SSL_get_ex_data_X509_STORE_CTX_idx()));
    auto* gezien = static_cast<CurlSessie::Gezien*>(SSL_CTX_get_ex_data(SSL_get_SSL_CTX(ssl), EigenIndex()));
    X509* certificaat = X509_STORE_CTX_get0_cert(keten);
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

int Vordering(void* sessie, curl_off_t, curl_off_t, curl_off_t, curl_off_t verstuurd)
{
    return static_cast<CurlSessie*>(sessie)->Doorgaan(verstuurd) ? 0 : 1;
}

struct SlistVrij {
    void operator()(curl_slist* lijst) const { curl_slist_free_all(lijst); }
};

} // namespace

CurlSessie::CurlSessie(Verbinding verbinding, const std::atomic<bool>& annuleren)
    : m_verbinding(std::move(verbinding)), m_annuleren(annuleren)
{
    ZorgVoorCurl();
    // Null only without memory: every step then fails. The multi handle keeps the connection
    // between the steps.
    m_curl = curl_easy_init();
    m_multi = curl_multi_init();
    if (m_verbinding.protocol != Protocol::Ftp)
        m_bekend = BekendeServers::Zoek(
            m_verbinding.BekendeServersPad,
            BekendeServers::Sleutel(m_verbinding.protocol, m_verbinding.Server, m_verbinding.Poort));
}

CurlSessie::~CurlSessie()
{
    curl_multi_cleanup(m_multi);
    curl_easy_cleanup(m_curl);
}

QString CurlSessie::Url(const QString& naam) const
{
    const bool sftp = m_verbinding.protocol == Protocol::Sftp;
    // An IPv6 address goes between brackets, or its colons would read as the port.
    const QString server = m_verbinding.Server.contains(u':') ? u'[' + m_verbinding.Server + u']' : m_verbinding.Server;
    QString url = (sftp ? QStringLiteral("sftp://") : QStringLiteral("ftp://")) + server + u':' +
                  QString::number(m_verbinding.Poort) + (sftp ? QStringLiteral("/~/") : QStringLiteral("/"));
    for (const QString& deel : Delen(m_verbinding.Map))
        url += QString::fromLatin1(QUrl::toPercentEncoding(deel)) + u'/';
    return url + QString::fromLatin1(QUrl::toPercentEncoding(naam));
}

QByteArray CurlSessie::Pad(const QString& naam) const
{
    // An SFTP server resolves a relative path from the login folder. An FTP connection that
    // is reused stands in the folder of the step before, so its paths start at the login
    // folder that the server named when we logged in.
    const QByteArray pad = (Delen(m_verbinding.Map) + QStringList{naam}).join(u'/').toUtf8();
    if (m_verbinding.protocol == Protocol::Sftp)
        return pad;
    return m_beginMap + (m_beginMap.endsWith('/') ? "" : "/") + pad;
}

void CurlSessie::Begin(const QString& url)
{
    curl_easy_reset(m_curl);
    m_fout[0] = 0;
    m_teGroot = false;
    m_voortgang = nullptr;
    curl_easy_setopt(m_curl, CURLOPT_URL, url.toUtf8().constData());
    curl_easy_setopt(m_curl, CURLOPT_USERNAME, m_verbinding.Gebruiker.toUtf8().constData());
    curl_easy_setopt(m_curl, CURLOPT_PASSWORD, m_verbinding.Wachtwoord.toUtf8().constData());
    curl_easy_setopt(m_curl, CURLOPT_ERRORBUFFER, m_fout);
    curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_curl, CURLOPT_CONNECTTIMEOUT, 20L);
    // A server that stops answering is a time-out after half a minute, not a hang.
    curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_TIME, 30L);
    // Called at least once a second in every stage, connecting included: that is where a
    // cancel is noticed.
    curl_easy_setopt(m_curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(m_curl, CURLOPT_XFERINFOFUNCTION, &Vordering);
    curl_easy_setopt(m_curl, CURLOPT_XFERINFODATA, this);
    if (m_verbinding.protocol == Protocol::Sftp) {
        curl_easy_setopt(m_curl, CURLOPT_SSH_AUTH_TYPES, long(CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD));
        curl_easy_setopt(m_curl, CURLOPT_SSH_HOSTKEYFUNCTION, &CurlSessie::HostSleutel);
        curl_easy_setopt(m_curl, CURLOPT_SSH_HOSTKEYDATA, this);
    } else if (m_verbinding.protocol == Protocol::Ftps) {
        curl_easy_setopt(m_curl, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
        curl_easy_setopt(m_curl, CURLOPT_SSL_CTX_FUNCTION, &VolgCertificaat);
        curl_easy_setopt(m_curl, CURLOPT_SSL_CTX_DATA, &m_gezien);
        if (m_bekend.isEmpty()) {
            if (!m_verbinding.Autoriteiten.isEmpty())
                curl_easy_setopt(m_curl, CURLOPT_CAINFO, m_verbinding.Autoriteiten.toLocal8Bit().constData());
        } else {
            // A remembered server: its public key is pinned, whoever vouches for a certificate.
            curl_easy_setopt(m_curl, CURLOPT_SSL_VERIFYPEER, 0L);
            curl_easy_setopt(m_curl, CURLOPT_SSL_VERIFYHOST, 0L);
            curl_easy_setopt(m_curl, CURLOPT_PINNEDPUBLICKEY, m_bekend.toLatin1().constData());
        }
    }
}

bool CurlSessie::Doorgaan(qint64 verstuurd)
{
    if (m_voortgang)
        (*m_voortgang)(verstuurd);
    return !(m_annuleerbaar && m_annuleren);
}

Fout CurlSessie::Voer()
{
    if (!m_curl || !m_multi)
        return Fout::Onbekend;
    // Our own loop instead of curl_easy_perform: it looks at the cancel flag ten times a
    // second whatever the server does, also while it has not yet said a word.
    CURLcode code = CURLE_OK;
    curl_multi_add_handle(m_multi, m_curl);
    for (int lopend = 1;;) {
        if (curl_multi_perform(m_multi, &lopend) != CURLM_OK) {
            code = CURLE_OUT_OF_MEMORY;
            break;
        }
        if (lopend == 0) {
            int over = 0;
            const CURLMsg* bericht = curl_multi_info_read(m_multi, &over);
            code = bericht && bericht->msg == CURLMSG_DONE ? bericht->data.result : CURLE_OK;
            break;
        }
        if (m_annuleerbaar && m_annuleren) {
            code = CURLE_ABORTED_BY_CALLBACK;
            break;
        }
        curl_multi_poll(m_multi, nullptr, 0, 100, nullptr);
    }
    curl_multi_remove_handle(m_multi, m_curl);
    m_code = int(code);
    switch (code) {
    case CURLE_OK:
        m_verbonden = true;
        if (const char* begin = nullptr; m_beginMap.isEmpty() &&
                                         curl_easy_getinfo(m_curl, CURLINFO_FTP_ENTRY_PATH, &begin) == CURLE_OK && begin)
            m_beginMap = QByteArray(begin);
        return Fout::Geen;
    case CURLE_ABORTED_BY_CALLBACK:
        return Fout::Geannuleerd;
    case CURLE_COULDNT_RESOLVE_HOST:
        return Fout::ServerNietGevonden;
    case CURLE_COULDNT_CONNECT:
        return Fout::GeenVerbinding;
    case CURLE_OPERATION_TIMEDOUT:
        return Fout::GeenAntwoord;
    case CURLE_LOGIN_DENIED:
        return Fout::Inlog;
    case CURLE_USE_SSL_FAILED:
        return Fout::GeenTls;
    case CURLE_SSL_CONNECT_ERROR:
        return Fout::TlsMislukt;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
        return Fout::Vertrouwen;
    case CURLE_FTP_WEIRD_PASV_REPLY:
        // A data connection that fails its pinned key shows up as a bad reply.
        return m_verbinding.protocol == Protocol::Ftps && WasBekend() ? Fout::Vertrouwen : Fout::Verbroken;
    case CURLE_REMOTE_FILE_NOT_FOUND:
        return Fout::NietGevonden;
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_UPLOAD_FAILED:
    case CURLE_QUOTE_ERROR:
    case CURLE_FTP_COULDNT_RETR_FILE:
        return Fout::Geweigerd;
    case CURLE_REMOTE_DISK_FULL:
        return Fout::SchijfVol;
    case CURLE_WRITE_ERROR:
        return m_teGroot ? Fout::TeGroot : Fout::Onbekend;
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
        // A server that hangs up on the greeting speaks another protocol on this port.
        return m_verbonden ? Fout::Verbroken : Fout::AnderProtocol;
    case CURLE_FAILED_INIT:
    case CURLE_SSH:
        // Without a host key this is a server that speaks no SSH (a wrong port).
        return m_verbonden || !m_gezien.vingerafdruk.isEmpty() ? Fout::Verbroken : Fout::AnderProtocol;
    case CURLE_SEND_ERROR:
    case CURLE_PARTIAL_FILE:
        return Fout::Verbroken;
    default:
        return Fout::Onbekend;
    }
}

int CurlSessie::HostSleutel(void* zelf, int, const char* sleutel, size_t lengte)
{
    auto* sessie = static_cast<CurlSessie*>(zelf);
    const QByteArray hash = QCryptographicHash::hash(QByteArray(sleutel, qsizetype(lengte)), QCryptographicHash::Sha256);
    sessie->m_gezien.vingerafdruk =
        QStringLiteral("SHA256:") + QString::fromLatin1(hash.toBase64(QByteArray::OmitTrailingEquals));
    sessie->m_gezien.teBewaren = sessie->m_gezien.vingerafdruk;
    return sessie->m_gezien.vingerafdruk == sessie->m_bekend ? CURLKHMATCH_OK : CURLKHMATCH_MISMATCH;
}

Fout CurlSessie::Ontvang(const QString& url, QByteArray& inhoud, qsizetype maximum, bool namen)
{
    inhoud.clear();
    Doel doel{&inhoud, maximum, &m_teGroot};
    Begin(url);
    curl_easy_setopt(m_curl, CURLOPT_DIRLISTONLY, long(namen));
    curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, &Neem);
    curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, &doel);
    return Voer();
}

Fout CurlSessie::Namen(QStringList& namen)
{
    namen.clear();
    QByteArray lijst;
    const Fout fout = Ontvang(Url(QString()), lijst, MaximumLijst, true);
    for (const QByteArray& regel : lijst.split('\n'))
        if (const QByteArray naam = regel.endsWith('\r') ? regel.chopped(1) : regel; !naam.isEmpty())
            namen.append(QString::fromUtf8(naam));
    return fout;
}

bool CurlSessie::IsMap(const QString& naam)
{
    QByteArray lijst;
    const Fout fout = Ontvang(Url(naam) + u'/', lijst, MaximumLijst, true);
    return fout == Fout::Geen || fout == Fout::TeGroot;
}

Fout CurlSessie::Lees(const QString& naam, QByteArray& inhoud, qsizetype maximum)
{
    return Ontvang(Url(naam), inhoud, maximum, false);
}

Fout CurlSessie::Schrijf(const QString& naam, const QByteArray& inhoud, const std::function<void(qint64)>& voortgang)
{
    Bron bron{&inhoud};
    Begin(Url(naam));
    m_voortgang = &voortgang;
    curl_easy_setopt(m_curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(m_curl, CURLOPT_READFUNCTION, &Geef);
    curl_easy_setopt(m_curl, CURLOPT_READDATA, &bron);
    curl_easy_setopt(m_curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(inhoud.size()));
    return Voer();
}

Fout CurlSessie::Commandos(const QList<QByteArray>& commandos)
{
    std::unique_ptr<curl_slist, SlistVrij> lijst;
    for (const QByteArray& commando : commandos) {
        curl_slist* begin = curl_slist_append(lijst.get(), commando.constData());
        if (!begin)
            return Fout::Onbekend;
        if (!lijst)
            lijst.reset(begin);
    }
    // Sent before the folder is entered, so with paths from the login folder.
    Begin(Url(QString()));
    curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(m_curl, CURLOPT_QUOTE, lijst.get());
    return Voer();
}

Fout CurlSessie::Hernoem(const QString& van, const QString& naar)
{
    if (m_verbinding.protocol == Protocol::Sftp)
        return Commandos({"rename " + Aanhalen(Pad(van)) + ' ' + Aanhalen(Pad(naar))});
    return Commandos({"RNFR " + Pad(van), "RNTO " + Pad(naar)});
}

Fout CurlSessie::Verwijder(const QString& naam)
{
    return Commandos({m_verbinding.protocol == Protocol::Sftp ? "rm " + Aanhalen(Pad(naam)) : "DELE " + Pad(naam)});
}
