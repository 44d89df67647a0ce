#include "shell/explorer/FileListModel.h"

#include "album/mime/DragMime.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/ListViewBase.h"

#include <QDir>
#include <QMimeData>

#include <set>

namespace pictavo {

namespace {

std::vector<FileEntry> readFolder(const QString& folder) {
    const QFileInfoList infos =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::NoSort);
    std::vector<FileEntry> entries;
    entries.reserve(size_t(infos.size()));
    for (const QFileInfo& info : infos)
        entries.push_back(makeFileEntry(info));
    return entries;
}

}  // namespace

FileListModel::FileListModel(QObject* parent) : QAbstractTableModel(parent) {}

void FileListModel::showFolder(const QString& folder, FileColumn column, Qt::SortOrder order) {
    std::vector<FileEntry> read = readFolder(folder);
    std::vector<FileEntry> sorted;
    sorted.reserve(read.size());
    for (int row : sortedOrder(read, column, order))
        sorted.push_back(std::move(read[size_t(row)]));
    beginResetModel();
    folder_ = folder;
    entries_ = std::move(sorted);
    endResetModel();
}

void FileListModel::sortBy(FileColumn column, Qt::SortOrder order) {
    reorder(sortedOrder(entries_, column, order));
}

// Moves the rows into order (new row -> old row) and moves the persistent
// indexes (selection, current row) with them.
void FileListModel::reorder(const std::vector<int>& order) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRowOfOld(order.size());
    std::vector<FileEntry> moved;
    moved.reserve(order.size());
    for (size_t row = 0; row < order.size(); ++row) {
        newRowOfOld[size_t(order[row])] = int(row);
        moved.push_back(std::move(entries_[size_t(order[row])]));
    }
    entries_ = std::move(moved);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after << index.sibling(newRowOfOld[size_t(index.row())], index.column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int FileListModel::rowOfPath(const QString& path) const {
    for (size_t row = 0; row < entries_.size(); ++row)
        if (entries_[row].path == path)
            return int(row);
    return -1;
}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(entries_.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kFileColumnCount;
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const FileEntry& row = entry(index);
    const auto column = static_cast<FileColumn>(index.column());
    switch (role) {
        case Qt::DisplayRole:
            switch (column) {
                case FileColumn::Name:
                    return row.name;
                case FileColumn::Size:
                    return row.sizeText;
                case FileColumn::Type:
                    return row.typeText;
                case FileColumn::Time:
                    return row.timeText;
            }
            break;
        case Qt::TextAlignmentRole:
            if (column == FileColumn::Size)
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            break;
        case Qt::ToolTipRole:
            return row.path;
        case ListViewBase::FilePathRole:
            if (column == FileColumn::Name)
                return row.path;
            break;
        case ListViewBase::IsFolderRole:
            if (column == FileColumn::Name)
                return row.isFolder;
            break;
        default:
            break;
    }
    return {};
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    const auto column = static_cast<FileColumn>(section);
    if (role == Qt::TextAlignmentRole && column == FileColumn::Size)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (column) {
        case FileColumn::Name:
            return uiText(sid::FileColumnName);
        case FileColumn::Size:
            return uiText(sid::FileColumnSize);
        case FileColumn::Type:
            return uiText(sid::FileColumnType);
        case FileColumn::Time:
            return uiText(sid::FileColumnTime);
    }
    return {};
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList FileListModel::mimeTypes() const {
    return {QStringLiteral("text/uri-list")};
}

QMimeData* FileListModel::mimeData(const QModelIndexList& indexes) const {
    std::set<int> rows;
    for (const QModelIndex& index : indexes)
        if (index.isValid())
            rows.insert(index.row());
    QStringList paths;
    for (int row : rows)
        paths << entry(row).path;
    auto* mime = new QMimeData;
    setDiskPaths(*mime, paths);
    return mime;
}

}  // namespace pictavo
