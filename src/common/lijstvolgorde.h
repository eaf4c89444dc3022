#pragma once

#include <QString>
#include <QStringList>

// The order of a sorted Windows list box, as near as we get it: Dutch collation, case
// ignored, hyphens and apostrophes ignored except to break ties; entries that still compare
// equal are ordered by their exact text. Digits compare as text (1, 10, 11, 2).
namespace LijstVolgorde {

// Negative, zero or positive, like QString::compare.
int Vergelijk(const QString& a, const QString& b);

// Sorts in place; fast for long lists (sort keys are computed once per entry).
void Sorteer(QStringList& lijst);

} // namespace LijstVolgorde
