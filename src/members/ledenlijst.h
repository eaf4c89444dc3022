#pragma once

#include "members/ledenbestand.h"
#include "members/ledenrecord.h"
#include "members/ledenvolgorde.h"
#include "members/spelergroepen.h"

#include <QString>
#include <QStringList>

#include <optional>

class Meldingen;

// The member list of the ticked groups: the hidden list ListH of member records, the
// numbered overview txt1 and the count caption Label6.
struct LedenLijst {
    QStringList ListH;   // member records in sorted-list order
    QString txt1;        // the overview, one CR LF-ended line per record
    QString Label6;      // "Aantal regels: " + count
    int NaamBreedte = 0; // longest ticked row minus 3; aligns the ")" of the overview
};

// The members of the ticked rows of lst1 that pass, in order, the deceased, group,
// partner-dummy (left out when chkPartnerOok is 0) and name tests. Fills ListH, Label6
// and NaamBreedte; txt1 stays empty. `volgorde` keeps the ranking of `bestand` for later lists.
LedenLijst LeesLeden(const Ledenbestand& bestand, LedenVolgorde& volgorde, const GroepenLijst& lst1,
                     int chkPartnerOok);

// LeesLeden and the overview txt1 ("0001  01=(A1 )  Jan van Dijk" CR LF per record) for
// the current selection. Without a ticked row the user is told
// "U hebt nog geen ledenbestand gekozen!" and the result is empty: the previous list stays.
// The caller clears and disables chkToonPartner when the overview is empty.
std::optional<LedenLijst> KiesLeden(const Ledenbestand& bestand, LedenVolgorde& volgorde, const GroepenLijst& lst1,
                                    int chkPartnerOok, Meldingen& meldingen);
