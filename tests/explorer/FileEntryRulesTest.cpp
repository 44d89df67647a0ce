// The rules of the file list's rows: size and type texts, the order of a
// column in both directions, and what opening an entry does.
#include "shell/explorer/FileEntry.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

FileEntry file(const char* name, qint64 bytes = 0, const QDateTime& modified = {}) {
    FileEntry entry;
    entry.name = QString::fromLatin1(name);
    entry.path = QStringLiteral("/pictures/") + entry.name;
    entry.bytes = bytes;
    entry.modified = modified;
    entry.sizeText = fileSizeText(bytes);
    entry.typeText = fileTypeText(entry.name);
    return entry;
}

FileEntry folder(const char* name) {
    FileEntry entry = file(name);
    entry.isFolder = true;
    entry.sizeText.clear();
    entry.typeText = QStringLiteral("Folder");
    return entry;
}

QStringList namesInOrder(const std::vector<FileEntry>& entries, FileColumn column,
                         Qt::SortOrder order) {
    QStringList names;
    for (int row : sortedOrder(entries, column, order))
        names << entries[size_t(row)].name;
    return names;
}

TEST(FileEntryTexts, SizesTruncateToKilobytesAndTinyFilesShowOne) {
    const std::pair<qint64, const char*> rows[] = {
        {0, "0 KB"},
        {1, "1 KB"},
        {1023, "1 KB"},
        {1024, "1 KB"},
        {2047, "1 KB"},
        {2048, "2 KB"},
        {10239, "9 KB"},
        {10240, "10 KB"},
        {5'000'000'000LL, "4882812 KB"},
        {1LL << 42, "4294967296 KB"},
    };
    for (const auto& [bytes, text] : rows)
        EXPECT_EQ(fileSizeText(bytes), QString::fromLatin1(text)) << bytes;
}

TEST(FileEntryTexts, TypeIsTheUpperCaseExtensionOrOneSpace) {
    const std::pair<const char*, const char*> rows[] = {
        {"photo.jpeg", "JPEG file"}, {"a.JpG", "JPG file"},      {"README", " "},
        {"site.tar.gz", "GZ file"},  {".hidden", "HIDDEN file"}, {"album.www", "WWW file"},
    };
    for (const auto& [name, text] : rows)
        EXPECT_EQ(fileTypeText(QString::fromLatin1(name)), QString::fromLatin1(text)) << name;
}

TEST(FileEntryOrder, FoldersComeFirstInBothDirectionsAndEachColumnHasItsOwnOrder) {
    const QDateTime base(QDate(2024, 12, 31), QTime(23, 0));
    const std::vector<FileEntry> entries = {
        file("b.png", 10 * 1024, base.addDays(1)),  // 2025: later than the others
        folder("Zeta"),
        file("A.txt", 9 * 1024, base),
        folder("alpha"),
        file("c.gif", 5'000'000'000LL, base.addSecs(-60)),
    };
    struct Row {
        FileColumn column;
        Qt::SortOrder order;
        QStringList names;
    };
    const Row rows[] = {
        {FileColumn::Name, Qt::AscendingOrder, {"alpha", "Zeta", "A.txt", "b.png", "c.gif"}},
        {FileColumn::Name, Qt::DescendingOrder, {"Zeta", "alpha", "c.gif", "b.png", "A.txt"}},
        // 9 KB before 10 KB, and a size past 32 bits last.
        {FileColumn::Size, Qt::AscendingOrder, {"Zeta", "alpha", "A.txt", "b.png", "c.gif"}},
        {FileColumn::Size, Qt::DescendingOrder, {"Zeta", "alpha", "c.gif", "b.png", "A.txt"}},
        {FileColumn::Type, Qt::AscendingOrder, {"Zeta", "alpha", "c.gif", "b.png", "A.txt"}},
        // By the clock, not by the text of the dates.
        {FileColumn::Time, Qt::AscendingOrder, {"Zeta", "alpha", "c.gif", "A.txt", "b.png"}},
        {FileColumn::Time, Qt::DescendingOrder, {"Zeta", "alpha", "b.png", "A.txt", "c.gif"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(namesInOrder(entries, row.column, row.order), row.names)
            << int(row.column) << " " << int(row.order);
}

TEST(FileEntryOpening, FoldersNavigateImagesViewAlbumsOpenTheRestGoesToTheDesktop) {
    const std::pair<FileEntry, OpenAction> rows[] = {
        {folder("holiday.jpg"), OpenAction::Navigate},
        {file("photo.JPG"), OpenAction::ViewImage},
        {file("scan.tif"), OpenAction::ViewImage},
        {file("album.www"), OpenAction::OpenAlbum},
        {file("OLD.WWW"), OpenAction::OpenAlbum},
        {file("notes.txt"), OpenAction::OpenExternally},
        {file("README"), OpenAction::OpenExternally},
    };
    for (const auto& [entry, action] : rows)
        EXPECT_EQ(openActionFor(entry), action) << entry.name.toStdString();
}

}  // namespace
}  // namespace pictavo
