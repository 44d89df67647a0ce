#include "album/gui/FolderListModel.h"

#include "album/gui/FolderListDrop.h"
#include "album/mime/DragMime.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/AppContext.h"
#include "shell/gui/ListViewBase.h"

#include <QMimeData>

namespace pictavo {

namespace {

bool isInside(const CSiteFolder* folder, const CSiteFolder* ancestor) {
    return folder && ancestor && folder->isSameOrInside(ancestor);
}

}  // namespace

FolderListModel::FolderListModel(AppContext& context, QObject* parent)
    : QAbstractItemModel(parent), context_(context) {
    context_.album().tree.addObserver(this);
}

FolderListModel::~FolderListModel() {
    context_.album().tree.removeObserver(this);
}

void FolderListModel::setFolder(CSiteFolder* folder) {
    if (open_ != Change::None || resetting_) {
        deferredFolderId_ = folder ? folder->id : -1;
        return;
    }
    if (folder != folder_)
        show(folder);
}

void FolderListModel::show(CSiteFolder* folder) {
    beginResetModel();
    folder_ = folder;
    folderId_ = folder ? folder->id : -1;
    endResetModel();
}

SiteNodeRef FolderListModel::nodeAt(int row) const {
    if (!folder_ || row < 0)
        return {};
    if (row < folderRowCount())
        return SiteNodeRef::forFolder(folder_->child(row));
    const int page = row - folderRowCount();
    if (page < pageRowCount())
        return SiteNodeRef::forPage(folder_, folder_->page(page));
    return {};
}

int FolderListModel::rowOfChildFolder(const CSiteFolder* child) const {
    if (!folder_ || !child || child->parent() != folder_)
        return -1;
    return child->indexInParent();
}

// --- QAbstractItemModel

QModelIndex FolderListModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || row >= rowCount() || column < 0 || column >= ColumnCount)
        return {};
    return createIndex(row, column);
}

QModelIndex FolderListModel::parent(const QModelIndex& /*child*/) const {
    return {};
}

int FolderListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : folderRowCount() + pageRowCount();
}

int FolderListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FolderListModel::data(const QModelIndex& index, int role) const {
    const SiteNodeRef node = nodeAt(index.row());
    if (!index.isValid() || node.kind == SiteNodeKind::None)
        return {};
    const bool isFolder = node.kind == SiteNodeKind::Folder;
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            if (index.column() == LinkTextColumn)
                return isFolder ? node.folder->caption : node.page->caption;
            return isFolder ? QString() : node.page->url;
        case Qt::ToolTipRole:
            return isFolder ? node.folder->caption : node.page->url;
        case ListViewBase::FilePathRole:
            if (!isFolder && index.column() == LinkTextColumn)
                return node.page->url;
            return {};
        case ListViewBase::IsFolderRole:
            if (index.column() == LinkTextColumn)
                return isFolder;
            return {};
        default:
            return {};
    }
}

QVariant FolderListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == LinkTextColumn)
        return uiText(sid::ListLinkText);
    if (section == LinkToColumn)
        return uiText(sid::ListLinkTo);
    return {};
}

Qt::ItemFlags FolderListModel::flags(const QModelIndex& index) const {
    const SiteNodeRef node = nodeAt(index.row());
    if (!index.isValid() || node.kind == SiteNodeKind::None)
        return Qt::NoItemFlags;  // empty space takes no drop
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    if (index.column() == LinkTextColumn)
        flags |= Qt::ItemIsEditable;
    if (node.kind == SiteNodeKind::Folder)
        flags |= Qt::ItemIsDropEnabled;
    return flags;
}

bool FolderListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    // An invalid value is what a dragging view writes to "clear" moved rows.
    if (role != Qt::EditRole || index.column() != LinkTextColumn || !value.isValid())
        return false;
    return renameRow(nodeAt(index.row()), value.toString());
}

bool FolderListModel::renameRow(const SiteNodeRef& node, const QString& text) {
    switch (node.kind) {
        case SiteNodeKind::Folder:
            // A blank name is refused and the old label stays.
            return context_.edit(sid::EditRename,
                                 [&] { return context_.editor().renameFolder(node.folder, text); });
        case SiteNodeKind::Page: {
            const bool renamed = context_.edit(sid::EditRename, [&] {
                if (node.page->caption == text)
                    return false;
                context_.album().tree.editPage(node.folder, node.folder->indexOfPage(node.page),
                                               [&](CSitePage& page) { page.caption = text; });
                return true;
            });
            if (renamed)
                context_.showInPropertyArea(node);
            return renamed;
        }
        case SiteNodeKind::None:
            break;
    }
    return false;
}

Qt::DropActions FolderListModel::supportedDragActions() const {
    return Qt::MoveAction | Qt::CopyAction;
}

Qt::DropActions FolderListModel::supportedDropActions() const {
    return Qt::MoveAction | Qt::CopyAction;
}

QStringList FolderListModel::mimeTypes() const {
    return {kAlbumItemsMimeType, QStringLiteral("text/uri-list")};
}

QMimeData* FolderListModel::mimeData(const QModelIndexList& indexes) const {
    if (!folder_)
        return nullptr;
    std::vector<int> folderIds;
    std::vector<int> pageIds;
    for (const QModelIndex& index : indexes) {
        if (index.column() != LinkTextColumn)
            continue;
        const SiteNodeRef node = nodeAt(index.row());
        if (node.kind == SiteNodeKind::Folder)
            folderIds.push_back(node.folder->id);
        else if (node.kind == SiteNodeKind::Page)
            pageIds.push_back(node.page->id);
    }
    auto* mime = new QMimeData;
    setAlbumItems(
        *mime, AlbumDragItems::listEntries(folder_->id, std::move(folderIds), std::move(pageIds)));
    return mime;
}

CSiteFolder* FolderListModel::dropTarget(int row, const QModelIndex& parent) const {
    // Only a drop onto a folder row counts; between rows is nowhere.
    if (row != -1 || !parent.isValid())
        return nullptr;
    const SiteNodeRef node = nodeAt(parent.row());
    return node.kind == SiteNodeKind::Folder ? node.folder : nullptr;
}

bool FolderListModel::canDropMimeData(const QMimeData* data, Qt::DropAction /*action*/, int row,
                                      int /*column*/, const QModelIndex& parent) const {
    return data && dropTarget(row, parent) && canDropOnFolder(*data);
}

bool FolderListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                   int /*column*/, const QModelIndex& parent) {
    CSiteFolder* target = dropTarget(row, parent);
    if (!data || !target)
        return false;
    return dropOntoFolder(context_, *data, target, action == Qt::CopyAction);
}

// --- AlbumObserver

void FolderListModel::beginChange(Change change, int first, int last) {
    open_ = change;
    if (change == Change::Insert)
        beginInsertRows({}, first, last);
    else if (change == Change::Remove)
        beginRemoveRows({}, first, last);
    else if (change == Change::Move)
        // Qt names the row before which the moved row lands, counted before
        // the move.
        beginMoveRows({}, first, first, {}, last > first ? last + 1 : last);
}

void FolderListModel::endChange(Change change) {
    if (open_ != change)
        return;
    open_ = Change::None;
    if (change == Change::Insert)
        endInsertRows();
    else if (change == Change::Remove)
        endRemoveRows();
    else if (change == Change::Move)
        endMoveRows();
    showDeferredFolder();
}

void FolderListModel::showDeferredFolder() {
    if (deferredFolderId_ < 0)
        return;
    CSiteFolder* deferred = context_.album().tree.findFolderById(deferredFolderId_);
    deferredFolderId_ = -1;
    setFolder(deferred);
}

void FolderListModel::folderAboutToBeInserted(CSiteFolder* parent, int index) {
    if (parent == folder_)
        beginChange(Change::Insert, index, index);
}

void FolderListModel::folderInserted(CSiteFolder* /*parent*/, int /*index*/) {
    endChange(Change::Insert);
}

void FolderListModel::folderAboutToBeRemoved(CSiteFolder* parent, int index) {
    // The shown folder goes with the removed subtree: show its parent first,
    // then the removal is a row of the parent's list.
    if (isInside(folder_, parent->child(index)))
        show(parent);
    if (parent == folder_)
        beginChange(Change::Remove, index, index);
}

void FolderListModel::folderRemoved(CSiteFolder* /*parent*/, int /*index*/) {
    endChange(Change::Remove);
}

void FolderListModel::folderAboutToBeMoved(CSiteFolder* parent, int from, int to) {
    if (parent == folder_)
        beginChange(Change::Move, from, to);
}

void FolderListModel::folderMoved(CSiteFolder* /*parent*/, int /*from*/, int /*to*/) {
    endChange(Change::Move);
}

void FolderListModel::folderChanged(CSiteFolder* folder) {
    const int row = rowOfChildFolder(folder);
    if (row >= 0)
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void FolderListModel::pagesAboutToBeInserted(CSiteFolder* folder, int first, int last) {
    if (folder == folder_)
        beginChange(Change::Insert, rowOfPage(first), rowOfPage(last));
}

void FolderListModel::pagesInserted(CSiteFolder* /*folder*/, int /*first*/, int /*last*/) {
    endChange(Change::Insert);
}

void FolderListModel::pagesAboutToBeRemoved(CSiteFolder* folder, int first, int last) {
    if (folder == folder_)
        beginChange(Change::Remove, rowOfPage(first), rowOfPage(last));
}

void FolderListModel::pagesRemoved(CSiteFolder* /*folder*/, int /*first*/, int /*last*/) {
    endChange(Change::Remove);
}

void FolderListModel::pageAboutToBeMoved(CSiteFolder* folder, int from, int to) {
    if (folder == folder_)
        beginChange(Change::Move, rowOfPage(from), rowOfPage(to));
}

void FolderListModel::pageMoved(CSiteFolder* /*folder*/, int /*from*/, int /*to*/) {
    endChange(Change::Move);
}

void FolderListModel::pageChanged(CSiteFolder* folder, int index) {
    if (folder != folder_ || open_ != Change::None)
        return;
    const int row = rowOfPage(index);
    emit dataChanged(this->index(row, 0), this->index(row, ColumnCount - 1));
}

void FolderListModel::aboutToReset() {
    // The old tree is destroyed between the two reset notifications.
    resetting_ = true;
    beginResetModel();
    folder_ = nullptr;
}

void FolderListModel::resetDone() {
    AlbumTree& tree = context_.album().tree;
    CSiteFolder* found = tree.findFolderById(folderId_);
    folder_ = found ? found : tree.root();
    folderId_ = folder_ ? folder_->id : -1;
    endResetModel();
    resetting_ = false;
    showDeferredFolder();
}

}  // namespace pictavo
