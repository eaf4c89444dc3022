#pragma once

#include "common/rijlijst.h"
#include "common/tekstbestand.h"
#include "moment/afmeldadressen.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class Meldingen;

// The values of frmAfmelden that the play-moment settings file stores, as the window's
// controls hold them. The defaults are the window's state before any file is read.
struct MomentVenster {
    QString cmbVanSleutel; // key of the selected cmbVan entry, "yyyy-mm-dd"
    int cmbTotIndex = -1;  // selected cmbTot entry; -1 for none
    qint16 chk1 = 1;       // check box states 0, 1 or 2
    qint16 chk2 = 1;
    qint16 chkPartnerOok = 1;
    QString txtContactPers;
    std::array<QString, 4> txtB2; // group boxes 'naam1', 'partner', 'inval1', 'inval3'
    QString txtEindtijd;
    Afmeldadressen adressen;   // txtEmailadressen and lstActEmails
    QList<Vinkregel> lstDagen; // only the ticks are stored
    QStringList lst1Gekozen;   // texts of the selected rows of lst1, top to bottom
    QString cmbPartner;
    qint16 chkToonPartner = 0;

    bool operator==(const MomentVenster&) const = default;
};

// What reading leaves for later steps of opening the window.
struct BewaardeMoment {
    QDate Startdatum;          // first season month; null when the file has none
    qint16 TotIndex = 0;       // read, never used: cmbTot always starts at its last month
    QString BewaardeDagen;     // row list of the ticked play dates
    QString BewaardeLedenBest; // group list of the selected member groups
    QString BewaardPartnerbest;
    qint16 BewaardToonPartner = 0;

    bool operator==(const BewaardeMoment&) const = default;
};

// Writes the settings file whole, keys in their fixed order.
Uitkomst<> BewaarInstellingen(const QString& pad, const MomentVenster& venster);

// Reads the settings file into the window's values and the saved values. Never shows a
// message of its own: a missing file or a value that cannot be applied ends the reading
// silently, keeping what was read so far. Lines without a key set `kopvakho` (the header
// box height) to 100 while it is still 0. `meldingen` is for the address rebuild.
void LeesInstellingen(const QString& pad, MomentVenster& venster, BewaardeMoment& bewaard,
                      qint32& kopvakho, Meldingen& meldingen);
