#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Tafelwerk's partner files: one per player group, in MapTwk/TWKspelers/Parenmap/, named
// after the group name with ".txt". Only the file's first data item is used: a list of
// pairs "1234-5678#2345-6789#" of member numbers as they stand in the member file.

// MapTwk + "/TWKspelers/Parenmap".
QString PartnerMap(const QString& MapTwk);

// The full path of the ordinary file `naam` + ".txt" in the partner folder, looked up
// ignoring case on every platform (as Windows does); empty when there is none.
QString ZoekPartnerbestand(const QString& MapTwk, const QString& naam);

// True when the group with this name (the text between the parentheses of its row) has a
// partner file.
bool HeeftPartnerbestand(const QString& MapTwk, const QString& groepnaam);

// Appends the file's first data item to PartnerTekst: leading spaces skipped; an item that
// starts with a double quote runs to the next double quote (line breaks and commas
// included); otherwise it ends at the first comma or line end. A missing file adds nothing.
void LeesPartnerTekst(const QString& pad, QString& PartnerTekst);

struct Partnerbestand {
    QString PartnerTekst;     // the first data item
    QStringList PartnerParen; // PartnerTekst split at every "#"; the last piece is never used
    // Every member number of a pair to its partner, so that a club's members are looked up
    // in one pass instead of a pass over the pairs each. Every piece of PartnerParen but the
    // last, in order, split at "-" into a and b (a piece with more "-" uses its first two
    // parts; a piece without "-" is passed over), gives a the partner b and b the partner a:
    // the last pair wins. Numbers are compared exactly.
    QHash<QString, QString> partnerVan;
};

// The pairs of a first data item.
Partnerbestand MaakPartnerbestand(const QString& PartnerTekst);

// Loads the partner file chosen in cmbPartner. A missing or empty file gives no pairs.
Partnerbestand LeesPartnerbestand(const QString& MapTwk, const QString& cmbPartnerTekst);

// The partner's member number of a member record of ListH (its fourth field is the member
// number); empty when the member is in no pair or the record is empty.
QString ZoekPartner(const Partnerbestand& paren, const QString& record);
