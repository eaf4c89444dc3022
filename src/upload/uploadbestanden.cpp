#include "upload/uploadbestanden.h"

#include "common/paden.h"
#include "common/tekst.h"
#include "header/kopbestand.h"

#include <QFile>

namespace {

std::optional<QByteArray> Lees(const QString& pad)
{
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly))
        return std::nullopt;
    return bestand.readAll();
}

} // namespace

UploadBestanden BestandenVoorUpload(const QString& momentMap, const QString& naamScript)
{
    UploadBestanden uit;
    const QString scriptPad = Paden::Samen(momentMap, naamScript);
    const std::optional<QByteArray> script = Lees(scriptPad);
    if (!script) {
        uit.fout = QStringLiteral("Het Script-bestand kon niet worden gelezen:") + Tekst::CrLf + Paden::Toon(scriptPad);
        return uit;
    }
    uit.bestanden.append({naamScript, *script});

    KopInstellingen kop;
    LeesKop(momentMap, StandaardNaamKop, kop);
    // Only a plain file name of the moment's folder: the name is also the path on the server.
    const bool gewoneNaam = !kop.logofile.isEmpty() && !kop.logofile.contains(u'/') &&
                            !kop.logofile.contains(u'\\') && !kop.logofile.startsWith(u'.');
    if (kop.logojn == 1 && gewoneNaam)
        if (const std::optional<QByteArray> logo = Lees(Paden::Samen(momentMap, kop.logofile)))
            uit.bestanden.append({kop.logofile, *logo, true});
    return uit;
}
