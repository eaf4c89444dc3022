#include "header/logobestand.h"

#include "common/paden.h"
#include "common/tekst.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QStandardPaths>

QString LogoStartMap()
{
    const QString profiel = qEnvironmentVariable("USERPROFILE");
    if (!profiel.isEmpty())
        return Paden::Samen(profiel, QStringLiteral("Pictures"));
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

std::optional<QString> LogoExtensie(const QString& pad)
{
    const qsizetype scheiding = std::max(pad.lastIndexOf(u'\\'), pad.lastIndexOf(u'/'));
    const qsizetype punt = pad.lastIndexOf(u'.');
    if (punt <= scheiding)
        return std::nullopt;
    return pad.mid(punt);
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
    if (!kop.logofile.isEmpty())
        return Paden::Samen(MapKop, kop.logofile);
    return {};
}

void BewaarLogo(const QString& MapKop, const QString& NieuwLogo, KopInstellingen& kop)
{
    const QString bron = HuidigLogo(MapKop, NieuwLogo, kop);
    if (!bron.isEmpty()) {
        const QString naam = VrijeLogoNaam(MapKop, LogoExtensie(bron).value_or(QString()));
        if (!naam.isEmpty() && QFile::copy(bron, Paden::Samen(MapKop, naam)))
            kop.logofile = naam;
        else if (!kop.logofile.isEmpty() && !QFile::exists(Paden::Samen(MapKop, kop.logofile)))
            kop.logofile.clear();
    }
    // Name filters of QDir ignore case unless asked otherwise, as the deletion on Windows does.
    const QDir map(MapKop);
    for (const char* patroon : {"*.jpg", "*.bmp", "*.gif", "*.ico"}) {
        for (const QString& naam : map.entryList({QLatin1String(patroon)}, QDir::Files)) {
            if (naam != kop.logofile)
                QFile::remove(map.filePath(naam));
        }
    }
}

std::optional<QImage> LaadAfbeelding(const QString& pad)
{
    QImageReader lezer(pad);
    QImage beeld = lezer.read();
    if (beeld.isNull())
        return std::nullopt;
    return beeld;
}
