#pragma once
// AlbumEditor: the editing commands of the album (new folder and link,
// rename, delete, cut/copy/paste, move, drag and drop inside the tree), with
// the clipboard they share and the rules that enable them. It holds no
// selection: the view passes the folder selected in the album tree (and,
// for list commands, the entries chosen in the folder list) to each call,
// and re-reads the album afterwards. Asking the user to confirm a delete is
// the view's job.
//
// Every change goes through AlbumTree, so observers are told and the album
// is marked modified. The editor observes the tree itself to empty its
// clipboard when the album is replaced (New, Open), but not when an undo or
// redo restores it.
//
// Ownership: borrows the Album, which must outlive it. Threading: GUI thread
// only, like every edit of the album.

#include "album/Album.h"
#include "album/AlbumObserver.h"
#include "album/editing/AlbumClipboard.h"

#include <QString>

#include <vector>

namespace pictavo {

// Captions of new folders and links; the running number follows directly.
inline const QString kNewFolderCaption = QStringLiteral("New Folder");
inline const QString kNewLinkCaption = QStringLiteral("New Link");

enum class MoveDirection : int { Up, Down };

// What a drop of a dragged tree folder does.
enum class DropAction : int { Refuse, Copy, Move };

// The drop rule of the tree: refused without a dragged folder or a target,
// when the target is the dragged folder or lies inside it, and when the
// target already is its parent; otherwise a copy when Ctrl is the only
// modifier held, else a move.
DropAction treeDropAction(const CSiteFolder* dragged, const CSiteFolder* target, bool ctrlOnly);

// Enabled state of the editing commands while the album tree has the focus.
struct TreeCommandState {
    bool newFolder = false;
    bool newLink = false;
    bool cut = false;
    bool copy = false;
    bool paste = false;
    bool remove = false;
    bool moveUp = false;
    bool moveDown = false;
};

// One row chosen in the folder list: a subfolder (by folder id) or a page
// (by page id) of the listed folder.
struct ListEntry {
    SiteNodeKind kind = SiteNodeKind::None;
    int id = -1;
};

// Outcome of deleting folder-list rows.
struct ListDeleteResult {
    bool deleted = false;  // false: nothing to delete, the album is unchanged
    int rowToSelect = -1;  // row to select in the refreshed list; -1 = list empty
};

class AlbumEditor : public AlbumObserver {
public:
    explicit AlbumEditor(Album& album);
    ~AlbumEditor() override;
    AlbumEditor(const AlbumEditor&) = delete;
    AlbumEditor& operator=(const AlbumEditor&) = delete;

    TreeCommandState treeCommandState(const CSiteFolder* selected) const;
    // Paste into selected: needs a selection and a clipboard with a source
    // folder other than selected, or list entries naming at least one id.
    bool canPaste(const CSiteFolder* selected) const;

    // "New Folder<n>" as the last child of selected; returns it so that the
    // view can select it and start editing its label. Null without selected.
    CSiteFolder* newFolder(CSiteFolder* selected);
    // "New Link<n>" appended to selected (url empty, text link).
    CSitePage* newLink(CSiteFolder* selected);
    // Sets folder's caption to text as typed; refused (false) when text is
    // empty or white space only.
    bool renameFolder(CSiteFolder* folder, const QString& text);

    // Deletes selected with its subtree; the root cannot be deleted.
    bool deleteFolder(CSiteFolder* selected);
    // Deletes the listed folder's rows (subfolders with their subtrees and
    // pages, the remaining pages renumbered). firstSelectedRow is the index
    // of the first chosen row; the list shows subfolders, then pages.
    ListDeleteResult deleteListEntries(CSiteFolder* listed, const std::vector<ListEntry>& rows,
                                       int firstSelectedRow);

    // Tree Cut/Copy: selected (not the root) becomes the clipboard's source.
    bool cutFolder(const CSiteFolder* selected) { return takeFolder(selected, ClipboardMode::Cut); }
    bool copyFolder(const CSiteFolder* selected) {
        return takeFolder(selected, ClipboardMode::Copy);
    }
    // List Cut/Copy: subfolders and pages of listed, by id.
    void setListClipboard(const CSiteFolder* listed, std::vector<int> folderIds,
                          std::vector<int> pageIds, ClipboardMode mode);
    // Pastes the clipboard into target. Copied folders are inserted in caption
    // order with new ids; a folder is never pasted into its own subtree. A
    // cut-paste removes (destroys) the sources and empties the clipboard; a
    // copy-paste keeps it. Returns true when the album changed.
    bool paste(CSiteFolder* target) { return pasteFrom(clipboard_, target); }
    const AlbumClipboard& clipboard() const { return clipboard_; }

    // Move up/down of the selected tree folder among its siblings; the
    // subtree moves as it is (same children, order and ids).
    bool moveFolder(CSiteFolder* selected, MoveDirection direction);
    // Moves the child of selected whose id is folderId (folder-list row).
    bool moveChildFolder(CSiteFolder* selected, int folderId, MoveDirection direction);
    // Swaps the page with id pageId with its neighbour in folder's list.
    bool movePage(CSiteFolder* folder, int pageId, MoveDirection direction);

    // Drops dragged onto target (tree or folder-list folder row) by the
    // rule of treeDropAction: the folder is pasted under target as a copy
    // and, for a move, the original is deleted afterwards. Returns the
    // action taken (Refuse: nothing changed, the view beeps). After a Move
    // the dragged folder is destroyed; the copy under target has new ids.
    DropAction dropFolder(CSiteFolder* dragged, CSiteFolder* target, bool ctrlOnly);
    // Drops entries dragged out of the folder list (subfolders and pages of
    // listed, by id) onto target: pasted as copies and, for a move, removed
    // from listed afterwards. Refused when target is listed itself or lies
    // inside one of the dragged folders. The Cut/Copy clipboard is left alone.
    DropAction dropListEntries(int listedFolderId, std::vector<int> folderIds,
                               std::vector<int> pageIds, CSiteFolder* target, bool ctrlOnly);

    // New and Open empty the clipboard; an undo or redo restores the album
    // exactly, so the ids it holds stay valid and it is kept.
    void resetDone() override {
        if (!tree_.isRestoring())
            clipboard_.clear();
    }

private:
    bool takeFolder(const CSiteFolder* selected, ClipboardMode mode);
    bool pasteFrom(AlbumClipboard& clipboard, CSiteFolder* target);
    bool pasteSourceFolder(AlbumClipboard& clipboard, CSiteFolder* target);
    bool pasteListEntries(AlbumClipboard& clipboard, CSiteFolder* target);
    // Each returns the number of folders or pages pasted.
    int pasteListFolders(AlbumClipboard& clipboard, CSiteFolder* listed, CSiteFolder* target);
    int pasteListPages(AlbumClipboard& clipboard, CSiteFolder* listed, CSiteFolder* target);
    CSiteFolder* childById(const CSiteFolder* parent, int id) const;

    AlbumTree& tree_;
    AlbumClipboard clipboard_;
};

}  // namespace pictavo
