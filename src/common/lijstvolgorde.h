#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// The order of a sorted Windows list box, as near as we get it: Dutch collation, case
// ignored, hyphens and apostrophes ignored except to break ties; entries that still compare
// equal are ordered by their exact text. Digits compare as text (1, 10, 11, 2).
namespace LijstVolgorde {

// Negative, zero or positive, like QString::compare.
int Vergelijk(const QString& a, const QString& b);

// Sorts in place.
void Sorteer(QStringList& lijst);

// Puts `posities` (indexes into `teksten`) in the list order of their texts, for callers
// that sort texts they hold elsewhere without copying them.
void SorteerPosities(const std::vector<QStringView>& teksten, std::vector<qsizetype>& posities);

} // namespace LijstVolgorde
