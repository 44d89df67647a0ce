#include "album/gui/AlbumTreeModel.h"

#include "album/mime/DragMime.h"

#include <QApplication>
#include <QStyle>

namespace pictavo {

namespace {

constexpr int kIconSize = 16;

QPixmap standardPixmap(QStyle::StandardPixmap which) {
    return QApplication::style()->standardIcon(which).pixmap(kIconSize, kIconSize);
}

// A closed folder, shown open while the item is selected.
QIcon folderIcon() {
    QIcon icon;
    icon.addPixmap(standardPixmap(QStyle::SP_DirClosedIcon), QIcon::Normal);
    icon.addPixmap(standardPixmap(QStyle::SP_DirOpenIcon), QIcon::Selected);
    return icon;
}

}  // namespace

AlbumTreeModel::AlbumTreeModel(AlbumTree& tree, QObject* parent)
    : QAbstractItemModel(parent),
      tree_(tree),
      rootIcon_(QApplication::style()->standardIcon(QStyle::SP_ComputerIcon)),
      folderIcon_(folderIcon()) {
    tree_.addObserver(this);
}

AlbumTreeModel::~AlbumTreeModel() {
    tree_.removeObserver(this);
}

QModelIndex AlbumTreeModel::indexOf(const CSiteFolder* folder) const {
    if (!folder)
        return {};
    const int row = folder->parent() ? folder->indexInParent() : 0;
    return createIndex(row, 0, const_cast<CSiteFolder*>(folder));
}

CSiteFolder* AlbumTreeModel::folderAt(const QModelIndex& index) {
    return index.isValid() ? static_cast<CSiteFolder*>(index.internalPointer()) : nullptr;
}

QModelIndex AlbumTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 && tree_.root() ? indexOf(tree_.root()) : QModelIndex();
    const CSiteFolder* folder = folderAt(parent);
    if (row >= folder->childCount())
        return {};
    return createIndex(row, 0, folder->child(row));
}

QModelIndex AlbumTreeModel::parent(const QModelIndex& child) const {
    const CSiteFolder* folder = folderAt(child);
    return folder ? indexOf(folder->parent()) : QModelIndex();
}

int AlbumTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return tree_.root() ? 1 : 0;
    if (parent.column() != 0)
        return 0;
    return folderAt(parent)->childCount();
}

int AlbumTreeModel::columnCount(const QModelIndex& /*parent*/) const {
    return 1;
}

QVariant AlbumTreeModel::data(const QModelIndex& index, int role) const {
    const CSiteFolder* folder = folderAt(index);
    if (!folder)
        return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return folder->caption;
        case Qt::DecorationRole:
            return folder->parent() ? folderIcon_ : rootIcon_;
        default:
            return {};
    }
}

bool AlbumTreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    CSiteFolder* folder = folderAt(index);
    if (!folder || role != Qt::EditRole || !rename_)
        return false;
    // A successful rename comes back as folderChanged, which repaints.
    return rename_(folder, value.toString());
}

Qt::ItemFlags AlbumTreeModel::flags(const QModelIndex& index) const {
    const CSiteFolder* folder = folderAt(index);
    if (!folder)
        return Qt::NoItemFlags;
    Qt::ItemFlags flags =
        Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDropEnabled;
    // Every drop of the root would be refused: it contains every folder.
    if (folder->parent())
        flags |= Qt::ItemIsDragEnabled;
    return flags;
}

Qt::DropActions AlbumTreeModel::supportedDropActions() const {
    return Qt::CopyAction | Qt::MoveAction;
}

QStringList AlbumTreeModel::mimeTypes() const {
    return {kAlbumItemsMimeType, QStringLiteral("text/uri-list")};
}

void AlbumTreeModel::folderAboutToBeInserted(CSiteFolder* parent, int index) {
    beginInsertRows(indexOf(parent), index, index);
}

void AlbumTreeModel::folderInserted(CSiteFolder* /*parent*/, int /*index*/) {
    endInsertRows();
}

void AlbumTreeModel::folderAboutToBeRemoved(CSiteFolder* parent, int index) {
    beginRemoveRows(indexOf(parent), index, index);
}

void AlbumTreeModel::folderRemoved(CSiteFolder* /*parent*/, int /*index*/) {
    endRemoveRows();
}

void AlbumTreeModel::folderAboutToBeMoved(CSiteFolder* parent, int from, int to) {
    // Qt names the destination by the row the item goes before, counted
    // before the move.
    const QModelIndex parentIndex = indexOf(parent);
    moving_ = beginMoveRows(parentIndex, from, from, parentIndex, to > from ? to + 1 : to);
}

void AlbumTreeModel::folderMoved(CSiteFolder* /*parent*/, int /*from*/, int /*to*/) {
    if (moving_)
        endMoveRows();
    moving_ = false;
}

void AlbumTreeModel::folderChanged(CSiteFolder* folder) {
    const QModelIndex index = indexOf(folder);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
}

void AlbumTreeModel::aboutToReset() {
    beginResetModel();
}

void AlbumTreeModel::resetDone() {
    endResetModel();
}

}  // namespace pictavo
