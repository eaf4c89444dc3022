#include "app/enkelexemplaar.h"
#include "app/f1handleiding.h"
#include "app/frmstart.h"
#include "app/opstarten.h"
#include "common/berichtvenster.h"
#include "common/vensterkaderstijl.h"
#include "common/venstertoetsenbord.h"
#include "header/frmsitekop.h"
#include "header/vensterkopdialogen.h"
#include "moment/frmafmelden.h"
#include "upload/diaupload.h"
#include "upload/keychainopslag.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The name, not the display name: Qt would append a display name to every window title.
    QApplication::setApplicationName(QStringLiteral("Hovelink"));
    QApplication::setOrganizationName(QStringLiteral("Hovelink")); // QSettings per user
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/hovelink.png")));
    KaderStijl::Installeer();
    // Qt's own dialogs (file, colour and font pickers) in Dutch, from beside the program or
    // from Qt's translations folder.
    QTranslator qtVertaling;
    if (qtVertaling.load(QStringLiteral("qtbase_nl"), QCoreApplication::applicationDirPath() + QStringLiteral("/translations")) ||
        qtVertaling.load(QStringLiteral("qtbase_nl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtVertaling);
    BerichtVenster meldingen;
    F1Handleiding f1(QCoreApplication::applicationDirPath(), meldingen);
    app.installEventFilter(&f1);
    Toetsenbord::EnterDruktKnop enter;
    app.installEventFilter(&enter);

    // The user's own temporary folder: %TEMP% on Windows, elsewhere the per-user runtime
    // folder, as a shared /tmp would make another user's copy look like ours. A folder we
    // cannot write in does not stop us: the lock in Travenza still guards.
#ifdef Q_OS_WIN
    const QString slotMap = QDir::tempPath();
#else
    const QString slotMap = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
    const EnkelExemplaar exemplaar(QDir(slotMap).filePath(QStringLiteral("hovelink.lock")));
    if (exemplaar.IsBezet()) {
        Opstarten::MeldAlGestart(exemplaar, meldingen);
        return 1;
    }

    Werkruimte werkruimte;
    QSettings gebruiker;
    const auto kiesMap = [](const QString& titel) {
        return QFileDialog::getExistingDirectory(nullptr, titel, QDir::homePath());
    };
    const std::optional<EnkelExemplaar> travenza =
        Opstarten::Start(QCoreApplication::applicationDirPath(), gebruiker, kiesMap, werkruimte, meldingen);
    if (!travenza)
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
            FrmSitekop ontwerper(kop, QDir(werkruimte.MapProgramma).filePath(werkruimte.Speeldag),
                                 start.GekozenSpeeldag(), start.Clubnaam(), meldingen, dialogen, ouder);
            ontwerper.exec();
        });
        afmelden.Form_Load();
        afmelden.exec();
    });
    KeychainOpslag wachtwoorden;
    start.ZetUploadVenster([&](const QString& speeldag) {
        DiaUpload upload(werkruimte.MapProgramma, speeldag, werkruimte.NaamScript, meldingen, wachtwoorden, &start);
        upload.exec();
    });
    start.Laden();
    start.show();
    return app.exec();
}
