#pragma once

#include "common/uitkomst.h"
#include "upload/protocol.h"

#include <QString>

#include <optional>

// Where a remembered password lives: the operating system's password store, never a file
// of this program.
class WachtwoordOpslag {
public:
    virtual ~WachtwoordOpslag() = default;

    // Nothing when no password is stored or the store cannot be reached.
    virtual std::optional<QString> Lees(const QString& sleutel) = 0;
    // Fails with the store's reason when it cannot keep the password.
    virtual Uitkomst<> Bewaar(const QString& sleutel, const QString& wachtwoord) = 0;
    virtual void Wis(const QString& sleutel) = 0;
};

// The key under which a login's password is stored.
QString WachtwoordSleutel(Protocol protocol, const QString& gebruiker, const QString& server, int poort);
