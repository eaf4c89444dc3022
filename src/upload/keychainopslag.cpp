#include "upload/keychainopslag.h"

#include <qt6keychain/keychain.h>

#include <QEventLoop>

namespace {

const QString Dienst = QStringLiteral("Hovelink");

// The store answers asynchronously; the user waits for it anyway, so wait here.
void Wacht(QKeychain::Job& taak, const QString& sleutel)
{
    taak.setAutoDelete(false);
    taak.setInsecureFallback(false);
    taak.setKey(sleutel);
    QEventLoop lus;
    QObject::connect(&taak, &QKeychain::Job::finished, &lus, &QEventLoop::quit);
    taak.start();
    lus.exec();
}

} // namespace

std::optional<QString> KeychainOpslag::Lees(const QString& sleutel)
{
    QKeychain::ReadPasswordJob taak(Dienst);
    Wacht(taak, sleutel);
    if (taak.error() != QKeychain::NoError)
        return std::nullopt;
    return taak.textData();
}

Uitkomst<> KeychainOpslag::Bewaar(const QString& sleutel, const QString& wachtwoord)
{
    QKeychain::WritePasswordJob taak(Dienst);
    taak.setTextData(wachtwoord);
    Wacht(taak, sleutel);
    if (taak.error() != QKeychain::NoError)
        return Uitkomst<>::Fout(taak.errorString());
    return {};
}

void KeychainOpslag::Wis(const QString& sleutel)
{
    QKeychain::DeletePasswordJob taak(Dienst);
    Wacht(taak, sleutel);
}
