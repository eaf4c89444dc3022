#include "app/enkelexemplaar.h"
#include "app/frmstart.h"
#include "app/opstarten.h"
#include "common/berichtvenster.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Hovelink"));
    BerichtVenster meldingen;

    const EnkelExemplaar exemplaar(QDir::temp().filePath(QStringLiteral("hovelink.lock")));
    if (!exemplaar.IsEerste()) {
        meldingen.Toon(QStringLiteral("Het programma is al gestart!..."), Meldingen::Pictogram::Geen);
        return 1;
    }

    Werkruimte werkruimte;
    if (!Opstarten::Start(QCoreApplication::applicationDirPath(), werkruimte, meldingen))
        return 1;

    FrmStart start(werkruimte, meldingen);
    start.Laden();
    start.show();
    return app.exec();
}
