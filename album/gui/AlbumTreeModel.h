#pragma once
// AlbumTreeModel: the album's folder hierarchy as a Qt item model, for the
// album explorer's tree view. It holds no copy of the album: every index
// points at a CSiteFolder of the live AlbumTree, and the model forwards the
// tree's notifications (insert, remove, move, field edit, reset — New, Open
// and the restores of undo and redo alike) as the matching begin/end calls,
// so views and persistent indexes follow every edit. Pages are not shown.
//
// One column, one top-level row (the root). A label edited in place is not
// written here: setData hands the text to the rename handler, which edits
// the album as an undoable step and may refuse it (a blank name), in which
// case the old label stays.
//
// Ownership: borrows the tree, which must outlive the model. Threading:
// GUI thread only, like every edit of the album.

#include "album/AlbumObserver.h"
#include "album/AlbumTree.h"

#include <QAbstractItemModel>
#include <QIcon>

#include <functional>

namespace pictavo {

class AlbumTreeModel : public QAbstractItemModel, private AlbumObserver {
    Q_OBJECT
public:
    using RenameHandler = std::function<bool(CSiteFolder* folder, const QString& text)>;

    explicit AlbumTreeModel(AlbumTree& tree, QObject* parent = nullptr);
    ~AlbumTreeModel() override;

    void setRenameHandler(RenameHandler handler) { rename_ = std::move(handler); }

    // The index of folder (invalid for null) and the folder of an index.
    QModelIndex indexOf(const CSiteFolder* folder) const;
    static CSiteFolder* folderAt(const QModelIndex& index);
    AlbumTree& tree() const { return tree_; }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;

private:
    void folderAboutToBeInserted(CSiteFolder* parent, int index) override;
    void folderInserted(CSiteFolder* parent, int index) override;
    void folderAboutToBeRemoved(CSiteFolder* parent, int index) override;
    void folderRemoved(CSiteFolder* parent, int index) override;
    void folderAboutToBeMoved(CSiteFolder* parent, int from, int to) override;
    void folderMoved(CSiteFolder* parent, int from, int to) override;
    void folderChanged(CSiteFolder* folder) override;
    void aboutToReset() override;
    void resetDone() override;

    AlbumTree& tree_;
    RenameHandler rename_;
    QIcon rootIcon_;
    QIcon folderIcon_;  // closed when normal, open when selected
    bool moving_ = false;
};

}  // namespace pictavo
