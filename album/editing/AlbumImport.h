#pragma once
// Import of files and folders from disk into the album, in one go: each
// function walks the disk for its plan (ImportWalk.h, where the rules are)
// and applies it to target at once (ImportPlan.h). Nothing happens when
// target is null. The GUI walks on a worker instead and applies the plan
// afterwards (shell/gui ImportRunner).
//
// Every change goes through AlbumTree (observers told, album modified).
// Nothing is printed: what was added and what was left out is returned.
// Threading: the GUI thread, like every edit of the album.

#include "album/editing/ImportPlan.h"
#include "properties/EnvironmentSettings.h"

#include <QString>
#include <QStringList>

namespace pictavo {

// One file as a page of target (planFiles).
ImportResult importFile(Album& album, CSiteFolder* target, const QString& path,
                        const EnvironmentSettings& settings);

// The "Import files" command (planFiles).
ImportResult importFiles(Album& album, CSiteFolder* target, const QStringList& paths,
                         const EnvironmentSettings& settings);

// The contents of diskFolder into target (planFolderContents).
ImportResult importFolderContents(Album& album, CSiteFolder* target, const QString& diskFolder,
                                  const EnvironmentSettings& settings);

// The "Import a folder" command (planPath).
ImportResult importPath(Album& album, CSiteFolder* target, const QString& path,
                        const EnvironmentSettings& settings);

// diskFolder as a new folder of target (planAsNewFolder).
ImportResult importAsNewFolder(Album& album, CSiteFolder* target, const QString& diskFolder,
                               const EnvironmentSettings& settings);

}  // namespace pictavo
