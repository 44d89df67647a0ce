#pragma once
// FolderListModel: the rows of the album folder list, read straight from the
// album tree: the shown folder's subfolders in tree order, then its pages in
// list order. Nothing is copied; a row is found by its number each time, and
// the model follows the tree's notifications (begin/end calls for inserts,
// removals and moves, dataChanged for field edits, a model reset when the
// album is replaced).
//
// When the shown folder, or a folder above it, is about to be removed, the
// list moves on to the removed folder's parent before anything is destroyed,
// as the album's selection does; after New, Open, undo or redo the folder is
// found again by its id (or the root is shown). So the model never holds a
// pointer into a part of the tree that is gone.
//
// Column 0 "Link text" is the caption (editable in place: a folder refuses a
// blank name, a page may be emptied), column 1 "Link to" the page's url.
// Rows name their file (ListViewBase::FilePathRole) or their folder
// (IsFolderRole), so the list base gives them their type icon and thumbnail.
// Drags carry the chosen rows as album items; drops are taken only onto
// folder rows (see FolderListDrop.h).
//
// Ownership: borrows the context and the album, which must outlive it.
// Threading: GUI thread only.

#include "album/AlbumObserver.h"
#include "album/SiteNodes.h"

#include <QAbstractItemModel>

namespace pictavo {

class AppContext;

class FolderListModel : public QAbstractItemModel, public AlbumObserver {
    Q_OBJECT
public:
    enum Column : int { LinkTextColumn = 0, LinkToColumn = 1, ColumnCount = 2 };

    explicit FolderListModel(AppContext& context, QObject* parent = nullptr);
    ~FolderListModel() override;

    // Shows folder's contents (null: an empty list).
    void setFolder(CSiteFolder* folder);
    CSiteFolder* folder() const { return folder_; }

    // What row stands for; kind None outside the rows.
    SiteNodeRef nodeAt(int row) const;
    int folderRowCount() const { return folder_ ? folder_->childCount() : 0; }
    int pageRowCount() const { return folder_ ? folder_->pageListSize() : 0; }
    int rowOfPage(int pageIndex) const { return folderRowCount() + pageIndex; }
    int rowOfChildFolder(const CSiteFolder* child) const;

    // QAbstractItemModel
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

    // AlbumObserver
    void folderAboutToBeInserted(CSiteFolder* parent, int index) override;
    void folderInserted(CSiteFolder* parent, int index) override;
    void folderAboutToBeRemoved(CSiteFolder* parent, int index) override;
    void folderRemoved(CSiteFolder* parent, int index) override;
    void folderAboutToBeMoved(CSiteFolder* parent, int from, int to) override;
    void folderMoved(CSiteFolder* parent, int from, int to) override;
    void folderChanged(CSiteFolder* folder) override;
    void pagesAboutToBeInserted(CSiteFolder* folder, int first, int last) override;
    void pagesInserted(CSiteFolder* folder, int first, int last) override;
    void pagesAboutToBeRemoved(CSiteFolder* folder, int first, int last) override;
    void pagesRemoved(CSiteFolder* folder, int first, int last) override;
    void pageAboutToBeMoved(CSiteFolder* folder, int from, int to) override;
    void pageMoved(CSiteFolder* folder, int from, int to) override;
    void pageChanged(CSiteFolder* folder, int index) override;
    void aboutToReset() override;
    void resetDone() override;

private:
    enum class Change { None, Insert, Remove, Move };

    // A begin call made for the shown folder is matched by its end call. A
    // folder asked for while rows change (another observer reacting to the
    // same notification) is shown once the change is complete.
    void beginChange(Change change, int first, int last);
    void endChange(Change change);
    void show(CSiteFolder* folder);
    void showDeferredFolder();
    bool renameRow(const SiteNodeRef& node, const QString& text);
    CSiteFolder* dropTarget(int row, const QModelIndex& parent) const;

    AppContext& context_;
    CSiteFolder* folder_ = nullptr;
    int folderId_ = -1;  // the shown folder's id, to find it again after a reset
    Change open_ = Change::None;
    bool resetting_ = false;
    int deferredFolderId_ = -1;
};

}  // namespace pictavo
