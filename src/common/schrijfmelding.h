#pragma once

#include "common/meldingen.h"
#include "common/tekstbestand.h"

#include <QString>

// A settings file that could not be written: the user is told which one and why, so that
// nothing is lost without notice. True when the write succeeded.
bool MeldAlsNietOpgeslagen(const Uitkomst<>& resultaat, const QString& pad,
                           Meldingen& meldingen);
