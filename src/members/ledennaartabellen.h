#pragma once

#include "members/ledentabellen.h"

#include <QStringList>

// The member tables for script generation from the member records of ListH, in their order:
// entry k (from 1) holds record k's display name, member number, and group number without
// leading zeros. Index 0 is an empty entry.
LedenTabellen LedenNaarTabellen(const QStringList& ListH);
