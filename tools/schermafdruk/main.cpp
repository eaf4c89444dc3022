// maakschermafdrukken <demo folder> <output folder>: the program's windows on a copy of the demo
// Tafelwerk data, drawn offscreen into PNG files for the user guide.
#include "app/frmstart.h"
#include "app/helpvensters.h"
#include "app/opstarten.h"
#include "app/speelmomenten.h"
#include "common/kaderstijl.h"
#include "header/frmsitekop.h"
#include "header/kopdialogen.h"
#include "moment/afmeldhelp.h"
#include "moment/frmafmelden.h"

#include <QApplication>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// Messages go to the build's output, so that a window that complains shows up there.
class BouwMeldingen : public Meldingen {
public:
    Antwoord Toon(const QString& tekst, Pictogram, Knoppen, const QString&) override
    {
        QTextStream(stderr) << "melding: " << tekst << '\n';
        m_gemeld = true;
        return Antwoord::Ok;
    }
    bool m_gemeld = false;
};

bool KopieerMap(const QString& van, const QString& naar)
{
    QDirIterator bestanden(van, QDir::Files, QDirIterator::Subdirectories);
    while (bestanden.hasNext()) {
        const QString bestand = bestanden.next();
        const QString doel = QDir(naar).filePath(QDir(van).relativeFilePath(bestand));
        if (!QDir().mkpath(QFileInfo(doel).path()) || !QFile::copy(bestand, doel))
            return false;
    }
    return true;
}

bool Bewaar(QWidget& venster, const QString& pad)
{
    venster.show();
    QCoreApplication::processEvents();
    const bool gelukt = venster.grab().save(pad);
    venster.hide();
    if (!gelukt)
        QTextStream(stderr) << pad << ": niet opgeslagen\n";
    return gelukt;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hovelink"));
    KaderStijl::Installeer(); // the frames as the program draws them
    const QStringList argumenten = QCoreApplication::arguments();
    QTemporaryDir tafelwerk;
    if (argumenten.size() != 3 || !tafelwerk.isValid() || !KopieerMap(argumenten.at(1), tafelwerk.path())) {
        QTextStream(stderr) << "gebruik: maakschermafdrukken <demomap> <uitvoermap>\n";
        return 2;
    }
    const QDir uit(argumenten.at(2));
    Werkruimte werkruimte;
    werkruimte.MapTwk = werkruimte.MapSpelers = tafelwerk.path();
    werkruimte.BestandSpelers = tafelwerk.filePath(QStringLiteral("TWKspelers.txt"));
    Opstarten::Init(werkruimte);
    BouwMeldingen meldingen;
    const QString speeldag = QStringLiteral("donderdag-avond");
    const QString club = QStringLiteral("BC De Troef");

    FrmStart start(werkruimte, meldingen);
    start.Laden();
    bool gelukt = Bewaar(start, uit.filePath(QStringLiteral("frmstart.png")));

    DiaSitestructuur sitestructuur(&start);
    gelukt = Bewaar(sitestructuur, uit.filePath(QStringLiteral("diasitestructuur.png"))) && gelukt;

    // A fixed day, so that the calendar in the guide does not change with the day of the build.
    KopInstellingen kop;
    BewaardeMoment bewaard;
    Speelmomenten::BereidSpeelmomentVoor(werkruimte, speeldag, meldingen);
    FrmAfmelden afmelden(werkruimte, kop, bewaard, StartKeuze{speeldag, club, 1, {}}, meldingen,
                         [] { return QDate(2025, 8, 15); });
    afmelden.Form_Load();
    gelukt = Bewaar(afmelden, uit.filePath(QStringLiteral("frmafmelden.png"))) && gelukt;

    FrmHelp2 help(&afmelden);
    gelukt = Bewaar(help, uit.filePath(QStringLiteral("frmhelp2.png"))) && gelukt;

    EchteKopDialogen dialogen;
    FrmSitekop ontwerper(kop, QDir(werkruimte.MapProgramma).filePath(speeldag), speeldag, club, meldingen, dialogen);
    gelukt = Bewaar(ontwerper, uit.filePath(QStringLiteral("frmsitekop.png"))) && gelukt;
    return gelukt && !meldingen.m_gemeld ? 0 : 1;
}
