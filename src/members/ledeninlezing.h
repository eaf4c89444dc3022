#pragma once

#include "members/ledenbestand.h"

#include <QString>

#include <future>

// The member file of a large club takes as long to read as the sign-off settings window takes
// to build: it is read on a second thread meanwhile.
class LedenInLezing {
public:
    // Starts reading the file at `pad`.
    explicit LedenInLezing(const QString& pad);

    // The members as read, waiting for the reading to end; taken a second time, the file is
    // read anew.
    Ledenbestand Neem();

private:
    QString m_pad;
    std::future<Ledenbestand> m_lezing;
};
