#pragma once

#include "script/scriptinvoer.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

// What the sign-off site makes of hovelink.js: its member list and how its box filling
// function VulCombo fills the four name boxes. The script is written from the same rules,
// so a preview shows what the site will show.
namespace Script {

// Entry 0 of the site's member list, offered by every box whose filter is not empty.
inline constexpr char KiesNaam[] = "-----  KIES NAAM  -----";
inline constexpr char KiesNaamCode[] = "000000000000000000";

// Whether member `naam` is written into the member list: not empty, and a 'Partner..' dummy
// (first seven letters, any case) only when chkPartnerOok is not 0.
bool LidOpSite(const QString& naam, int chkPartnerOok);

// Appends a member's code: member number with 6 digits, partner number with 9 ("0" when
// empty), group number with 3 (see VoegCijfersToe for longer numbers).
void VoegLidCodeToe(QByteArray& script, QStringView nummer, QStringView partner, QStringView groep);

struct SiteNaam {
    QString tekst; // the name as the site shows it, after the trip through the code page
    QString code;  // its idbnrbes code
    bool operator==(const SiteNaam&) const = default;
};

// The script's values as the site holds them after loading it.
struct SiteGegevens {
    QList<SiteNaam> lid;            // lid and idbnrbes, entry 0 the KIES NAAM entry
    std::array<QString, 4> filters; // DUM10 to DUM13
    std::array<QString, 4> namen;   // the four box names of VulCombo
};

SiteGegevens MaakSiteGegevens(const ScriptInvoer& invoer);

// The entries VulCombo(cmbnaam) adds to the box named `cmbnaam`, in order.
QList<SiteNaam> VulCombo(const SiteGegevens& site, const QString& cmbnaam);

} // namespace Script
