#pragma once
// FileListModel: the entries of one disk folder for the file list, with
// the columns Name, Size, Type and Time. Showing another folder resets the
// model (the list starts a new thumbnail generation); sorting moves the
// rows and keeps the selection. Rows drag as file URLs (text/uri-list),
// the form the album panes and file managers accept.
//
// Ownership: owns its entries. Threading: GUI thread only.

#include "shell/explorer/FileEntry.h"

#include <QAbstractTableModel>

#include <vector>

namespace pictavo {

class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FileListModel(QObject* parent = nullptr);

    // Reads folder (every entry but "." and ".."; hidden ones are left out),
    // in the given order. A folder that cannot be read shows nothing.
    void showFolder(const QString& folder, FileColumn column, Qt::SortOrder order);
    const QString& folder() const { return folder_; }
    void sortBy(FileColumn column, Qt::SortOrder order);

    const FileEntry& entry(int row) const { return entries_[size_t(row)]; }
    const FileEntry& entry(const QModelIndex& index) const { return entry(index.row()); }
    int rowOfPath(const QString& path) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

private:
    void reorder(const std::vector<int>& order);

    QString folder_;
    std::vector<FileEntry> entries_;
};

}  // namespace pictavo
