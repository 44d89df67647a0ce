#pragma once
// The walk of the disk that plans an import (ImportPlan.h). It reads the
// disk only; the album is not touched, so it may run on a worker thread.
//
// A file becomes a page whose url is the file's absolute path. Its caption
// is the file name (with extension) when UseFilenameAsDefCaption is on; an
// image (ClassifyFileKind) is an image link, anything else a text link that
// always takes the file name as caption.
//
// Folder contents are every entry but "." and "..", hidden and system
// entries included, sorted by name (case-sensitive, QDir::Name) so that the
// plan does not depend on the order the file system lists them in. A
// subfolder that resolves to one of the folders being walked above it (a
// symbolic link back to an ancestor) is left out and reported, so a link
// loop cannot recurse without end.
//
// Every function plans each non-empty path it is given, in the given order.
//
// Threading: any thread; the listener is called on the walking thread.

#include "album/editing/ImportPlan.h"
#include "properties/EnvironmentSettings.h"

#include <QString>
#include <QStringList>

namespace pictavo {

// Told how far a walk has come, and asked whether it should go on. Every
// entry is counted: first the paths given, then the contents of each
// folder as it is listed, so the total grows while the walk goes down.
class ImportWalkListener {
public:
    virtual ~ImportWalkListener() = default;
    // count more entries are to be walked.
    virtual void entriesFound(int /*count*/) {}
    // The walk reaches the entry at path.
    virtual void entryReached(const QString& /*path*/) {}
    // Asked before each entry: once true the walk stops, its plan left
    // incomplete.
    virtual bool stopRequested() const { return false; }
};

// The "Import files" command: each path a page of the target; a path that
// does not name an existing file (a folder is not a file) is a problem.
ImportPlan planFiles(const QStringList& paths, const EnvironmentSettings& settings,
                     ImportWalkListener* listener = nullptr);

// The contents of diskFolder go into the target: files become pages,
// subfolders new folders (caption = the subfolder's name) filled
// recursively. No folder is planned for diskFolder itself.
ImportPlan planFolderContents(const QString& diskFolder, const EnvironmentSettings& settings,
                              ImportWalkListener* listener = nullptr);

// The "Import a folder" command: a file as by planFiles, a folder as by
// planFolderContents; a path that does not exist is a problem.
ImportPlan planPath(const QString& path, const EnvironmentSettings& settings,
                    ImportWalkListener* listener = nullptr);

// A disk folder dropped on an album folder: one new folder, caption = the
// text after the last "/" or "\" of diskFolder, filled with the folder's
// contents. Nothing is planned when that name is empty (a path ending in a
// separator); a path that is not a folder is a problem.
ImportPlan planAsNewFolder(const QString& diskFolder, const EnvironmentSettings& settings,
                           ImportWalkListener* listener = nullptr);

// Disk files and folders dropped on an album folder: each folder as by
// planAsNewFolder, each file as by planFiles.
ImportPlan planDroppedPaths(const QStringList& paths, const EnvironmentSettings& settings,
                            ImportWalkListener* listener = nullptr);

}  // namespace pictavo
