#pragma once
// Preview of a CD photo album: exports it again when the album changed since
// the last CD export (or when the viewer cannot be started), then starts the
// slide-show viewer on the album's pictures. On Linux the viewer is our own
// pictavo-viewer in slide-show mode on the CD album's image folder.

#include "album/Album.h"
#include "core/Result.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace pictavo {

// Exports the CD album (asking for the folder as an export does); gives the
// output folder, or an error when nothing was exported.
using CdExportStep = std::function<Result<QString>()>;
// Starts a program detached; false when it cannot be started.
using ProgramStarter = std::function<bool(const QString& program, const QStringList& arguments)>;

// The viewer program: pictavo-viewer next to the running program, in the
// build tree's imaging/gui folder, or on the PATH.
QString viewerProgram();

// Gives the output folder shown, or an error. lastOutputFolder is the
// folder of the last CD export (empty before the first).
Result<QString> PreviewCdAlbum(Album& album, const QString& lastOutputFolder,
                               const CdExportStep& exportAlbum, const ProgramStarter& start);

}  // namespace pictavo
