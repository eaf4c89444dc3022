#pragma once

#include "header/kopinstellingen.h"
#include "members/ledentabellen.h"

#include <QString>
#include <QStringList>

#include <array>

// Everything hovelink.js is made of, copied from the windows by the caller, so that the
// script can be built and tested without a window. Check-box states are 0, 1 or 2.
struct ScriptInvoer {
    QString txtClubnaam;      // club name
    QString cmbSpeeldag;      // play-moment name
    int chkToonInvallers = 0; // show substitutes on the site
    int chk1 = 0;             // sign-off addresses active
    int chk2 = 0;             // e-mail confirmation active
    int chkToonPartner = 0;   // show each member's fixed partner
    int chkPartnerOok = 1;    // also offer the 'Partner..' dummy members
    QString txtContactPers;
    QString txtEindtijd;
    QStringList lstActEmails;     // the ticked address entries as they stand, in list order
    QStringList lstDagen;         // the ticked date entries, whole texts, in list order
    std::array<QString, 4> txtB1; // names of the site's four boxes
    std::array<QString, 4> txtB2; // group numbers per box, e.g. "1,3"
    KopInstellingen kop;
    LedenTabellen leden;
    // Aligned with the member tables (index 0 unused): member i's partner number from the
    // partner search, empty when none. Only read when chkToonPartner is 1.
    QStringList partners;
};
