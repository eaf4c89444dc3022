#include "app/startcontrole.h"

#include "common/tekst.h"

namespace StartControle {

Uitkomst<void, Weigering> ControleerAfmelden(int speeldagIndex, const QString& clubnaam)
{
    if (speeldagIndex <= 0)
        return Uitkomst<void, Weigering>::Fout({Veld::Speeldag, QStringLiteral("U moet nog een Speeldag kiezen.")});
    if (Tekst::Trim(clubnaam).isEmpty())
        return Uitkomst<void, Weigering>::Fout({Veld::Clubnaam, QStringLiteral("U moet een Clubnaam opgeven!")});
    return {};
}

Uitkomst<> ControleerVerwijderen(qsizetype gekozen)
{
    if (gekozen == 0)
        return Uitkomst<>::Fout(QStringLiteral("Er is geen dag geselecteerd!"));
    if (gekozen > 1)
        return Uitkomst<>::Fout(QStringLiteral("U mag slechts 1 dag tegelijk verwijderen!"));
    return {};
}

Uitkomst<void, Weigering> ControleerUploaden(qsizetype gekozen)
{
    if (gekozen != 1)
        return Uitkomst<void, Weigering>::Fout(
            {Veld::Lijst, QStringLiteral("Kies onder 'Bestaande speeldagen:' de speeldag die u wilt uploaden.")});
    return {};
}

} // namespace StartControle
