#pragma once

#include <Qt>

// Check-box states as the files and the script store them: 0 unticked, 1 ticked, 2 grey.
// Qt numbers them differently (Checked is 2), so every check box goes through these.
namespace VinkStaat {

inline int Waarde(Qt::CheckState staat)
{
    switch (staat) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
    }
}

inline Qt::CheckState Staat(int waarde)
{
    switch (waarde) {
    case 1: return Qt::Checked;
    case 2: return Qt::PartiallyChecked;
    default: return Qt::Unchecked;
    }
}

} // namespace VinkStaat
