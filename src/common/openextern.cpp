#include "common/openextern.h"

#include "common/meldingen.h"
#include "common/paden.h"
#include "common/tekst.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace OpenExtern {

QString NietGeopend(const QString& pad)
{
    const QString wat = QFileInfo(pad).isDir() ? QStringLiteral("De map kon niet worden geopend; u vindt haar hier:")
                                               : QStringLiteral("Het bestand kon niet worden geopend; u vindt het hier:");
    return wat + Tekst::CrLf + Paden::Toon(pad);
}

void Open(const QString& pad, Meldingen& meldingen, QObject* context)
{
#ifdef Q_OS_WIN
    // The shell's "open" reports a missing association at once.
    Q_UNUSED(context)
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(pad)))
        meldingen.Toon(NietGeopend(pad), Meldingen::Pictogram::Uitroep);
#else
    // Elsewhere Qt only starts the desktop's opener and never hears whether it found a
    // program, so we run it ourselves and read its exit status. A generic opener waits until
    // the viewer closes: the status is awaited, never blocked on.
#ifdef Q_OS_MACOS
    const QString opener = QStringLiteral("open");
#else
    const QString opener = QStringLiteral("xdg-open");
#endif
    // Owned by the application, so that closing the window does not end a viewer's opener.
    auto* proces = new QProcess(QCoreApplication::instance() ? QCoreApplication::instance() : context);
    proces->setStandardInputFile(QProcess::nullDevice());
    proces->setStandardOutputFile(QProcess::nullDevice());
    proces->setStandardErrorFile(QProcess::nullDevice());
    const auto meld = [pad, &meldingen] { meldingen.Toon(NietGeopend(pad), Meldingen::Pictogram::Uitroep); };
    QObject::connect(proces, &QProcess::finished, context, [meld](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0)
            meld();
    });
    QObject::connect(proces, &QProcess::errorOccurred, context, [meld](QProcess::ProcessError fout) {
        if (fout == QProcess::FailedToStart)
            meld();
    });
    QObject::connect(proces, &QProcess::finished, proces, &QObject::deleteLater);
    QObject::connect(proces, &QProcess::errorOccurred, proces, [proces](QProcess::ProcessError fout) {
        if (fout == QProcess::FailedToStart)
            proces->deleteLater();
    });
    proces->start(opener, {pad});
#endif
}

void OpenHandleiding(const QString& programmaMap, Meldingen& meldingen, QObject* context)
{
    const QString pad = Paden::Samen(programmaMap, QStringLiteral("Overzicht werking hovelink.pdf"));
    if (!QFileInfo(pad).isFile()) {
        meldingen.Toon(QStringLiteral("Overzicht niet aanwezig!"), Meldingen::Pictogram::Uitroep);
        return;
    }
    Open(pad, meldingen, context);
}

} // namespace OpenExtern
