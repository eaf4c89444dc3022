#pragma once

#include "members/ledenbestand.h"

#include <QString>

#include <algorithm>
#include <utility>
#include <vector>

// The ranking of one member file's records, kept by whoever keeps the file: each member's
// record without its group number and its sorted-list rank among the members of its group
// key, made for a key when a member list first needs it. Collating 10,000 names on every
// click would cost more than reading the file. One LedenVolgorde serves one member file.

// What a member list does with a line, whatever the selection.
enum class LidSoort : unsigned char {
    Lid,     // taken when its group is ticked
    Partner, // a partner dummy: taken only with chkPartnerOok
    Weg,     // deceased, or without a name: never taken
};

// The members of a key take the places begin[k] to begin[k + 1] - 1, in rank order once the
// key is ranked: every tick walks the ticked groups' records in that order, so they are kept,
// and made, in it.
struct LedenVolgorde {
    std::vector<qsizetype> begin;                  // per group key, and one past the last
    std::vector<std::vector<qsizetype>> regelsVan; // per group key: its lines, until it is ranked
    std::vector<char> gerangschikt;                // per group key: ranked (not bits: keys are ranked on two threads)
    std::vector<QString> nummers;                  // per group key: the group number its records carry
    std::vector<QString> records;                  // per place: a member record, group number first
    std::vector<std::pair<qint32, qint32>> naam;   // per place: start and length of the display name in its record, after the group number
    std::vector<LidSoort> soort;                   // per place: whether a member list takes it

    int SleutelVan(qsizetype plaats) const
    {
        return static_cast<int>(std::upper_bound(begin.begin(), begin.end(), plaats) - begin.begin()) - 1;
    }
};

// Lays `volgorde` out for the members of `bestand` when it is still empty.
LedenVolgorde& Volgorde(const Ledenbestand& bestand, LedenVolgorde& volgorde);

// The places of a key [first, last), ranked, with their records (carrying `nummer`) and kinds.
// Records that start with the same group number order as the rest of them does, so a rank
// outlives a change of number.
std::pair<qsizetype, qsizetype> Rangschik(const Ledenbestand& bestand, LedenVolgorde& volgorde, int sleutel,
                                          const QString& nummer);

// Ranks the keys not ranked yet, about half of their lines on a second thread when there are
// many; each key with the group number its records carry.
void RangschikVooraf(const Ledenbestand& bestand, LedenVolgorde& volgorde,
                     const std::vector<std::pair<int, const QString*>>& sleutels);
