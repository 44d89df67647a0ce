#pragma once
// The output folder of an export, chosen and prepared the same way for a web
// site and for a CD photo album: the folder proposed is gen.location (or the
// "Export" folder beside the program's data folder); the choice is stored back
// into gen.location; a missing folder is created (one level only) and a folder
// that holds anything is used only when the user confirms.

#include "album/Album.h"
#include "generator/export/ExportCallbacks.h"

#include <QString>

#include <optional>

namespace pictavo {

// The question asked before exporting into a non-empty folder.
QString nonEmptyFolderQuestion();
// The error shown when the output folder cannot be created.
QString cannotCreateFolderMessage(const QString& folder);

// gen.location, or <data folder>/../Export when it is empty.
QString proposedOutputFolder(const Album& album);

// Asks for the folder through the callbacks and prepares it; gives the
// absolute folder (without a trailing separator), or nothing when the user
// cancelled or the folder cannot be used.
std::optional<QString> chooseOutputFolder(Album& album, const ExportCallbacks& callbacks);

}  // namespace pictavo
