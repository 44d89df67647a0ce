// Cut, copy and paste of tree folders and folder-list entries, the paste
// rule, the clipboard's life, and drag and drop in the tree. (New and Open
// emptying the clipboard are checked with the undo stack.)

#include "EditingTest.h"
#include "album/editing/FolderCopy.h"

#include <tuple>
#include <utility>

namespace pictavo {
namespace {

using test::childCaptions;
using test::outline;
using test::pageCaptions;
using test::pageIds;

// Index
//   Trip [Birds [Eagle], Alps, Coast], pages t0 t1
//   Home, pages h0 h1 h2
class ClipboardTest : public test::EditingTest {
protected:
    void SetUp() override {
        trip = add(root(), "Trip");
        birds = add(trip, "Birds");
        add(birds, "Eagle");
        add(trip, "Alps");
        add(trip, "Coast");
        home = add(root(), "Home");
        addPages(trip, {"t0", "t1"});
        addPages(home, {"h0", "h1", "h2"});
        album.tree.setModified(false);
    }

    CSiteFolder* trip = nullptr;
    CSiteFolder* birds = nullptr;
    CSiteFolder* home = nullptr;
};

TEST_F(ClipboardTest, CopiedSubfoldersArriveSortedWithNewIds) {
    ASSERT_TRUE(editor.copyFolder(trip));
    EXPECT_FALSE(album.tree.isModified());  // Copy alone changes nothing
    ASSERT_TRUE(editor.paste(home));

    ASSERT_EQ(home->childCount(), 1);
    const CSiteFolder* copy = home->child(0);
    EXPECT_EQ(copy->caption, QStringLiteral("Trip"));
    EXPECT_EQ(childCaptions(copy), QStringList({"Alps", "Birds", "Coast"}));
    EXPECT_EQ(childCaptions(copy->child(1)), QStringList({"Eagle"}));
    EXPECT_EQ(pageCaptions(copy), QStringList({"t0", "t1"}));
    EXPECT_TRUE(idsUnique());  // the source is still there: the copy has new ids
    // The source is untouched.
    EXPECT_EQ(childCaptions(trip), QStringList({"Birds", "Alps", "Coast"}));
    EXPECT_TRUE(album.tree.isModified());
}

TEST(SortedChildIndex, IgnoresCaseAndPlacesEqualCaptionsLast) {
    AlbumTree tree;
    for (const char* caption : {"apple", "Cherry", "cherry"})
        tree.insertFolder(tree.root(), QString::fromLatin1(caption));
    EXPECT_EQ(sortedChildIndex(*tree.root(), QStringLiteral("Banana")), 1);
    EXPECT_EQ(sortedChildIndex(*tree.root(), QStringLiteral("CHERRY")), 3);
    EXPECT_EQ(sortedChildIndex(*tree.root(), QStringLiteral("Apple")), 1);
    EXPECT_EQ(sortedChildIndex(*tree.root(), QStringLiteral("")), 0);
}

TEST_F(ClipboardTest, CopyPasteKeepsTheClipboardCutPasteEmptiesIt) {
    ASSERT_TRUE(editor.copyFolder(birds));
    ASSERT_TRUE(editor.paste(home));
    ASSERT_TRUE(editor.paste(home));
    EXPECT_EQ(childCaptions(home), QStringList({"Birds", "Birds"}));
    EXPECT_FALSE(editor.clipboard().isEmpty());

    ASSERT_TRUE(editor.cutFolder(birds));
    ASSERT_TRUE(editor.paste(root()));
    EXPECT_EQ(childCaptions(trip), QStringList({"Alps", "Coast"}));
    // Placed before the first caption that sorts after it.
    EXPECT_EQ(childCaptions(root()), QStringList({"Birds", "Trip", "Home"}));
    EXPECT_TRUE(editor.clipboard().isEmpty());
    EXPECT_FALSE(editor.canPaste(home));
    EXPECT_FALSE(editor.paste(home));
    EXPECT_TRUE(idsUnique());
}

TEST_F(ClipboardTest, PasteIntoOwnSubtreeIsRefused) {
    ASSERT_TRUE(editor.cutFolder(trip));
    EXPECT_FALSE(editor.canPaste(trip));  // the source itself
    EXPECT_TRUE(editor.canPaste(birds));  // enabled, but the paste refuses
    const QStringList before = outline(album.tree);
    EXPECT_FALSE(editor.paste(birds));
    EXPECT_FALSE(editor.paste(birds->child(0)));
    EXPECT_FALSE(editor.paste(trip));
    EXPECT_EQ(outline(album.tree), before);
    EXPECT_FALSE(album.tree.isModified());
    EXPECT_FALSE(editor.clipboard().isEmpty());  // still there for a valid target
    EXPECT_TRUE(editor.paste(home));
}

TEST_F(ClipboardTest, VanishedSourceEmptiesTheClipboard) {
    ASSERT_TRUE(editor.copyFolder(birds->child(0)));
    ASSERT_TRUE(editor.deleteFolder(birds->child(0)));
    EXPECT_FALSE(editor.paste(home));
    EXPECT_TRUE(editor.clipboard().isEmpty());

    // The same for entries of a folder list whose folder went.
    editor.setListClipboard(birds, {}, {0}, ClipboardMode::Copy);
    ASSERT_TRUE(editor.deleteFolder(birds));
    EXPECT_FALSE(editor.paste(home));
    EXPECT_TRUE(editor.clipboard().isEmpty());
    EXPECT_EQ(home->childCount(), 0);
}

TEST_F(ClipboardTest, PasteIsEnabledForWhatTheClipboardHolds) {
    // Into Home, into Birds.
    const auto enabled = [&] { return std::pair(editor.canPaste(home), editor.canPaste(birds)); };
    EXPECT_EQ(enabled(), std::pair(false, false));
    ASSERT_TRUE(editor.copyFolder(birds));
    EXPECT_EQ(enabled(), std::pair(true, false));  // not onto the source itself
    EXPECT_TRUE(editor.treeCommandState(home).paste);
    editor.setListClipboard(trip, {}, {}, ClipboardMode::Copy);
    EXPECT_EQ(enabled(), std::pair(false, false));  // a list selection without entries
    EXPECT_FALSE(editor.treeCommandState(home).paste);
    editor.setListClipboard(trip, {}, {1}, ClipboardMode::Cut);
    EXPECT_EQ(enabled(), std::pair(true, true));
    editor.setListClipboard(trip, {birds->id}, {}, ClipboardMode::Copy);
    EXPECT_EQ(enabled(), std::pair(true, true));
    EXPECT_FALSE(editor.canPaste(nullptr));
}

TEST_F(ClipboardTest, CutOfTwoPagesMovesThemAndRenumbersTheSource) {
    editor.setListClipboard(home, {}, {0, 2}, ClipboardMode::Cut);
    ASSERT_TRUE(editor.paste(trip));
    EXPECT_EQ(pageCaptions(trip), QStringList({"t0", "t1", "h0", "h2"}));
    EXPECT_EQ(pageIds(trip), std::vector<int>({0, 1, 2, 3}));
    EXPECT_EQ(trip->pagecount, 4);
    EXPECT_EQ(pageCaptions(home), QStringList({"h1"}));
    EXPECT_EQ(pageIds(home), std::vector<int>({0}));
    EXPECT_EQ(home->pagecount, 1);
    EXPECT_TRUE(editor.clipboard().isEmpty());
    EXPECT_TRUE(album.tree.isModified());
}

TEST_F(ClipboardTest, CopiedListEntriesPasteAgainAndKeepOnlyFoundIds) {
    const int birdsId = birds->id;
    editor.setListClipboard(trip, {birdsId, 999}, {1, 42}, ClipboardMode::Copy);
    ASSERT_TRUE(editor.paste(home));
    ASSERT_TRUE(editor.paste(home));
    EXPECT_EQ(childCaptions(home), QStringList({"Birds", "Birds"}));
    EXPECT_EQ(pageCaptions(home), QStringList({"h0", "h1", "h2", "t1", "t1"}));
    EXPECT_EQ(pageIds(home), std::vector<int>({0, 1, 2, 3, 4}));
    EXPECT_EQ(editor.clipboard().folderIds, std::vector<int>({birdsId}));
    EXPECT_EQ(editor.clipboard().pageIds, std::vector<int>({1}));
    EXPECT_EQ(childCaptions(trip), QStringList({"Birds", "Alps", "Coast"}));
    EXPECT_TRUE(idsUnique());
}

TEST_F(ClipboardTest, CutListFolderIsNotPastedIntoItself) {
    CSiteFolder* alps = trip->child(1);
    editor.setListClipboard(trip, {birds->id, alps->id}, {0}, ClipboardMode::Cut);
    // Birds cannot go into its own child; Alps and the page can.
    ASSERT_TRUE(editor.paste(birds->child(0)));
    EXPECT_EQ(childCaptions(trip), QStringList({"Birds", "Coast"}));
    EXPECT_EQ(childCaptions(birds->child(0)), QStringList({"Alps"}));
    EXPECT_EQ(pageCaptions(birds->child(0)), QStringList({"t0"}));
    EXPECT_EQ(pageCaptions(trip), QStringList({"t1"}));
    EXPECT_TRUE(editor.clipboard().isEmpty());
}

TEST_F(ClipboardTest, PasteIntoTheListedFolderItself) {
    const int birdsId = birds->id;
    editor.setListClipboard(trip, {birdsId}, {0}, ClipboardMode::Copy);
    ASSERT_TRUE(editor.paste(trip));
    EXPECT_EQ(childCaptions(trip), QStringList({"Birds", "Alps", "Birds", "Coast"}));
    EXPECT_EQ(pageCaptions(trip), QStringList({"t0", "t1", "t0"}));

    // A cut into the same folder moves the entries to their new places.
    editor.setListClipboard(trip, {}, {0}, ClipboardMode::Cut);
    ASSERT_TRUE(editor.paste(trip));
    EXPECT_EQ(pageCaptions(trip), QStringList({"t1", "t0", "t0"}));
    EXPECT_EQ(pageIds(trip), std::vector<int>({0, 1, 2}));
    EXPECT_TRUE(idsUnique());
}

TEST_F(ClipboardTest, TreeDropFollowsTheDropRule) {
    const auto find = [&](const char* caption) {
        CSiteFolder* found = nullptr;
        album.tree.walk([&](CSiteFolder* f, int) {
            if (f->caption == QLatin1String(caption))
                found = f;
        });
        return found;
    };
    // Dragged, target ("" for none), Ctrl alone held, the action.
    const std::tuple<const char*, const char*, bool, DropAction> cases[] = {
        {"Birds", "", false, DropAction::Refuse},     {"", "Home", false, DropAction::Refuse},
        {"Birds", "Birds", true, DropAction::Refuse}, {"Birds", "Trip", false, DropAction::Refuse},
        {"Trip", "Eagle", true, DropAction::Refuse},  {"Index", "Home", false, DropAction::Refuse},
        {"Birds", "Alps", false, DropAction::Move},   {"Birds", "Alps", true, DropAction::Copy}};
    for (const auto& [dragged, target, ctrlOnly, action] : cases) {
        EXPECT_EQ(treeDropAction(find(dragged), find(target), ctrlOnly), action)
            << dragged << " onto " << target << (ctrlOnly ? " with Ctrl" : "");
    }
}

TEST_F(ClipboardTest, DropMovesOrCopiesTheFolder) {
    const int alpsId = trip->child(1)->id;
    ASSERT_TRUE(editor.copyFolder(trip->child(1)));
    EXPECT_EQ(editor.dropFolder(birds, trip, true), DropAction::Refuse);
    EXPECT_FALSE(album.tree.isModified());

    EXPECT_EQ(editor.dropFolder(birds, home, true), DropAction::Copy);
    EXPECT_EQ(childCaptions(trip), QStringList({"Birds", "Alps", "Coast"}));
    EXPECT_EQ(childCaptions(home), QStringList({"Birds"}));

    // A move deletes the dragged folder after copying it.
    const int oldId = birds->id;
    EXPECT_EQ(editor.dropFolder(birds, root(), false), DropAction::Move);
    EXPECT_EQ(childCaptions(trip), QStringList({"Alps", "Coast"}));
    EXPECT_EQ(childCaptions(root()), QStringList({"Birds", "Trip", "Home"}));
    EXPECT_EQ(album.tree.findFolderById(oldId), nullptr);
    EXPECT_EQ(childCaptions(root()->child(0)), QStringList({"Eagle"}));
    EXPECT_TRUE(idsUnique());
    // A drop leaves the Cut/Copy clipboard alone.
    EXPECT_EQ(editor.clipboard().sourceFolderId, alpsId);
}

}  // namespace
}  // namespace pictavo
