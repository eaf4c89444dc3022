#include "script/sitebestanden.h"

#include "common/gewoonbestand.h"
#include "common/paden.h"
#include "common/tekst.h"
#include "common/tekstbestand.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace SiteBestanden {

namespace {

const QString VoorbeeldVoorvoegsel = QStringLiteral("hovelink-voorbeeld-");

// A plain page without script: the site's own policy would refuse an inline one, and a
// refresh keeps the "#voorbeeld" that the desktop's opener would drop.
const QByteArray Doorverwijzing = "<!doctype html>\n<html lang=\"nl\">\n<head>\n<meta charset=\"utf-8\">\n"
                                  "<meta http-equiv=\"refresh\" content=\"0; url=index.html#voorbeeld\">\n"
                                  "<title>Voorbeeld afmeldsite</title>\n</head>\n<body>\n"
                                  "<p><a href=\"index.html#voorbeeld\">Open het voorbeeld van de afmeldsite</a></p>\n"
                                  "</body>\n</html>\n";

} // namespace

QList<Bestand> Alle()
{
    QList<Bestand> uit;
    for (const char* naam : {".htaccess", "afmelden.php", "afmelden.css", "afmelden.js", "index.html"}) {
        QFile bron(QStringLiteral(":/site/") + QLatin1String(naam));
        // Compiled in: it cannot be missing in a build that links this file.
        if (bron.open(QIODevice::ReadOnly))
            uit.append({QLatin1String(naam), bron.readAll()});
    }
    return uit;
}

Uitkomst<QString> SchrijfVoorbeeld(const QString& map, const QByteArray& script, const QString& logoPad,
                                   const QString& logoNaam)
{
    QList<Bestand> bestanden = Alle();
    bestanden.append({QStringLiteral("hovelink.js"), script});
    // A missing logo leaves its white box, as on a site where it was never uploaded.
    if (const auto logo = logoPad.isEmpty() ? std::nullopt : GewoonBestand::Lees(logoPad, 64 * 1024 * 1024))
        bestanden.append({logoNaam, *logo});
    bestanden.append({QStringLiteral("voorbeeld.html"), Doorverwijzing});
    for (const Bestand& bestand : bestanden) {
        const QString pad = Paden::Samen(map, bestand.naam);
        if (const Uitkomst<> r = TekstBestand::SchrijfBytes(pad, bestand.inhoud); !r)
            return Uitkomst<QString>::Fout(QStringLiteral("Het voorbeeld van de afmeldsite kon niet worden gemaakt:") +
                                           Tekst::CrLf + Paden::Toon(pad) + Tekst::CrLf + Tekst::CrLf + r.melding());
    }
    return Paden::Samen(map, QStringLiteral("voorbeeld.html"));
}

QString NieuweVoorbeeldMap(const QString& tijdelijk)
{
    const QDateTime grens = QDateTime::currentDateTimeUtc().addDays(-1);
    const QDir ouder(tijdelijk);
    for (const QFileInfo& oud : ouder.entryInfoList({VoorbeeldVoorvoegsel + u'*'}, QDir::Dirs | QDir::NoSymLinks))
        if (oud.lastModified().toUTC() < grens)
            QDir(oud.absoluteFilePath()).removeRecursively();
    QTemporaryDir nieuw(Paden::Samen(tijdelijk, VoorbeeldVoorvoegsel + QStringLiteral("XXXXXX")));
    if (!nieuw.isValid())
        return QString();
    // The browser opens it after this program has moved on.
    nieuw.setAutoRemove(false);
    return nieuw.path();
}

} // namespace SiteBestanden
