#include "common/openextern.h"

#include "common/meldingen.h"
#include "common/paden.h"
#include "common/tekst.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace OpenExtern {

bool Open(const QString& pad, Meldingen& meldingen)
{
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(pad)))
        return true;
    const QString wat = QFileInfo(pad).isDir() ? QStringLiteral("De map kon niet worden geopend; u vindt haar hier:")
                                               : QStringLiteral("Het bestand kon niet worden geopend; u vindt het hier:");
    meldingen.Toon(wat + Tekst::CrLf + Paden::Toon(pad), Meldingen::Pictogram::Uitroep);
    return false;
}

void OpenHandleiding(const QString& programmaMap, Meldingen& meldingen)
{
    const QString pad = Paden::Samen(programmaMap, QStringLiteral("Overzicht werking hovelink.pdf"));
    if (!QFileInfo(pad).isFile()) {
        meldingen.Toon(QStringLiteral("Overzicht niet aanwezig!"), Meldingen::Pictogram::Uitroep);
        return;
    }
    Open(pad, meldingen);
}

} // namespace OpenExtern
