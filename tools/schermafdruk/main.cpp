// maakschermafdrukken <demo folder> <output folder>: the program's windows on a copy of the demo
// Tafelwerk data, drawn offscreen into PNG files for the user guide, and the demo club's
// sign-off site in <output folder>/site for the pictures of the page (tools/sitefoto).
#include "app/diasitestructuur.h"
#include "app/frmstart.h"
#include "app/opstarten.h"
#include "app/speelmomenten.h"
#include "common/vensterkaderstijl.h"
#include "header/frmsitekop.h"
#include "header/vensterkopdialogen.h"
#include "members/ledenlijst.h"
#include "members/ledennaartabellen.h"
#include "moment/afmeldhelpvenster.h"
#include "moment/frmafmelden.h"
#include "script/maakscript.h"
#include "script/sitebestanden.h"
#include "upload/afmeldingenvenster.h"

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

// The demo club's script: every member of the member file, four Thursdays in September 2025.
ScriptInvoer DemoScript(const Werkruimte& werkruimte, const QString& speeldag, const QString& club, Meldingen& meldingen)
{
    const Ledenbestand leden = LeesLedenbestand(werkruimte.BestandSpelers);
    GroepenLijst groepen = LeesGroepen(leden, meldingen);
    for (GroepRij& rij : groepen.rijen)
        rij.aangevinkt = true;
    ScriptInvoer s;
    s.txtClubnaam = club;
    s.cmbSpeeldag = speeldag;
    s.chk1 = 1;
    s.chkToonInvallers = 1;
    s.txtContactPers = QStringLiteral("Piet Bakker");
    s.txtEindtijd = QStringLiteral("15:30");
    s.lstDagen = {QStringLiteral("20250904"), QStringLiteral("20250911"), QStringLiteral("20250918"), QStringLiteral("20250925")};
    s.txtB1 = {QStringLiteral("naam1"), QStringLiteral("partner"), QStringLiteral("inval1"), QStringLiteral("inval3")};
    s.txtB2 = {QStringLiteral("1,2"), QStringLiteral("1,2"), QStringLiteral("3,4,5"), QStringLiteral("1,2,3,4,5")};
    s.kop.kopvakbr = 750;
    s.kop.kopvakho = 100;
    s.kop.koptekst = club;
    s.kop.kopfont = QStringLiteral("Arial");
    s.kop.kophoog = 28;
    s.kop.kopvet = 1;
    s.kop.kopkleur = 0x800000;
    s.kop.kopback = 0xD0F8FF;
    s.kop.kopvert = 25;
    s.kop.tekstlo = QStringLiteral("Opgericht 1962");
    s.kop.tekstro = QStringLiteral("secretaris@bcdetroef.nl");
    LedenVolgorde volgorde;
    s.leden = LedenNaarTabellen(LeesLeden(leden, volgorde, groepen, 1).ListH);
    s.partners = {QString()};
    return s;
}

// Sign-offs as the demo club's site would have received them.
const QByteArray DemoAfmeldingen =
    "<?php exit; ?>\n"
    "{\"dagen\":[\"20250904\",\"20250911\"],\"vakken\":[{\"naam\":\"Bert van Dijk\"},{\"naam\":\"Anna Bakker\"},"
    "{\"naam\":\"Hans M\u00fcller\"},{\"naam\":\"\"}],\"opmerking\":\"Op vakantie\",\"ontvangen\":\"2025-09-01T09:12:00+02:00\"}\n"
    "{\"dagen\":[\"20250904\"],\"vakken\":[{\"naam\":\"Zo\u00eb Verhoeven\"},{\"naam\":\"\"},{\"naam\":\"\"},{\"naam\":\"\"}],"
    "\"opmerking\":\"\",\"ontvangen\":\"2025-09-02T18:40:00+02:00\"}\n";

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
    AfmeldingenVenster afmeldingen(speeldag, AfmeldData::Lees(DemoAfmeldingen), meldingen);
    gelukt = Bewaar(afmeldingen, uit.filePath(QStringLiteral("frmafmeldingen.png"))) && gelukt;

    const QString site = uit.filePath(QStringLiteral("site"));
    const QByteArray script = Script::MaakScriptBestand(DemoScript(werkruimte, speeldag, club, meldingen));
    const Uitkomst<QString> voorbeeld = QDir().mkpath(site)
                                            ? SiteBestanden::SchrijfVoorbeeld(site, script, QString(), QString())
                                            : Uitkomst<QString>::Fout(QStringLiteral("geen map"));
    if (!voorbeeld) {
        QTextStream(stderr) << site << ": " << voorbeeld.melding() << '\n';
        gelukt = false;
    }
    return gelukt && !meldingen.m_gemeld ? 0 : 1;
}
