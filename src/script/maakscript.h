#pragma once

#include "script/scriptinvoer.h"

#include <QByteArray>
#include <QString>

namespace Script {

// The whole of hovelink.js for these inputs: blocks 1 to 8, every line ended by CR LF,
// one more CR LF at the end, in Windows-1252. The same inputs always give the same bytes.
QByteArray MaakScriptBestand(const ScriptInvoer& invoer);

// Appends the member part (number formatting, member declarations and group filters,
// member list, box filling function) to `script`, in Windows-1252.
void MaakLedenDeel(const ScriptInvoer& invoer, QByteArray& script);

} // namespace Script
