#pragma once
// ShownItem: what the property area shows — an album folder, a page of a
// folder, a file on disk, or nothing. The album explorer shows a folder by
// selecting it (AppContext::setSelectedFolder), the folder list shows the
// one row that is selected (or nothing when none or several are), the file
// explorer shows a disk file, and the property area's own page buttons step
// through the pages of the shown page's folder.
//
// The shown node never outlives the album: the item follows the tree's
// notifications and drops a node before it is destroyed (a deleted page, a
// deleted folder or one of its ancestors, New, Open). An undo or redo
// rebuilds the tree from an exact copy; the same folder (by id) and page
// (by position) are shown again afterwards when the new tree has them.
//
// Ownership: owned by AppContext; borrows the tree, which must outlive it.
// Threading: GUI thread only.

#include "album/AlbumObserver.h"
#include "album/SiteNodes.h"

#include <QObject>
#include <QString>

namespace pictavo {

class AlbumTree;

class ShownItem : public QObject, private AlbumObserver {
    Q_OBJECT
public:
    explicit ShownItem(AlbumTree& tree, QObject* parent = nullptr);
    ~ShownItem() override;

    // Kind None while a disk file or nothing is shown.
    const SiteNodeRef& node() const { return node_; }
    // The disk file shown; empty unless a file is shown.
    const QString& filePath() const { return filePath_; }

    void showNode(const SiteNodeRef& node);
    void showFile(const QString& path);
    void clear();

signals:
    // Another item is shown (also: the same node again after an undo).
    void changed();

private:
    void set(const SiteNodeRef& node, const QString& path);

    void folderAboutToBeRemoved(CSiteFolder* parent, int index) override;
    void pagesAboutToBeRemoved(CSiteFolder* folder, int first, int last) override;
    void aboutToReset() override;
    void resetDone() override;

    AlbumTree& tree_;
    SiteNodeRef node_;
    QString filePath_;
    // Where the node was while the tree is rebuilt by an undo or redo.
    struct Position {
        SiteNodeKind kind = SiteNodeKind::None;
        int folderId = -1;
        int pageIndex = -1;
    } restoring_;
};

}  // namespace pictavo
