#pragma once

#include "common/tekst.h"
#include "members/ledenbestand.h"

#include <QString>
#include <QStringView>

#include <algorithm>
#include <utility>

// A member record is one comma-joined text: group number ("00"), last name (trimmed), group
// key (field 2 + field 16, unchanged), member number, display name, field 17 or "0".

// Field `n` (from 0) of a member record; empty when the record has fewer.
QStringView RecordVeld(QStringView record, int n);

// Field 15 marks a deceased member when it is at least five characters long and occurs,
// ignoring case, in the word OVERLEDEN (Overleden, Overl; not OVER).
bool IsOverleden(QStringView veld15);

// Writes `deel` at `p` and moves `p` past it.
inline void SchrijfDeel(QChar*& p, QStringView deel)
{
    p = std::copy(deel.begin(), deel.end(), p);
}

// The member record: "group number,last name,key,number,display name,field 17". The display
// name is first name, infix and last name, each trimmed, with a space after each of the first
// two that is there.
struct LidRecord {
    LidRecord(const LidVelden& lid, QStringView sleutel)
        : achternaam(Tekst::Trim(lid.Achternaam)), voornaam(Tekst::Trim(lid.Voornaam)),
          tussenvoegsel(Tekst::Trim(lid.Tussenvoegsel)), nummer(lid.Nummer), sleutel(sleutel),
          extra(lid.Extra.isEmpty() ? QStringView(u"0") : lid.Extra) {}

    qsizetype Lengte(const QString& groep) const
    {
        return groep.size() + 2 * achternaam.size() + sleutel.size() + nummer.size() + extra.size() + 5 +
               (MetVoornaam() ? voornaam.size() + 1 : 0) + (tussenvoegsel.isEmpty() ? 0 : tussenvoegsel.size() + 1);
    }

    // Writes the record with group number `groep` at `p`; `naam` gets the display name's place.
    QChar* Schrijf(QChar* p, const QString& groep, std::pair<qint32, qint32>& naam) const
    {
        const QChar* const begin = p;
        SchrijfDeel(p, groep);
        for (const QStringView deel : {achternaam, sleutel, nummer}) {
            *p++ = u',';
            SchrijfDeel(p, deel);
        }
        *p++ = u',';
        const QChar* const naamBegin = p;
        if (MetVoornaam()) {
            SchrijfDeel(p, voornaam);
            *p++ = u' ';
        }
        if (!tussenvoegsel.isEmpty()) {
            SchrijfDeel(p, tussenvoegsel);
            *p++ = u' ';
        }
        SchrijfDeel(p, achternaam);
        naam = {static_cast<qint32>(naamBegin - begin - groep.size()), static_cast<qint32>(p - naamBegin)};
        *p++ = u',';
        SchrijfDeel(p, extra);
        return p;
    }

    bool MetVoornaam() const { return !voornaam.isEmpty() || !tussenvoegsel.isEmpty(); }

    QStringView achternaam, voornaam, tussenvoegsel, nummer, sleutel, extra;
};
