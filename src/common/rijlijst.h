#pragma once

#include <QList>
#include <QString>

// One row of a list with a check box per entry (lstDagen, lstActEmails).
struct Vinkregel {
    QString tekst;
    bool aangevinkt = false;

    bool operator==(const Vinkregel&) const = default;
};

// A row list: the 0-based positions of the marked rows, two digits each, no separator
// ("000312" for rows 0, 3 and 12).
namespace Rijlijst {

// The ticked rows in ascending order. Two digits only reach row 99, so later rows are
// left out rather than written as three digits that would shift every following pair.
QString Schrijf(const QList<Vinkregel>& rijen);

// The stored positions: half the length in pairs, halves rounded to even (an odd seventh
// digit makes a fourth pair of one digit), each pair's leading number. Positions are not
// checked against any list; "ab" reads as 0, like any text that is not a number.
QList<int> Lees(const QString& waarde);

} // namespace Rijlijst
