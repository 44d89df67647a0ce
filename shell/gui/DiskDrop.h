#pragma once
// What a drop of disk files and folders (file URLs, as file managers drag
// them) onto an album folder does, on the album explorer's tree and on a
// folder row of the album folder list alike:
// - when one of them is an album file (*.www), the first such file is
//   opened as a drop on the main window opens it (openAlbumRequested: the
//   save question first), once the drop has returned; nothing is imported;
// - otherwise each folder becomes a new album folder under the target,
//   named after it and filled with its contents, and each file a page of
//   the target (ImportRunner: walked on a worker, one undoable step).
// The originals are only read.
//
// Threading: GUI thread only.

#include <QStringList>

namespace pictavo {

class AppContext;
class CSiteFolder;

enum class DiskDropOutcome { Nothing, Imported, AlbumOpening };

DiskDropOutcome dropDiskPaths(AppContext& context, const QStringList& paths, CSiteFolder* target);

}  // namespace pictavo
