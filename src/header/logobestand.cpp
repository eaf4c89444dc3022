#include "header/logobestand.h"

#include "common/gewoonbestand.h"
#include "common/paden.h"
#include "common/tekst.h"
#include "common/tekstbestand.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>

namespace {

const QStringList LogoPatronen{QStringLiteral("*.jpg"), QStringLiteral("*.bmp"), QStringLiteral("*.gif"),
                               QStringLiteral("*.ico"), QStringLiteral("*.png"), QStringLiteral("*.jpeg")};

constexpr qint64 GrootLogo = 1024 * 1024;
// Beyond this no site would show it anyway; reading stops there.
constexpr qint64 GrootsteLogo = 64 * GrootLogo;

// The size from the picture's header, when Qt can read the file and would load it.
bool LeesbaarFormaat(QImageReader& lezer)
{
    const QSize maat = lezer.size();
    if (!lezer.canRead() || maat.isEmpty())
        return false;
    // Four bytes a pixel, against the limit QImageReader applies (in megabytes).
    const qint64 limiet = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    return limiet <= 0 || qint64(maat.width()) * maat.height() * 4 <= limiet;
}

} // namespace

QString LogoStartMap()
{
    const QString profiel = qEnvironmentVariable("USERPROFILE");
    const QString map = profiel.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
                                          : Paden::Samen(profiel, QStringLiteral("Pictures"));
    // A missing start folder would end up as text in the dialog's file-name box.
    if (QFileInfo(map).isDir())
        return map;
    return profiel.isEmpty() ? QDir::homePath() : profiel;
}

std::optional<QString> LogoExtensie(const QString& pad)
{
    const qsizetype scheiding = std::max(pad.lastIndexOf(u'\\'), pad.lastIndexOf(u'/'));
    const qsizetype punt = pad.lastIndexOf(u'.');
    if (punt <= scheiding)
        return std::nullopt;
    return pad.mid(punt);
}

bool GeldigeLogoNaam(const QString& naam)
{
    if (naam.contains(u'/') || naam.contains(u'\\') || naam.contains(u':') || naam.contains(QStringLiteral("..")))
        return false;
    const std::optional<QString> extensie = LogoExtensie(naam);
    return extensie && LogoPatronen.contains(u'*' + extensie->toLower());
}

QString VrijeLogoNaam(const QString& MapKop, const QString& extensie)
{
    for (int n = 1; n <= 999999; ++n) {
        const QString naam = Tekst::Nullen(n, 6) + extensie;
        if (!Paden::Bestaat(Paden::Samen(MapKop, naam)))
            return naam;
    }
    return {};
}

QString HuidigLogo(const QString& MapKop, const QString& NieuwLogo, const KopInstellingen& kop)
{
    if (!NieuwLogo.isEmpty())
        return NieuwLogo;
    if (GeldigeLogoNaam(kop.logofile))
        return Paden::Samen(MapKop, kop.logofile);
    return {};
}

void BewaarLogo(const QString& MapKop, const QString& NieuwLogo, KopInstellingen& kop)
{
    if (!NieuwLogo.isEmpty()) {
        const QString naam = VrijeLogoNaam(MapKop, LogoExtensie(NieuwLogo).value_or(QString()));
        if (!naam.isEmpty() && QFile::copy(NieuwLogo, Paden::Samen(MapKop, naam)))
            kop.logofile = naam;
    }
    if (!GeldigeLogoNaam(kop.logofile) || !QFileInfo(Paden::Samen(MapKop, kop.logofile)).isFile())
        kop.logofile.clear();
    // Name filters of QDir ignore case unless asked otherwise, as the deletion on Windows does.
    const QDir map(MapKop);
    for (const QString& naam : map.entryList(LogoPatronen, QDir::Files)) {
        if (naam != kop.logofile)
            QFile::remove(map.filePath(naam));
    }
}

bool IsAfbeelding(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader lezer(&buffer);
    return LeesbaarFormaat(lezer);
}

bool ZorgVoorLogo(const QString& MapKop, const KopInstellingen& kop)
{
    if (kop.logojn != 1 || kop.logofile.isEmpty())
        return true;
    if (!GeldigeLogoNaam(kop.logofile))
        return false;
    const QString hier = Paden::Samen(MapKop, kop.logofile);
    if (GewoonBestand::Lees(hier, GrootsteLogo))
        return true;
    if (kop.MapHerkomst.isEmpty() || Paden::Bestaat(hier))
        return false;
    const std::optional<QByteArray> daar = GewoonBestand::Lees(Paden::Samen(kop.MapHerkomst, kop.logofile), GrootsteLogo);
    return daar && IsAfbeelding(*daar) && TekstBestand::SchrijfBytes(hier, *daar).gelukt();
}

LogoOordeel BeoordeelLogo(const QString& pad)
{
    if (!LogoExtensie(pad))
        return {false, QStringLiteral("Kies een afbeelding met de extensie .bmp, .gif, .jpg of .ico.")};
    QImageReader lezer(pad);
    if (!LeesbaarFormaat(lezer))
        return {false, QStringLiteral("Dit bestand is geen afbeelding die Hovelink kan lezen:") + Tekst::CrLf +
                           Paden::Toon(pad)};
    if (QFileInfo(pad).size() > GrootLogo)
        return {true, QStringLiteral("Deze afbeelding is groter dan 1 MB:") + Tekst::CrLf + Paden::Toon(pad) +
                          Tekst::CrLf + Tekst::CrLf +
                          QStringLiteral("Iedere bezoeker van de afmeldsite moet haar downloaden; "
                                         "een kleinere afbeelding laadt sneller.")};
    return {};
}

std::optional<QImage> LaadAfbeelding(const QString& pad)
{
    QImageReader lezer(pad);
    if (!LeesbaarFormaat(lezer))
        return std::nullopt;
    QImage beeld = lezer.read();
    if (beeld.isNull())
        return std::nullopt;
    return beeld;
}
