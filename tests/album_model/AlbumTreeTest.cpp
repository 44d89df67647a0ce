// The album tree model: ids, pages and their numbering, structural edits
// and their refusals, the change flags, and cloning.

#include "album/Album.h"
#include "tests/album_model/TreeText.h"

#include <gtest/gtest.h>

#include <tuple>

namespace pictavo {
namespace {

using test::childCaptions;
using test::makePage;
using test::outline;
using test::pageIds;

TEST(AlbumTree, FolderIdsAreUniqueAndFindable) {
    AlbumTree tree;
    CSiteFolder* a = tree.insertFolder(tree.root(), QStringLiteral("A"));
    CSiteFolder* b = tree.insertFolder(a, QStringLiteral("B"));
    CSiteFolder* c = tree.insertFolder(tree.root(), QStringLiteral("C"));
    EXPECT_EQ(std::tuple(a->id, b->id, c->id, tree.nextFolderId()), std::tuple(1, 2, 3, 4));
    EXPECT_EQ(tree.findFolderById(2), b);
    EXPECT_EQ(tree.findFolderById(0), tree.root());
    EXPECT_EQ(tree.findFolderById(99), nullptr);
    // Removing a folder does not give its id out again.
    ASSERT_TRUE(tree.removeFolder(c));
    EXPECT_EQ(tree.insertFolder(tree.root(), QStringLiteral("D"))->id, 4);
}

TEST(AlbumTree, ReplaceRootTakesTheGivenNextId) {
    AlbumTree tree;
    auto root = std::make_unique<CSiteFolder>();
    root->id = 0;
    root->caption = QStringLiteral("Read");
    tree.replaceRoot(std::move(root), 6);
    EXPECT_EQ(tree.root()->caption, QStringLiteral("Read"));
    EXPECT_EQ(tree.insertFolder(tree.root(), QStringLiteral("A"))->id, 6);
    tree.replaceRoot(nullptr, 0);
    EXPECT_EQ(tree.root(), nullptr);
    int visited = 0;
    tree.walk([&](CSiteFolder*, int) { ++visited; });
    EXPECT_EQ(visited, 0);
    EXPECT_EQ(tree.findFolderById(0), nullptr);
}

TEST(AlbumTree, InsertAtIndexAndAtEnd) {
    AlbumTree tree;
    tree.insertFolder(tree.root(), QStringLiteral("A"));
    tree.insertFolder(tree.root(), QStringLiteral("C"));
    tree.insertFolder(tree.root(), QStringLiteral("B"), 1);
    tree.insertFolder(tree.root(), QStringLiteral("Z"), 99);
    tree.insertFolder(tree.root(), QStringLiteral("Y"), -1);
    tree.insertFolder(tree.root(), QStringLiteral("First"), 0);
    EXPECT_EQ(childCaptions(tree.root()), QStringList({"First", "A", "B", "C", "Z", "Y"}));
    const int nextId = tree.nextFolderId();
    EXPECT_EQ(tree.insertFolder(nullptr, QStringLiteral("lost")), nullptr);
    EXPECT_EQ(tree.nextFolderId(), nextId);
}

// A folder with pages "0".."n-1" under the root of tree.
CSiteFolder* folderWithPages(AlbumTree& tree, int n) {
    CSiteFolder* folder = tree.insertFolder(tree.root(), QStringLiteral("P"));
    for (int i = 0; i < n; ++i)
        tree.appendPage(folder, makePage(QString::number(i)));
    return folder;
}

TEST(AlbumTree, AppendedPageTakesThePageCountAsIdAndRemovalRenumbersTheRest) {
    AlbumTree tree;
    CSiteFolder* folder = folderWithPages(tree, 3);
    ASSERT_EQ(folder->pagecount, 3);
    EXPECT_EQ(tree.appendPage(folder, makePage(QStringLiteral("3")))->id, 3);
    EXPECT_EQ(folder->pagecount, 4);
    EXPECT_EQ(tree.appendPage(nullptr, makePage(QStringLiteral("x"))), nullptr);
    EXPECT_EQ(tree.appendPage(folder, nullptr), nullptr);
    ASSERT_TRUE(tree.removePage(folder, 1));
    EXPECT_EQ(test::pageCaptions(folder), QStringList({"0", "2", "3"}));
    EXPECT_EQ(pageIds(folder), std::vector<int>({0, 1, 2}));
    EXPECT_EQ(folder->pagecount, 3);
    EXPECT_FALSE(tree.removePage(folder, 3));
    EXPECT_FALSE(tree.removePage(folder, -1));
    EXPECT_FALSE(tree.removePage(nullptr, 0));
}

TEST(AlbumTree, MovePageRenumbersAndRefusesImpossibleMoves) {
    const QStringList unmoved = {"0", "1", "2", "3"};
    const std::tuple<int, int, QStringList> cases[] = {{3, 0, {"3", "0", "1", "2"}},
                                                       {1, 3, {"0", "2", "3", "1"}},
                                                       {2, 2, unmoved},
                                                       {0, -1, unmoved},
                                                       {3, 4, unmoved},
                                                       {-1, 0, unmoved}};
    for (const auto& [from, to, order] : cases) {
        SCOPED_TRACE(testing::Message() << from << " -> " << to);
        AlbumTree tree;
        CSiteFolder* folder = folderWithPages(tree, 4);
        EXPECT_EQ(tree.movePage(folder, from, to), order != unmoved);
        EXPECT_EQ(test::pageCaptions(folder), order);
        EXPECT_EQ(pageIds(folder), std::vector<int>({0, 1, 2, 3}));
        EXPECT_EQ(folder->pagecount, 4);
    }
}

TEST(AlbumTree, RenumberPagesRepairsIdsAndCount) {
    // A file may state a page count and ids that differ from its page list.
    AlbumTree tree;
    CSiteFolder* folder = folderWithPages(tree, 3);
    tree.editFolder(folder, [](CSiteFolder& f) { f.pagecount = 7; });
    for (int i = 0; i < 3; ++i)
        tree.editPage(folder, i, [](CSitePage& p) { p.id = 9; });
    tree.renumberPages(folder);
    EXPECT_EQ(folder->pagecount, 3);
    EXPECT_EQ(pageIds(folder), std::vector<int>({0, 1, 2}));
}

TEST(AlbumTree, ImpossibleFolderMovesAndRemovalsAreRefused) {
    AlbumTree tree;
    CSiteFolder* a = tree.insertFolder(tree.root(), QStringLiteral("A"));
    tree.insertFolder(tree.root(), QStringLiteral("B"));
    tree.setModified(false);
    for (int to : {0, -1, 2})
        EXPECT_FALSE(tree.moveFolder(a, to)) << to;
    EXPECT_FALSE(tree.moveFolder(tree.root(), 0));
    EXPECT_FALSE(tree.moveFolder(nullptr, 0));
    EXPECT_FALSE(tree.removeFolder(tree.root()));
    EXPECT_FALSE(tree.removeFolder(nullptr));
    EXPECT_EQ(outline(tree), QStringList({"0:Index", "1:A", "1:B"}));
    EXPECT_FALSE(tree.isModified());
}

TEST(AlbumTree, RemovalDestroysTheWholeSubtree) {
    // Run under AddressSanitizer, a subtree that is not freed shows up as a
    // leak and a use of a freed node as an error.
    AlbumTree tree;
    CSiteFolder* a = tree.insertFolder(tree.root(), QStringLiteral("A"));
    CSiteFolder* deep =
        tree.insertFolder(tree.insertFolder(a, QStringLiteral("A1")), QStringLiteral("A1x"));
    tree.appendPage(deep, makePage(QStringLiteral("p")));
    const int deepId = deep->id;
    tree.insertFolder(tree.root(), QStringLiteral("B"));
    ASSERT_TRUE(tree.removeFolder(a));
    EXPECT_EQ(tree.findFolderById(deepId), nullptr);
    EXPECT_EQ(outline(tree), QStringList({"0:Index", "1:B"}));
}

// A reset too sets both change flags, but leaves the album unmodified.
TEST(AlbumTree, EveryEditAndResetSetBothChangeFlags) {
    AlbumTree tree;
    CSiteFolder* a = tree.insertFolder(tree.root(), QStringLiteral("A"));
    tree.insertFolder(tree.root(), QStringLiteral("B"));
    tree.appendPage(a, makePage(QStringLiteral("p")));
    tree.appendPage(a, makePage(QStringLiteral("q")));
    const std::vector<std::pair<const char*, std::function<void()>>> edits = {
        {"insert", [&] { tree.insertFolder(a, QStringLiteral("x")); }},
        {"move", [&] { tree.moveFolder(a, 1); }},
        {"edit folder", [&] { tree.editFolder(a, [](CSiteFolder& f) { f.desc = "d"; }); }},
        {"append page", [&] { tree.appendPage(a, makePage(QStringLiteral("r"))); }},
        {"move page", [&] { tree.movePage(a, 0, 1); }},
        {"edit page", [&] { tree.editPage(a, 0, [](CSitePage& p) { p.url = "u"; }); }},
        {"remove page", [&] { tree.removePage(a, 0); }},
        {"remove folder", [&] { tree.removeFolder(a->child(0)); }},
        {"reset", [&] { tree.reset(); }},
    };
    for (const auto& [name, edit] : edits) {
        SCOPED_TRACE(name);
        tree.setModified(false);
        tree.setAlbumChanged(false);
        tree.setCdAlbumChanged(false);
        edit();
        EXPECT_EQ(tree.isModified(), std::string(name) != "reset");
        EXPECT_TRUE(tree.albumChanged());
        EXPECT_TRUE(tree.cdAlbumChanged());
    }
    EXPECT_EQ(outline(tree), QStringList({"0:Index"}));
}

TEST(AlbumTree, CloneCopiesFieldsAndPagesButNoChildren) {
    AlbumTree tree;
    CSiteFolder* a = tree.insertFolder(tree.root(), QStringLiteral("A"));
    tree.editFolder(a, [](CSiteFolder& f) {
        f.desc = QStringLiteral("d");
        f.url = QStringLiteral("u");
        f.rows = 4;
        f.cols = 5;
        f.lnkimg = QStringLiteral("i.png");
        f.posstyle = kLeftImageRightText;
        f.lnkstyle = kBothLink;
    });
    tree.insertFolder(a, QStringLiteral("child"));
    tree.appendPage(a, makePage(QStringLiteral("p0")));
    tree.appendPage(a, makePage(QStringLiteral("p1")));
    const std::unique_ptr<CSiteFolder> copy = a->cloneWithoutChildren();
    const auto fields = [](const CSiteFolder& f) {
        return std::tuple(f.caption, f.desc, f.url, f.rows, f.cols, f.lnkimg, f.posstyle,
                          f.lnkstyle, f.pagecount);
    };
    EXPECT_EQ(fields(*copy), fields(*a));
    EXPECT_EQ(copy->id, -1);
    EXPECT_EQ(copy->childCount(), 0);
    ASSERT_EQ(copy->pageListSize(), 2);
    EXPECT_EQ(*copy->page(1), *a->page(1));
    EXPECT_NE(copy->page(1), a->page(1));  // deep copy
}

}  // namespace
}  // namespace pictavo
