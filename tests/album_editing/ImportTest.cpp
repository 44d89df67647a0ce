// Import of files and disk folders into the album, on fixture trees built
// in a temporary folder.

#include "album/editing/AlbumImport.h"
#include "album/editing/ImportWalk.h"
#include "tests/album_model/TreeText.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace pictavo {
namespace {

using test::childCaptions;
using test::outline;
using test::pageCaptions;

class ImportTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(temp.isValid()); }

    // Creates an empty file (and its folders) at a path relative to temp.
    QString touch(const char* relative) {
        const QString path = temp.filePath(QString::fromUtf8(relative));
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }
    QString mkdir(const char* relative) {
        const QString path = temp.filePath(QString::fromUtf8(relative));
        QDir().mkpath(path);
        return path;
    }
    CSiteFolder* root() { return album.tree.root(); }

    QTemporaryDir temp;
    Album album;
    EnvironmentSettings settings;
};

TEST_F(ImportTest, CaptionAndLinkStyleFollowTheKindOfFile) {
    // A picture is captioned with its file name only when the setting asks.
    const QStringList files = {touch("notes.txt"), touch("photo.jpg"), touch("README")};
    settings.UseFilenameAsDefCaption = 0;
    EXPECT_EQ(importFiles(album, root(), files, settings).pagesAdded, 3);
    settings.UseFilenameAsDefCaption = 1;
    const QStringList pictures = {files[1], touch("SCAN.PNG")};
    EXPECT_EQ(importFiles(album, root(), pictures, settings).pagesAdded, 2);

    EXPECT_EQ(pageCaptions(root()),
              QStringList({"notes.txt", "", "README", "photo.jpg", "SCAN.PNG"}));
    std::vector<int> styles;
    for (const auto& page : root()->pages())
        styles.push_back(page->lnkstyle);
    EXPECT_EQ(styles, std::vector<int>({kTextLink, kImageLink, kTextLink, kImageLink, kImageLink}));
    EXPECT_EQ(root()->page(1)->url, QFileInfo(files[1]).absoluteFilePath());
    EXPECT_TRUE(album.tree.isModified());
}

TEST_F(ImportTest, NothingIsImportedWithoutATargetOrAFile) {
    EXPECT_EQ(importFile(album, nullptr, touch("a.txt"), settings).pagesAdded, 0);
    const QString folder = mkdir("folder");
    EXPECT_EQ(importFile(album, root(), folder, settings).problems.size(), 1);
    EXPECT_FALSE(album.tree.isModified());
}

TEST_F(ImportTest, ImportFilesAppendsInTheSelectionOrder) {
    album.tree.appendPage(root(), test::makePage(QStringLiteral("old")));
    const QStringList paths = {touch("z.txt"), QString(),
                               temp.filePath(QStringLiteral("missing.doc")), touch("a.jpg")};
    const ImportResult result = importFiles(album, root(), paths, settings);
    EXPECT_EQ(result.pagesAdded, 2);
    EXPECT_EQ(result.problems.size(), 1);  // the missing file; the empty path is skipped
    EXPECT_EQ(pageCaptions(root()), QStringList({"old", "z.txt", "a.jpg"}));
    EXPECT_EQ(test::pageIds(root()), std::vector<int>({0, 1, 2}));
    EXPECT_EQ(root()->pagecount, 3);
}

// src: .hidden  B.jpg  a.txt  img.png  empty/  sub/x.jpg  sub/deeper/y.gif
class FolderImport : public ImportTest {
protected:
    void SetUp() override {
        ImportTest::SetUp();
        for (const char* file : {"src/.hidden", "src/B.jpg", "src/a.txt", "src/img.png",
                                 "src/sub/x.jpg", "src/sub/deeper/y.gif"})
            touch(file);
        mkdir("src/empty");
        src = temp.filePath(QStringLiteral("src"));
    }
    QString src;
};

TEST_F(FolderImport, ImportPathDistinguishesFilesAndFolders) {
    ImportResult result = importPath(album, root(), src + QStringLiteral("/a.txt"), settings);
    EXPECT_EQ(result.pagesAdded, 1);
    EXPECT_EQ(root()->childCount(), 0);

    result = importPath(album, root(), src, settings);
    EXPECT_EQ(result.pagesAdded, 6);
    // No folder is made for the chosen folder itself.
    EXPECT_EQ(childCaptions(root()), QStringList({"empty", "sub"}));

    album.tree.setModified(false);
    result = importPath(album, root(), src + QStringLiteral("/nothing"), settings);
    EXPECT_EQ(result.pagesAdded + result.foldersAdded, 0);
    EXPECT_FALSE(album.tree.isModified());
}

TEST_F(FolderImport, DroppedFolderBecomesANewAlbumFolder) {
    CSiteFolder* target = album.tree.insertFolder(root(), QStringLiteral("Target"));
    EXPECT_EQ(importAsNewFolder(album, target, src, settings).foldersAdded, 4);
    EXPECT_EQ(childCaptions(target), QStringList({"src"}));

    album.tree.setModified(false);
    for (const QString& path :
         {src + QLatin1Char('/'), src + QLatin1Char('\\'), src + QStringLiteral("/missing")}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_FALSE(importAsNewFolder(album, root(), path, settings).addedAnything());
    }
    EXPECT_EQ(root()->childCount(), 1);
    EXPECT_FALSE(album.tree.isModified());
}

// A link back to an ancestor is left out with a problem; a link to a folder
// outside the chain of ancestors is imported, and a broken link still
// becomes a page: every entry but "." and ".." is imported.
TEST_F(FolderImport, LinksAreFollowedUnlessTheyLeadBackToAnAncestor) {
    ASSERT_TRUE(QFile::link(src, src + QStringLiteral("/sub/up")));
    ASSERT_TRUE(QFile::link(src + QStringLiteral("/sub"), src + QStringLiteral("/sub/self")));
    ASSERT_TRUE(QFile::link(src + QStringLiteral("/sub/deeper"), src + QStringLiteral("/side")));
    ASSERT_TRUE(QFile::link(temp.filePath(QStringLiteral("gone.jpg")),
                            src + QStringLiteral("/dangling.jpg")));

    const ImportResult result = importFolderContents(album, root(), src, settings);
    EXPECT_EQ(result.problems.size(), 2) << result.problems.join('\n').toStdString();
    EXPECT_EQ(outline(album.tree),
              QStringList({"0:Index", "1:empty", "1:side", "1:sub", "2:deeper"}));
    EXPECT_EQ(pageCaptions(root()->child(1)), QStringList({"y.gif"}));
    EXPECT_TRUE(pageCaptions(root()).contains(QStringLiteral("dangling.jpg")));
    EXPECT_EQ(result.foldersAdded, 4);
}

// Records how far the walk came; asks it to stop after stopAfter entries.
class RecordingListener : public ImportWalkListener {
public:
    explicit RecordingListener(int stopAfter = -1) : stopAfter_(stopAfter) {}
    void entriesFound(int count) override { total += count; }
    void entryReached(const QString& path) override { reached << QFileInfo(path).fileName(); }
    bool stopRequested() const override { return stopAfter_ >= 0 && reached.size() >= stopAfter_; }

    int total = 0;
    QStringList reached;

private:
    int stopAfter_;
};

// "<depth><F|I|T>:<caption>" per item: folder, image page, text page.
QStringList itemTexts(const ImportPlan& plan) {
    QStringList texts;
    for (const ImportItem& item : plan.items) {
        const char type = item.type == ImportItem::Type::Folder      ? 'F'
                          : item.type == ImportItem::Type::ImagePage ? 'I'
                                                                     : 'T';
        texts << QStringLiteral("%1%2:%3").arg(item.depth).arg(QLatin1Char(type)).arg(item.caption);
    }
    return texts;
}

TEST_F(FolderImport, APlanIsWalkedWithoutTheAlbumAndAppliedLater) {
    RecordingListener listener;
    const ImportPlan plan = planAsNewFolder(src, settings, &listener);
    EXPECT_EQ(itemTexts(plan),
              QStringList({"0F:src", "1T:.hidden", "1I:B.jpg", "1T:a.txt", "1F:empty", "1I:img.png",
                           "1F:sub", "2F:deeper", "3I:y.gif", "2I:x.jpg"}));
    EXPECT_EQ(plan.items[8].path, QDir(src).absoluteFilePath(QStringLiteral("sub/deeper/y.gif")));
    EXPECT_EQ(plan.folderCount(), 4);
    EXPECT_EQ(plan.pageCount(), 6);
    // Every entry is counted once found and once reached: "n of total".
    EXPECT_EQ(listener.reached.size(), 10);
    EXPECT_EQ(listener.total, 10);
    EXPECT_EQ(root()->childCount(), 0);
    EXPECT_FALSE(album.tree.isModified());

    const ImportResult result = applyImportPlan(album.tree, root(), plan);
    EXPECT_EQ(result.foldersAdded, 4);
    EXPECT_EQ(outline(album.tree),
              QStringList({"0:Index", "1:src", "2:empty", "2:sub", "3:deeper"}));
    EXPECT_EQ(pageCaptions(root()->child(0)->child(1)), QStringList({"x.jpg"}));
    EXPECT_EQ(root()->child(0)->child(1)->child(0)->id, 4);  // ids continue the album's
    EXPECT_TRUE(album.tree.isModified());

    // A stop request ends the walk at the next entry.
    RecordingListener stopper(3);
    EXPECT_EQ(itemTexts(planAsNewFolder(src, settings, &stopper)),
              QStringList({"0F:src", "1T:.hidden", "1I:B.jpg"}));
}

TEST_F(ImportTest, ApplyingLeavesOutItemsWithoutAFolderToGoInto) {
    ImportPlan plan;
    plan.items = {
        {ImportItem::Type::Folder, 0, QStringLiteral("A"), QString()},
        {ImportItem::Type::TextPage, 2, QStringLiteral("lost"), QString()},
        {ImportItem::Type::ImagePage, 1, QStringLiteral("kept"), QStringLiteral("/k.jpg")},
        {ImportItem::Type::TextPage, -1, QStringLiteral("lost"), QString()}};
    plan.problems << QStringLiteral("/x: no such file");
    EXPECT_EQ(applyImportPlan(album.tree, nullptr, plan).problems.size(), 0);

    const ImportResult result = applyImportPlan(album.tree, root(), plan);
    EXPECT_EQ(result.pagesAdded, 1);
    EXPECT_EQ(result.problems, plan.problems);
    ASSERT_EQ(childCaptions(root()), QStringList({"A"}));
    ASSERT_EQ(pageCaptions(root()->child(0)), QStringList({"kept"}));
    EXPECT_EQ(root()->child(0)->page(0)->lnkstyle, kImageLink);
    EXPECT_EQ(root()->child(0)->page(0)->url, QStringLiteral("/k.jpg"));
}

}  // namespace
}  // namespace pictavo
