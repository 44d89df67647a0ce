#include "shell/explorer/FileEntry.h"

#include "imaging/ImageType.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QLocale>

#include <algorithm>
#include <numeric>

namespace pictavo {

namespace {

constexpr qint64 kBytesPerKb = 1024;

int compareTexts(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive);
}

template <typename T>
int compareValues(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int compareByColumn(const FileEntry& a, const FileEntry& b, FileColumn column) {
    switch (column) {
        case FileColumn::Name:
            break;
        case FileColumn::Size:
            return compareValues(a.bytes, b.bytes);
        case FileColumn::Type:
            return compareTexts(a.typeText, b.typeText);
        case FileColumn::Time:
            return compareValues(a.modified, b.modified);
    }
    return compareTexts(a.name, b.name);
}

}  // namespace

QString fileSizeText(qint64 bytes) {
    const qint64 kb = bytes > 0 && bytes < kBytesPerKb ? 1 : bytes / kBytesPerKb;
    return uiText(sid::FileSizeKb).arg(kb);
}

QString fileTypeText(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return QStringLiteral(" ");
    return uiText(sid::FileTypeOf).arg(fileName.mid(dot + 1).toUpper());
}

FileEntry makeFileEntry(const QFileInfo& info) {
    FileEntry entry;
    entry.path = info.absoluteFilePath();
    entry.name = info.fileName();
    entry.isFolder = info.isDir();
    entry.modified = info.lastModified();
    entry.timeText = QLocale::system().toString(entry.modified, QLocale::ShortFormat);
    if (entry.isFolder) {
        entry.typeText = uiText(sid::FileTypeFolder);
    } else {
        entry.bytes = info.size();
        entry.sizeText = fileSizeText(entry.bytes);
        entry.typeText = fileTypeText(entry.name);
    }
    return entry;
}

bool entryBefore(const FileEntry& a, const FileEntry& b, FileColumn column, Qt::SortOrder order) {
    if (a.isFolder != b.isFolder)
        return a.isFolder;
    const int compared = compareByColumn(a, b, column);
    return order == Qt::AscendingOrder ? compared < 0 : compared > 0;
}

std::vector<int> sortedOrder(const std::vector<FileEntry>& entries, FileColumn column,
                             Qt::SortOrder order) {
    std::vector<int> rows(entries.size());
    std::iota(rows.begin(), rows.end(), 0);
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        return entryBefore(entries[size_t(a)], entries[size_t(b)], column, order);
    });
    return rows;
}

bool isImageEntry(const FileEntry& entry) {
    return !entry.isFolder && imageTypeFromPath(entry.path) > 0;
}

OpenAction openActionFor(const FileEntry& entry) {
    if (entry.isFolder)
        return OpenAction::Navigate;
    if (isImageEntry(entry))
        return OpenAction::ViewImage;
    if (QFileInfo(entry.path).suffix().compare(QLatin1String("www"), Qt::CaseInsensitive) == 0)
        return OpenAction::OpenAlbum;
    return OpenAction::OpenExternally;
}

}  // namespace pictavo
