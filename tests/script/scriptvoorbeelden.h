#pragma once

#include "script/scriptinvoer.h"

#include <QMetaType>

// Fixed inputs of the script tests. Each matches a hand-written golden file under
// tests/data/script of the same name.
namespace ScriptVoorbeelden {

// The four site boxes with their usual names, header and member tables empty.
ScriptInvoer Basis();

// Appends member i (index 0 of the tables is kept free) with its partner number.
void VoegLidToe(ScriptInvoer& in, const QString& naam, const QString& nummer, const QString& groep,
                const QString& partner = {});

// Jan van Dijk and Els de Wit with partners shown: twee_leden.js.
ScriptInvoer TweeLeden();

// Partners hidden and dummies left out, accented names, colours, odd filters:
// zonder_partner.js.
ScriptInvoer ZonderPartner();

// Apostrophes, backslashes, quotes and line breaks in every kind of value:
// aanhalingstekens.js.
ScriptInvoer Aanhalingstekens();

// A date entry of lstDagen as the calendar builds it.
QString DagRegel(const QString& lang, const QString& datum);

} // namespace ScriptVoorbeelden

Q_DECLARE_METATYPE(ScriptInvoer)
