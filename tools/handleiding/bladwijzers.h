#pragma once

#include "paginering.h"

#include <QByteArray>
#include <QList>

// PDF bookmarks, which QPdfWriter cannot make: an incremental update appended to the writer's
// output adds an outline with one entry per chapter and opens the reader with it shown.
namespace Bladwijzers {

// Returns false, leaving `pdf` as it was, when it lacks the catalogue, page tree or cross-reference
// table that QPdfWriter writes.
bool VoegToe(QByteArray& pdf, const QList<Paginering::Hoofdstuk>& hoofdstukken);

} // namespace Bladwijzers
