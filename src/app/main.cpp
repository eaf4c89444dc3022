#include "app/enkelexemplaar.h"
#include "app/f1handleiding.h"
#include "app/frmstart.h"
#include "app/opstarten.h"
#include "common/berichtvenster.h"
#include "header/frmsitekop.h"
#include "header/kopdialogen.h"
#include "moment/frmafmelden.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Hovelink"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/hovelink.png")));
    // Qt's own dialogs (file, colour and font pickers) in Dutch, from beside the program or
    // from Qt's translations folder.
    QTranslator qtVertaling;
    if (qtVertaling.load(QStringLiteral("qtbase_nl"), QCoreApplication::applicationDirPath() + QStringLiteral("/translations")) ||
        qtVertaling.load(QStringLiteral("qtbase_nl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtVertaling);
    BerichtVenster meldingen;
    F1Handleiding f1(QCoreApplication::applicationDirPath(), meldingen);
    app.installEventFilter(&f1);

    const EnkelExemplaar exemplaar(QDir::temp().filePath(QStringLiteral("hovelink.lock")));
    if (!exemplaar.IsEerste()) {
        meldingen.Toon(QStringLiteral("Het programma is al gestart!..."), Meldingen::Pictogram::Geen);
        return 1;
    }

    Werkruimte werkruimte;
    if (!Opstarten::Start(QCoreApplication::applicationDirPath(), werkruimte, meldingen))
        return 1;

    // The records that live for the whole run.
    KopInstellingen kop;
    BewaardeMoment bewaard;
    EchteKopDialogen dialogen;

    FrmStart start(werkruimte, meldingen);
    start.ZetAfmeldVenster([&] {
        StartKeuze keuze{start.GekozenSpeeldag(), start.Clubnaam(), start.ToonInvallers(),
                         [&start] { start.Scipts_naar_lstHulp(); }};
        FrmAfmelden afmelden(werkruimte, kop, bewaard, std::move(keuze), meldingen, &QDate::currentDate, &start);
        afmelden.ZetKopOntwerper([&](QWidget* ouder) {
            frmSitekop ontwerper(kop, QDir(werkruimte.MapProgramma).filePath(werkruimte.Speeldag),
                                 start.GekozenSpeeldag(), start.Clubnaam(), meldingen, dialogen, ouder);
            ontwerper.exec();
        });
        afmelden.Form_Load();
        afmelden.exec();
    });
    start.Laden();
    start.show();
    return app.exec();
}
