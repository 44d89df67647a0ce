// Editing commands without the clipboard: new folder and link, rename,
// delete in the folder list, moves, and the enabled state.

#include "EditingTest.h"
#include "tests/album_model/RecordingObserver.h"

namespace pictavo {
namespace {

using test::childCaptions;
using test::pageCaptions;
using test::pageIds;
using EditorTest = test::EditingTest;

TEST_F(EditorTest, NewFolderGoesLastAndNumbersRunAcrossANewAlbum) {
    add(root(), "Z");
    EXPECT_EQ(editor.newFolder(nullptr), nullptr);  // uses up no number
    CSiteFolder* first = editor.newFolder(root());
    editor.newFolder(first);
    EXPECT_EQ(childCaptions(root()), QStringList({"Z", "New Folder0"}));
    EXPECT_EQ(childCaptions(first), QStringList({"New Folder1"}));
    album.makeNew();
    CSiteFolder* third = editor.newFolder(root());
    EXPECT_EQ(third->caption, QStringLiteral("New Folder2"));
    EXPECT_EQ(third->id, 1);
}

TEST_F(EditorTest, NewLinkIsAnEmptyTextLinkAppendedToTheFolder) {
    CSiteFolder* folder = add(root(), "F");
    addPages(folder, {"a", "b"});
    EXPECT_EQ(editor.newLink(nullptr), nullptr);
    const CSitePage* link = editor.newLink(folder);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(editor.newLink(folder)->caption, QStringLiteral("New Link1"));
    EXPECT_EQ(link->caption, QStringLiteral("New Link0"));
    EXPECT_EQ(link->lnkstyle, kTextLink);
    EXPECT_EQ(link->id, 2);
    album.makeNew();
    EXPECT_EQ(editor.newLink(root())->caption, QStringLiteral("New Link2"));
}

TEST_F(EditorTest, RenameRefusesBlankTextAndStoresTheRestAsTyped) {
    CSiteFolder* folder = add(root(), "Old");
    album.tree.setModified(false);
    for (const char* blank : {"", "\t\n "}) {
        EXPECT_FALSE(editor.renameFolder(folder, QString::fromLatin1(blank)));
        EXPECT_EQ(folder->caption, QStringLiteral("Old"));
    }
    EXPECT_FALSE(editor.renameFolder(nullptr, QStringLiteral("x")));
    EXPECT_FALSE(album.tree.isModified());
    EXPECT_TRUE(editor.renameFolder(folder, QStringLiteral(" Ålands öar  ")));
    EXPECT_EQ(folder->caption, QStringLiteral(" Ålands öar  "));
    EXPECT_TRUE(album.tree.isModified());
    EXPECT_TRUE(editor.renameFolder(root(), QStringLiteral("Home")));
    EXPECT_EQ(root()->caption, QStringLiteral("Home"));
}

TEST_F(EditorTest, RootCannotBeDeletedCutCopiedOrMoved) {
    const auto flags = [](const TreeCommandState& s) {
        return std::vector<bool>{s.newFolder, s.newLink, s.remove,   s.cut,
                                 s.copy,      s.moveUp,  s.moveDown, s.paste};
    };
    using Flags = std::vector<bool>;
    EXPECT_EQ(flags(editor.treeCommandState(root())), Flags({1, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(flags(editor.treeCommandState(add(root(), "A"))), Flags({1, 1, 1, 1, 1, 1, 1, 0}));
    EXPECT_EQ(flags(editor.treeCommandState(nullptr)), Flags(8, false));
    EXPECT_FALSE(editor.deleteFolder(root()));
    EXPECT_FALSE(editor.copyFolder(root()));
    EXPECT_FALSE(editor.cutFolder(root()));
    EXPECT_FALSE(editor.moveFolder(root(), MoveDirection::Down));
    EXPECT_NE(album.tree.root(), nullptr);
    EXPECT_TRUE(editor.clipboard().isEmpty());
}

// Folder list rows of F: subfolders S1 S2, then pages p0..p3. Pages are
// named by their ids as shown before anything was removed.
class ListDelete : public EditorTest {
protected:
    void SetUp() override {
        f = add(root(), "F");
        s1 = add(f, "S1");
        s2 = add(f, "S2");
        add(s2, "inside S2");
        addPages(f, {"p0", "p1", "p2", "p3"});
    }
    ListEntry folderRow(const CSiteFolder* folder) { return {SiteNodeKind::Folder, folder->id}; }
    static ListEntry pageRow(int id) { return {SiteNodeKind::Page, id}; }

    CSiteFolder* f = nullptr;
    CSiteFolder* s1 = nullptr;
    CSiteFolder* s2 = nullptr;
};

TEST_F(ListDelete, RemovesChosenRowsAndRenumbersPages) {
    const ListDeleteResult result =
        editor.deleteListEntries(f, {folderRow(s2), pageRow(1), pageRow(2)}, 1);
    EXPECT_TRUE(result.deleted);
    EXPECT_EQ(childCaptions(f), QStringList({"S1"}));
    EXPECT_EQ(pageCaptions(f), QStringList({"p0", "p3"}));
    EXPECT_EQ(pageIds(f), std::vector<int>({0, 1}));
    EXPECT_EQ(f->pagecount, 2);
    EXPECT_EQ(result.rowToSelect, 1);
}

TEST_F(ListDelete, RowToSelectStaysInRange) {
    EXPECT_EQ(editor.deleteListEntries(f, {pageRow(2), pageRow(3)}, 4).rowToSelect,
              3);  // the last row left
    EXPECT_EQ(pageCaptions(f), QStringList({"p0", "p1"}));
    const ListDeleteResult result =
        editor.deleteListEntries(f, {folderRow(s1), folderRow(s2), pageRow(0), pageRow(1)}, 0);
    EXPECT_TRUE(result.deleted);
    EXPECT_EQ(result.rowToSelect, -1);  // nothing left
}

TEST_F(ListDelete, UnknownAndRepeatedRowsAreHarmless) {
    album.tree.setModified(false);
    EXPECT_FALSE(editor
                     .deleteListEntries(
                         f, {{SiteNodeKind::Folder, 999}, pageRow(17), {SiteNodeKind::None, 0}}, 0)
                     .deleted);
    EXPECT_FALSE(editor.deleteListEntries(nullptr, {pageRow(0)}, 0).deleted);
    EXPECT_FALSE(album.tree.isModified());
    editor.deleteListEntries(f, {folderRow(s1), folderRow(s1), pageRow(0), pageRow(0)}, 0);
    EXPECT_EQ(childCaptions(f), QStringList({"S2"}));
    EXPECT_EQ(pageCaptions(f), QStringList({"p1", "p2", "p3"}));
}

// The tree command moves the folder; the folder-list variant names the
// folder by id and acts on the children of the selected folder.
TEST_F(EditorTest, FolderMovesAmongSiblingsOnly) {
    const std::tuple<int, MoveDirection, bool, QStringList> cases[] = {
        {2, MoveDirection::Down, false, {"A", "B", "C"}},
        {0, MoveDirection::Up, false, {"A", "B", "C"}},
        {0, MoveDirection::Down, true, {"B", "A", "C"}},
        {2, MoveDirection::Up, true, {"A", "C", "B"}}};
    const auto abc = [&] {
        CSiteFolder* parent = add(root(), "P");
        for (const char* caption : {"A", "B", "C"})
            add(parent, caption);
        return parent;
    };
    for (const auto& [index, direction, moved, order] : cases) {
        SCOPED_TRACE(index);
        CSiteFolder* parent = abc();
        EXPECT_EQ(editor.moveFolder(parent->child(index), direction), moved);
        EXPECT_EQ(childCaptions(parent), order);
        parent = abc();
        EXPECT_EQ(editor.moveChildFolder(parent, parent->child(index)->id, direction), moved);
        EXPECT_EQ(childCaptions(parent), order);
    }
    CSiteFolder* parent = abc();
    EXPECT_FALSE(editor.moveChildFolder(parent, 999, MoveDirection::Down));
    EXPECT_FALSE(editor.moveChildFolder(nullptr, 1, MoveDirection::Down));
    EXPECT_EQ(childCaptions(parent), QStringList({"A", "B", "C"}));
}

TEST_F(EditorTest, MovingAFolderKeepsItsSubtreeAndIds) {
    CSiteFolder* x = add(root(), "X");
    add(root(), "Y");
    // Children deliberately out of caption order: a move must not sort them.
    CSiteFolder* zulu = add(x, "Zulu");
    CSiteFolder* alpha = add(x, "Alpha");
    CSiteFolder* deep = add(alpha, "Deep");
    addPages(x, {"p0", "p1"});
    const int nextId = album.tree.nextFolderId();
    test::RecordingObserver observer;
    album.tree.addObserver(&observer);
    ASSERT_TRUE(editor.moveFolder(x, MoveDirection::Down));
    album.tree.removeObserver(&observer);

    EXPECT_EQ(childCaptions(root()), QStringList({"Y", "X"}));
    EXPECT_EQ(root()->child(1), x);
    // The same nodes, not copies: ids and subtree stay.
    EXPECT_EQ(x->child(0), zulu);
    EXPECT_EQ(x->child(1), alpha);
    EXPECT_EQ(alpha->child(0), deep);
    EXPECT_EQ(pageCaptions(x), QStringList({"p0", "p1"}));
    EXPECT_EQ(album.tree.nextFolderId(), nextId);  // nothing was re-created
    EXPECT_EQ(observer.events, QStringList({"aboutToMove 0 0 1", "moved 0 0 1"}));
}

TEST_F(EditorTest, MovePageSwapsWithItsNeighbour) {
    CSiteFolder* f = add(root(), "F");
    addPages(f, {"p0", "p1", "p2"});
    EXPECT_FALSE(editor.movePage(f, 0, MoveDirection::Up));
    EXPECT_FALSE(editor.movePage(f, 2, MoveDirection::Down));
    EXPECT_FALSE(editor.movePage(f, 7, MoveDirection::Down));
    EXPECT_FALSE(editor.movePage(nullptr, 0, MoveDirection::Down));
    EXPECT_EQ(pageCaptions(f), QStringList({"p0", "p1", "p2"}));
    EXPECT_TRUE(editor.movePage(f, 1, MoveDirection::Down));
    EXPECT_EQ(pageCaptions(f), QStringList({"p0", "p2", "p1"}));
    EXPECT_TRUE(editor.movePage(f, 1, MoveDirection::Up));
    EXPECT_EQ(pageCaptions(f), QStringList({"p2", "p0", "p1"}));
    EXPECT_EQ(pageIds(f), std::vector<int>({0, 1, 2}));
}

}  // namespace
}  // namespace pictavo
