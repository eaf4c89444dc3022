#include "header/vensterkopdialogen.h"

#include "header/dialettertype.h"

#include <QColorDialog>
#include <QFileDialog>

std::optional<QString> EchteKopDialogen::KiesLettertype(QWidget* ouder, const QString& huidig)
{
    DiaLettertype dialoog(huidig, ouder);
    if (dialoog.exec() != QDialog::Accepted || dialoog.Gekozen().isEmpty())
        return std::nullopt;
    return dialoog.Gekozen();
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
