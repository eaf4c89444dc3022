#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// How the club's site is reached. Plain FTP sends the password unencrypted and is only used
// after the user agrees to that each time.
enum class Protocol { Sftp,
                      Ftps,
                      Ftp };

namespace Protocollen {

inline constexpr std::array<Protocol, 3> Alle{Protocol::Sftp, Protocol::Ftps, Protocol::Ftp};

// "SFTP", "FTPS" or "FTP": as shown in the dialog and stored in Upload.ini.
QString Naam(Protocol protocol);

// The protocol of a name in any case; nothing for an unknown name.
std::optional<Protocol> Van(QStringView naam);

int StandaardPoort(Protocol protocol);

} // namespace Protocollen
