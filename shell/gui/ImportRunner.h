#pragma once
// Running an import from disk into the album from the GUI: the import is one
// undoable step under the wait cursor, and the entries it had to leave out
// are shown afterwards in one message, never swallowed. Used by the import
// commands and by drops of disk files and folders on the album panes.
//
// Threading: GUI thread only, like every edit of the album.

#include "album/editing/AlbumImport.h"

#include <functional>

namespace pictavo {

class AppContext;

using ImportFunction = std::function<ImportResult(Album& album, CSiteFolder* target)>;

// Runs import into target; returns what it did.
ImportResult runImport(AppContext& context, CSiteFolder* target, const ImportFunction& import);

}  // namespace pictavo
