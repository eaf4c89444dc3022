#include "app/startcontrole.h"

#include "common/tekst.h"

namespace StartControle {

std::optional<Weigering> ControleerAfmelden(int speeldagIndex, const QString& clubnaam)
{
    if (speeldagIndex <= 0)
        return Weigering{Veld::Speeldag, QStringLiteral("U moet nog een Speeldag kiezen.")};
    if (Tekst::Trim(clubnaam).isEmpty())
        return Weigering{Veld::Clubnaam, QStringLiteral("U moet een Clubnaam opgeven!")};
    return std::nullopt;
}

std::optional<QString> ControleerVerwijderen(qsizetype gekozen)
{
    if (gekozen == 0)
        return QStringLiteral("Er is geen dag geselecteerd!");
    if (gekozen > 1)
        return QStringLiteral("U mag slechts 1 dag tegelijk verwijderen!");
    return std::nullopt;
}

std::optional<Weigering> ControleerUploaden(qsizetype gekozen)
{
    if (gekozen != 1)
        return Weigering{Veld::Lijst,
                         QStringLiteral("Kies onder 'Bestaande speeldagen:' de speeldag die u wilt uploaden.")};
    return std::nullopt;
}

} // namespace StartControle
