#pragma once
// Import of files and folders from disk into the album. A file becomes a
// page of the target folder; a disk folder becomes an album folder filled
// with its contents, recursively.
//
// A page made from a file takes the file's full path as url. Its caption is
// the file name (with extension) when UseFilenameAsDefCaption is on; an
// image (ClassifyFileKind) is an image link, anything else a text link that
// always takes the file name as caption.
//
// Folder contents are every entry but "." and "..", hidden and system
// entries included, sorted by name (case-sensitive, QDir::Name) so that the
// result does not depend on the order the file system lists them in. A
// subfolder that resolves to one of the folders being imported above it (a
// symbolic link back to an ancestor) is left out and reported, so a link
// loop cannot recurse without end.
//
// Every change goes through AlbumTree (observers told, album modified).
// Nothing is printed: what was added and what was left out is returned.
// Threading: the GUI thread, like every edit of the album.

#include "album/Album.h"
#include "properties/EnvironmentSettings.h"

#include <QString>
#include <QStringList>

namespace pictavo {

struct ImportResult {
    int pagesAdded = 0;
    int foldersAdded = 0;
    CSiteFolder* createdFolder = nullptr;  // importAsNewFolder: the new folder
    QStringList problems;                  // "<path>: <reason>" per entry left out

    ImportResult& operator+=(const ImportResult& other);
};

// Imports one file as a page of target. Nothing happens when target is
// null or path does not name an existing file (a folder is not a file).
ImportResult importFile(Album& album, CSiteFolder* target, const QString& path,
                        const EnvironmentSettings& settings);

// The "Import files" command: each non-empty path, in the given order, as
// by importFile.
ImportResult importFiles(Album& album, CSiteFolder* target, const QStringList& paths,
                         const EnvironmentSettings& settings);

// Imports the contents of diskFolder into target: files become pages of
// target, subfolders new album folders (caption = the subfolder's name)
// appended to target and filled recursively. No folder is made for
// diskFolder itself.
ImportResult importFolderContents(Album& album, CSiteFolder* target, const QString& diskFolder,
                                  const EnvironmentSettings& settings);

// The "Import a folder" command: a file imports as one file, a folder
// imports its contents into target; a path that does not exist adds nothing.
ImportResult importPath(Album& album, CSiteFolder* target, const QString& path,
                        const EnvironmentSettings& settings);

// A disk folder dropped from the file explorer: a new album folder, caption =
// the text after the last "/" or "\" of diskFolder, appended to target and
// filled with the folder's contents. Nothing happens when that name is empty
// (a path ending in a separator) or diskFolder is not a folder.
ImportResult importAsNewFolder(Album& album, CSiteFolder* target, const QString& diskFolder,
                               const EnvironmentSettings& settings);

}  // namespace pictavo
