#pragma once
// AlbumClipboard: what Cut, Copy or a drag inside the album tree picked up.
// Either one whole tree folder (the source folder) or entries chosen in the
// folder list (subfolders and pages of the listed folder). The record holds
// ids only, never copies or pointers: nothing is copied or removed until a
// paste, and a source that disappeared in the meantime is simply not found.
// Folder ids are unique in an album, so an id stays valid until the folder
// is deleted; the editor empties the record whenever the album is replaced.
//
// Plain value; owned by AlbumEditor (one for Cut/Copy, one per tree drag).

#include <algorithm>
#include <vector>

namespace pictavo {

enum class ClipboardMode : int { Copy = 0, Cut = 1 };

struct AlbumClipboard {
    ClipboardMode mode = ClipboardMode::Copy;
    bool fromList = false;       // entries placed by the folder list
    int sourceFolderId = -1;     // a whole folder cut or copied in the tree
    int listedFolderId = -1;     // the folder whose contents the list showed
    std::vector<int> folderIds;  // subfolders chosen in the list
    std::vector<int> pageIds;    // pages chosen in the list

    bool holdsSourceFolder() const { return !fromList && sourceFolderId >= 0; }
    bool holdsListEntries() const { return fromList && listedFolderId >= 0; }
    bool isEmpty() const { return !holdsSourceFolder() && !holdsListEntries(); }
    void clear() { *this = AlbumClipboard(); }

    static bool contains(const std::vector<int>& ids, int id) {
        return std::find(ids.begin(), ids.end(), id) != ids.end();
    }
};

}  // namespace pictavo
