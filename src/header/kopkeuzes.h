#pragma once

#include "header/kopinstellingen.h"

#include <QStringList>
#include <QtGlobal>

// What the header designer offers and accepts, from the header file's key table.

// The entries of the designer's lists of a field: its range in steps of 2 (box height,
// letter height, vertical position), or of 1 (the logo margin).
QStringList KopKeuzes(qint32 KopInstellingen::*veld);
QStringList KopKeuzes(qint16 KopInstellingen::*veld);

// A width the header box may take: 500 to 999.
bool KopBreedteGoed(qint32 breedte);
