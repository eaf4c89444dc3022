#pragma once

#include "upload/wachtwoordopslag.h"

// QtKeychain: Windows Credential Manager, macOS Keychain, or the Secret Service on Linux.
// Never falls back to a plain file.
class KeychainOpslag : public WachtwoordOpslag {
public:
    std::optional<QString> Lees(const QString& sleutel) override;
    Uitkomst<> Bewaar(const QString& sleutel, const QString& wachtwoord) override;
    void Wis(const QString& sleutel) override;
};
