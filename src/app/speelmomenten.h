#pragma once

#include "common/meldingen.h"
#include "common/werkruimte.h"

#include <QStringList>

// The 24 play moments of the start window's list and the preparing of one of them.
namespace Speelmomenten {

// The 25 entries of cmbSpeeldag: "-------" and the play moments in list order.
const QStringList& VulSpeeldagen();

// The code table: "A=MAANDAG,B=MAANDAG-MORGEN,..." up to "X=ZATERDAG-AVOND".
QString CodeTabel();

void VulCodeTabel(Werkruimte& werkruimte);

// Sets SpeeldagCode from Speeldag, or Fout = 1 with "Fout in SpeeldagCode!".
void BepaalSpeeldagCode(Werkruimte& werkruimte, Meldingen& meldingen);

// Makes the play moment's folder when missing and fills the play-moment fields.
void BereidSpeelmomentVoor(Werkruimte& werkruimte, const QString& naam, Meldingen& meldingen);

} // namespace Speelmomenten
