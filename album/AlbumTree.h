#pragma once
// AlbumTree: the folder hierarchy of an album and the album-wide state that
// goes with it (folder ids, the numbers of new folders and links, the
// modified flag and the two "generate again" flags).
//
// Ownership: the tree owns the root; folders own children and pages. A node
// removed from the tree is destroyed after observers were told
// (folderAboutToBeRemoved / pagesAboutToBeRemoved), so a view that drops its
// references on that notification never holds a dangling pointer.
// Threading: one thread edits; a generation run may read from worker threads
// only while nothing edits.

#include "album/AlbumObserver.h"
#include "album/SiteNodes.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace pictavo {

class AlbumTree {
public:
    AlbumTree();
    ~AlbumTree();
    AlbumTree(const AlbumTree&) = delete;
    AlbumTree& operator=(const AlbumTree&) = delete;

    // --- the album as a whole
    // New album: one root "Index" with id 0, nextFolderId 1, not modified,
    // both change flags set. nextLinkNumber and newFolderNumber stay.
    void reset();
    // Replaces the whole tree by root (may be null: an album without
    // folders), as a file reader does. Not modified, both flags set.
    void replaceRoot(std::unique_ptr<CSiteFolder> root, int nextFolderId);
    CSiteFolder* root() const { return root_.get(); }

    // --- structure (each marks the album modified and notifies)
    // Creates a folder with the defaults and the next id as the child of
    // parent at index (-1: last). Returns the new folder.
    CSiteFolder* insertFolder(CSiteFolder* parent, const QString& caption, int index = -1);
    // Inserts a detached folder (with its subtree, ids as they are) under
    // parent at index (-1: last).
    CSiteFolder* adoptFolder(CSiteFolder* parent, std::unique_ptr<CSiteFolder> folder,
                             int index = -1);
    // Removes and destroys folder with its subtree; the root cannot be removed.
    bool removeFolder(CSiteFolder* folder);
    // Moves folder to position newIndex among its siblings, subtree intact.
    bool moveFolder(CSiteFolder* folder, int newIndex);

    // Appends a page: its id becomes the folder's page count before the append.
    CSitePage* appendPage(CSiteFolder* folder, std::unique_ptr<CSitePage> page);
    // Removes and destroys the page at index; later pages' ids drop by one.
    bool removePage(CSiteFolder* folder, int index);
    // Moves a page inside its folder and renumbers the list.
    bool movePage(CSiteFolder* folder, int from, int to);
    // pagecount = list length, ids = positions.
    void renumberPages(CSiteFolder* folder);

    // --- field edits: edit runs on the node, then observers hear of it and
    // the album is marked modified.
    void editFolder(CSiteFolder* folder, const std::function<void(CSiteFolder&)>& edit);
    void editPage(CSiteFolder* folder, int index, const std::function<void(CSitePage&)>& edit);

    // --- walks
    // Pre-order from the root, depth 0 for the root: the file order and the
    // generation order.
    void walk(const std::function<void(CSiteFolder*, int depth)>& visit) const;
    CSiteFolder* findFolderById(int id) const;

    // --- album-wide state
    int nextFolderId() const { return nextFolderId_; }
    int takeNextFolderId() { return nextFolderId_++; }
    int takeNewFolderNumber() { return newFolderNumber_++; }
    int takeNextLinkNumber() { return nextLinkNumber_++; }

    // The counters the album file does not carry (it only implies a lower
    // bound for nextFolderId), so that an undo can put them back.
    struct Counters {
        int nextFolderId = 0;
        int newFolderNumber = 0;
        int nextLinkNumber = 0;
        bool operator==(const Counters&) const = default;
    };
    Counters counters() const { return {nextFolderId_, newFolderNumber_, nextLinkNumber_}; }
    void setCounters(const Counters& counters);

    // True while the tree is replaced by an exact copy of an earlier state
    // of the same album (undo, redo). The reset notifications come as for
    // New and Open, but every folder id names the same folder as before, so
    // an observer that keeps ids (the clipboard) may keep them.
    bool isRestoring() const { return restoring_; }
    void setRestoring(bool restoring) { restoring_ = restoring; }

    bool isModified() const { return modified_; }
    // Setting the flag also sets albumChanged and cdAlbumChanged.
    void setModified(bool modified);
    bool albumChanged() const { return albumChanged_; }
    bool cdAlbumChanged() const { return cdAlbumChanged_; }
    void setAlbumChanged(bool changed) { albumChanged_ = changed; }
    void setCdAlbumChanged(bool changed) { cdAlbumChanged_ = changed; }

    void addObserver(AlbumObserver* observer);
    void removeObserver(AlbumObserver* observer);

private:
    template <typename F>
    void notify(F&& call);

    std::unique_ptr<CSiteFolder> root_;
    int nextFolderId_ = 0;
    int newFolderNumber_ = 0;
    int nextLinkNumber_ = 0;
    bool modified_ = false;
    bool albumChanged_ = true;
    bool cdAlbumChanged_ = true;
    bool restoring_ = false;
    std::vector<AlbumObserver*> observers_;
};

}  // namespace pictavo
