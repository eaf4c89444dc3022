#include "header/kopdialogen.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>

std::optional<QString> EchteKopDialogen::KiesLettertype(QWidget* ouder, const QString& huidig)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, QFont(huidig), ouder);
    if (!ok)
        return std::nullopt;
    return font.family();
}

std::optional<QColor> EchteKopDialogen::KiesKleur(QWidget* ouder)
{
    const QColor kleur = QColorDialog::getColor(Qt::white, ouder);
    if (!kleur.isValid())
        return std::nullopt;
    return kleur;
}

std::optional<QString> EchteKopDialogen::KiesAfbeelding(QWidget* ouder, const QString& startMap,
                                                        const QString& filter)
{
    const QString pad = QFileDialog::getOpenFileName(ouder, {}, startMap, filter);
    if (pad.isEmpty())
        return std::nullopt;
    return pad;
}
