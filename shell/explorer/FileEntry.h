#pragma once
// FileEntry: one row of the file list, a folder or a file of the folder
// shown, with the texts its columns show. The rules that make those texts,
// order the rows and decide what opening a row does are pure functions
// here, so they are the same for every caller and testable without a disk.
//
// Threading: plain values, any thread.

#include <QDateTime>
#include <QFileInfo>
#include <QString>
#include <QtGlobal>

#include <vector>

namespace pictavo {

// The columns of the file list, in order.
enum class FileColumn : int { Name, Size, Type, Time };
constexpr int kFileColumnCount = 4;

struct FileEntry {
    QString path;  // absolute
    QString name;
    bool isFolder = false;
    qint64 bytes = 0;  // 0 for a folder
    QDateTime modified;
    QString sizeText;  // empty for a folder
    QString typeText;
    QString timeText;
};

// "%1 KB" with the size divided by 1024 and truncated; a file that is not
// empty but smaller than 1024 bytes shows 1.
QString fileSizeText(qint64 bytes);

// The extension (after the last ".") in upper case followed by " file";
// one space for a name without a ".".
QString fileTypeText(const QString& fileName);

// The entry of a folder or file on disk, texts included.
FileEntry makeFileEntry(const QFileInfo& info);

// Folders come before files whatever the direction. Names and types
// compare as text ignoring case, sizes as numbers, times by the clock.
bool entryBefore(const FileEntry& a, const FileEntry& b, FileColumn column, Qt::SortOrder order);

// The row order of entries sorted by column: element i is the index in
// entries of the entry that goes to row i. Equal entries keep their order.
std::vector<int> sortedOrder(const std::vector<FileEntry>& entries, FileColumn column,
                             Qt::SortOrder order);

// What opening (double-click, Enter) an entry does.
enum class OpenAction { Navigate, ViewImage, OpenAlbum, OpenExternally };
OpenAction openActionFor(const FileEntry& entry);

// A file whose name maps to an image type.
bool isImageEntry(const FileEntry& entry);

}  // namespace pictavo
