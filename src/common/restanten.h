#pragma once

#include <QString>

// QSaveFile writes "<name>.XXXXXX" beside the file and renames it at the end; a save that was
// cut off (power loss, a killed program) leaves that file behind.
namespace Restanten {

// Removes such leftovers of our own files from the folder of `pad`: the file being written and
// the other files we write there. Only plain files whose name is one of ours plus the six
// letters or digits; never a link, a folder or any other file.
void RuimOp(const QString& pad);

} // namespace Restanten
