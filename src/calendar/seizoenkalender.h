#pragma once

#include "common/rijlijst.h"

#include <QDate>
#include <QList>
#include <QStringList>

#include <functional>

class Meldingen;

// A selection list of months (cmbVan, cmbTot) as the window shows it.
struct Maandlijst {
    QStringList regels;       // month entries, see KalenderTekst::MaandRegel
    int index = -1;           // selected entry; -1 for none
    bool ingeschakeld = true; // Enabled

    bool operator==(const Maandlijst&) const = default;
};

// Every value the calendar controls of frmAfmelden show, plus the calendar's form variables.
// The window copies these into its controls after each operation.
struct KalenderStaat {
    Maandlijst cmbVan;
    Maandlijst cmbTot;
    bool cmdMaakDatums = true; // Enabled
    bool chkWijzData = false;  // ticked
    QList<Vinkregel> lstDagen; // date entries with their ticks
    int lstDagenHuidig = -1;   // current row; -1 for none
    bool cmdSelect = false;    // Enabled
    bool cmdDeselect = false;  // Enabled
    QDate Startdatum;          // null is the zero date: the months start at today
    qint16 MaxMaanden = 18;
};

// The season calendar of one play moment: month lists, generated play dates, the user's
// ticks and the lock that protects a saved calendar. Logic only; frmAfmelden forwards its
// events here and shows Staat().
class Seizoenkalender {
public:
    using Vandaag = std::function<QDate()>;

    // `speeldag` is the play moment as the start window shows it ("donderdag-avond").
    explicit Seizoenkalender(QString speeldag, Vandaag vandaag = &QDate::currentDate);

    const KalenderStaat& Staat() const { return m_staat; }

    // The opening sequence: months from `startdatum` (the stored first month, null for
    // today), the dates made unticked, then the stored positions ticked and the calendar
    // locked; with nothing stored it is unlocked. Positions the list lacks are passed over.
    void Open(const QDate& startdatum, const QString& bewaardeDagen);

    // Sixteen months from Startdatum (or today) into both lists; selects the first of cmbVan
    // and the last of cmbTot, which empties the dates.
    void VulMaanden();

    // The user picks a month: the generated dates and their ticks are discarded.
    void cmbVan_Click(int index);
    void cmbTot_Click(int index);

    // Every date of the play moment's weekday from the first day of the cmbVan month to the
    // last day of the cmbTot month, unticked; the first becomes current.
    void MaakDatums();
    void cmdMaakDatums_Click();

    void cmdSelect_Click();
    void cmdDeselect_Click();
    void ZetSelectieKnoppen();

    // The user ticks or unticks a row, or moves the current row; rows outside the list are
    // ignored.
    void ZetVinkje(int rij, bool aangevinkt);
    void ZetHuidigeRij(int rij);

    // `aangevinkt` is the new state of "Data wijzigen?". Ticking it over ticked dates asks
    // first; Cancel unticks it again (Staat().chkWijzData tells the window).
    void chkWijzData_Click(bool aangevinkt, Meldingen& meldingen);

    // The key of the selected cmbVan entry ("yyyy-mm-dd"), what the settings file stores.
    QString VanSleutel() const;

    // The ticked play dates as "yyyymmdd", top to bottom, for the script.
    QStringList AangevinkteDatums() const;

private:
    void LeegDagen();
    void ZetMaandenIngeschakeld(bool aan);
    bool HeeftVinkjes() const;

    QString m_speeldag;
    Vandaag m_vandaag;
    KalenderStaat m_staat;
};
