// The rules of the file list's rows: size and type texts, the order of a
// column in both directions, and what opening an entry does.
#include "shell/explorer/FileEntry.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

FileEntry entry(const char* name, bool isFolder, qint64 bytes = 0, const QDateTime& time = {}) {
    FileEntry e;
    e.name = QLatin1String(name);
    e.path = QStringLiteral("/pictures/") + e.name;
    e.isFolder = isFolder;
    e.bytes = bytes;
    e.modified = time;
    e.typeText = isFolder ? QStringLiteral("Folder") : fileTypeText(e.name);
    return e;
}

TEST(FileEntryTexts, SizesTruncateToKilobytesAndTinyFilesShowOne) {
    const std::pair<qint64, const char*> rows[] = {
        {0, "0 KB"}, {1, "1 KB"}, {2047, "1 KB"}, {2048, "2 KB"}, {5'000'000'000LL, "4882812 KB"},
    };
    for (const auto& [bytes, text] : rows)
        EXPECT_EQ(fileSizeText(bytes), QLatin1String(text)) << bytes;
}

TEST(FileEntryTexts, TypeIsTheUpperCaseExtensionOrOneSpace) {
    const std::pair<const char*, const char*> rows[] = {
        {"photo.jpeg", "JPEG file"}, {"a.JpG", "JPG file"},      {"README", " "},
        {"site.tar.gz", "GZ file"},  {".hidden", "HIDDEN file"},
    };
    for (const auto& [name, text] : rows)
        EXPECT_EQ(fileTypeText(QLatin1String(name)), QLatin1String(text)) << name;
}

TEST(FileEntryOrder, FoldersComeFirstInBothDirectionsAndEachColumnHasItsOwnOrder) {
    const QDateTime newYearsEve(QDate(2024, 12, 31), QTime(23, 0));
    const std::vector<FileEntry> entries = {
        entry("b.png", false, 10 * 1024, newYearsEve.addDays(1)),  // the text "1/1/25" sorts first
        entry("Zeta", true),
        entry("A.txt", false, 9 * 1024, newYearsEve),
        entry("alpha", true),
        entry("c.gif", false, 5'000'000'000LL, newYearsEve.addSecs(-60)),
    };
    using C = FileColumn;
    const Qt::SortOrder up = Qt::AscendingOrder, down = Qt::DescendingOrder;
    const std::tuple<FileColumn, Qt::SortOrder, QStringList> rows[] = {
        {C::Name, up, {"alpha", "Zeta", "A.txt", "b.png", "c.gif"}},
        {C::Name, down, {"Zeta", "alpha", "c.gif", "b.png", "A.txt"}},
        {C::Size, down, {"Zeta", "alpha", "c.gif", "b.png", "A.txt"}},
        {C::Type, up, {"Zeta", "alpha", "c.gif", "b.png", "A.txt"}},
        {C::Time, up, {"Zeta", "alpha", "c.gif", "A.txt", "b.png"}},
        {C::Time, down, {"Zeta", "alpha", "b.png", "A.txt", "c.gif"}},
    };
    for (const auto& [column, order, names] : rows) {
        QStringList sorted;
        for (int row : sortedOrder(entries, column, order))
            sorted << entries[size_t(row)].name;
        EXPECT_EQ(sorted, names) << int(column) << " " << int(order);
    }
}

TEST(FileEntryOpening, FoldersNavigateImagesViewAlbumsOpenTheRestGoesToTheDesktop) {
    const std::pair<FileEntry, OpenAction> rows[] = {
        {entry("holiday.jpg", true), OpenAction::Navigate},
        {entry("photo.JPG", false), OpenAction::ViewImage},
        {entry("album.www", false), OpenAction::OpenAlbum},
        {entry("OLD.WWW", false), OpenAction::OpenAlbum},
        {entry("notes.txt", false), OpenAction::OpenExternally},
    };
    for (const auto& [e, action] : rows)
        EXPECT_EQ(openActionFor(e), action) << e.name.toStdString();
}

}  // namespace
}  // namespace pictavo
