#pragma once

#include "common/meldingen.h"
#include "upload/overdracht.h"
#include "upload/uploadinstellingen.h"
#include "upload/wachtwoordopslag.h"

// The upload dialog's steps around a transfer, so that its questions and their order can be
// tested without the dialog.
namespace UploadBesturing {

// Plain FTP is asked about before every connection: Upload.ini sits in the club's shared
// folder, and anyone who can write there could switch a secretary to it unseen.
bool FtpToegestaan(Protocol protocol, Meldingen& meldingen);

// Saves Upload.ini with the connection and keeps the password in the password store when
// the user asked for that. A store that fails is reported once (`kluisGemeld`) and leaves
// `onthouden` off, so Upload.ini never promises a password that is not there. False when
// Upload.ini could not be written (the user has been told).
bool Bewaar(const QString& pad, UploadInstellingen& instellingen, const QString& speeldag, const Verbinding& verbinding,
            bool& onthouden, WachtwoordOpslag& opslag, Meldingen& meldingen, bool& kluisGemeld);

enum class Vervolg { Klaar,
                     Opnieuw };

// What a finished transfer means to the user: a question to trust an unknown server (stored
// when answered Ja), a changed server's warning with the choice to forget its old key after a
// second question, or the failure; after a good one, a trust file that could not be saved.
// Opnieuw: the same action is to be started again.
Vervolg Afhandelen(const OverdrachtResultaat& resultaat, const Verbinding& verbinding, Meldingen& meldingen);

// The password must not land in a core dump: from now on this process writes none, because
// freed memory may still hold it after the dialog has closed.
void GeenKerndump();

} // namespace UploadBesturing
