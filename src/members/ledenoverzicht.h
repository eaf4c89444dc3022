#pragma once

#include "members/ledenbestand.h"
#include "members/ledenvolgorde.h"

#include <QString>

#include <vector>

// The overview txt1 of a member list: "0001  01=(A1 )  Jan van Dijk" CR LF for each of the
// ranked `plaatsen`, the ")" aligned after `NaamBreedte` characters of key.
QString ToonLeden(const Ledenbestand& bestand, const LedenVolgorde& volgorde, const std::vector<qsizetype>& plaatsen,
                  int NaamBreedte);
