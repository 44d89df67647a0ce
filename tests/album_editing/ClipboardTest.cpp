// Cut, copy and paste of tree folders and folder-list entries, the paste
// rule, the clipboard's life, and drag and drop in the tree. (New and Open
// emptying the clipboard are checked with the undo stack.)

#include "album/editing/AlbumEditor.h"
#include "album/editing/FolderCopy.h"
#include "tests/album_model/TreeText.h"

#include <gtest/gtest.h>

#include <set>

namespace pictavo {
namespace {

using test::childCaptions;
using test::makePage;
using test::outline;
using test::pageCaptions;
using test::pageIds;

// Index
//   Trip [Birds [Eagle], Alps, Coast], pages t0 t1
//   Home, pages h0 h1 h2
class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        trip = add(root(), "Trip");
        birds = add(trip, "Birds");
        add(birds, "Eagle");
        add(trip, "Alps");
        add(trip, "Coast");
        home = add(root(), "Home");
        for (const char* c : {"t0", "t1"})
            album.tree.appendPage(trip, makePage(c));
        for (const char* c : {"h0", "h1", "h2"})
            album.tree.appendPage(home, makePage(c));
        album.tree.setModified(false);
    }
    CSiteFolder* root() { return album.tree.root(); }
    CSiteFolder* add(CSiteFolder* parent, const char* caption) {
        return album.tree.insertFolder(parent, QString::fromLatin1(caption));
    }
    bool idsUnique() {
        std::set<int> ids;
        bool unique = true;
        album.tree.walk([&](CSiteFolder* folder, int) { unique &= ids.insert(folder->id).second; });
        return unique;
    }

    Album album;
    AlbumEditor editor{album};
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
    ASSERT_TRUE(editor.copyFolder(birds));
    ASSERT_TRUE(editor.deleteFolder(birds));
    EXPECT_FALSE(editor.paste(home));
    EXPECT_TRUE(editor.clipboard().isEmpty());
    EXPECT_EQ(home->childCount(), 0);
}

struct PasteRuleCase {
    const char* name;
    std::function<void(AlbumEditor&, CSiteFolder* trip, CSiteFolder* birds)> fill;
    bool intoHome;
    bool intoBirds;
};

class PasteRule : public ClipboardTest, public ::testing::WithParamInterface<PasteRuleCase> {};

TEST_P(PasteRule, Enabled) {
    GetParam().fill(editor, trip, birds);
    EXPECT_EQ(editor.canPaste(home), GetParam().intoHome);
    EXPECT_EQ(editor.canPaste(birds), GetParam().intoBirds);
    EXPECT_EQ(editor.treeCommandState(home).paste, GetParam().intoHome);
    EXPECT_FALSE(editor.canPaste(nullptr));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PasteRule,
    ::testing::Values(PasteRuleCase{"EmptyClipboard",
                                    [](AlbumEditor&, CSiteFolder*, CSiteFolder*) {}, false, false},
                      PasteRuleCase{"SourceIsSelected",
                                    [](AlbumEditor& e, CSiteFolder*, CSiteFolder* b) {
                                        (void)e.copyFolder(b);
                                    },
                                    true, false},
                      PasteRuleCase{"ListWithoutIds",
                                    [](AlbumEditor& e, CSiteFolder* listed, CSiteFolder*) {
                                        e.setListClipboard(listed, {}, {}, ClipboardMode::Copy);
                                    },
                                    false, false},
                      PasteRuleCase{"ListWithPage",
                                    [](AlbumEditor& e, CSiteFolder* listed, CSiteFolder*) {
                                        e.setListClipboard(listed, {}, {1}, ClipboardMode::Cut);
                                    },
                                    true, true},
                      PasteRuleCase{"ListWithFolder",
                                    [](AlbumEditor& e, CSiteFolder* listed, CSiteFolder* b) {
                                        e.setListClipboard(listed, {b->id}, {},
                                                           ClipboardMode::Copy);
                                    },
                                    true, true}),
    [](const auto& row) { return std::string(row.param.name); });

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

TEST_F(ClipboardTest, ListedFolderGoneEmptiesTheClipboard) {
    editor.setListClipboard(birds, {}, {0}, ClipboardMode::Copy);
    ASSERT_TRUE(editor.deleteFolder(birds));
    EXPECT_FALSE(editor.paste(home));
    EXPECT_TRUE(editor.clipboard().isEmpty());
}

struct DropCase {
    const char* name;
    const char* dragged;  // path of captions below the root
    const char* target;   // "" = no target
    bool ctrlOnly;
    DropAction action;
};

class TreeDrop : public ClipboardTest, public ::testing::WithParamInterface<DropCase> {
protected:
    CSiteFolder* find(const char* caption) {
        CSiteFolder* found = nullptr;
        album.tree.walk([&](CSiteFolder* f, int) {
            if (f->caption == QLatin1String(caption))
                found = f;
        });
        return found;
    }
};

TEST_P(TreeDrop, FollowsTheDropRule) {
    const DropCase& c = GetParam();
    EXPECT_EQ(treeDropAction(find(c.dragged), find(c.target), c.ctrlOnly), c.action);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TreeDrop,
    ::testing::Values(DropCase{"NoTarget", "Birds", "", false, DropAction::Refuse},
                      DropCase{"NothingDragged", "", "Home", false, DropAction::Refuse},
                      DropCase{"OntoItself", "Birds", "Birds", true, DropAction::Refuse},
                      DropCase{"OntoOwnParent", "Birds", "Trip", false, DropAction::Refuse},
                      DropCase{"OntoGrandchild", "Trip", "Eagle", true, DropAction::Refuse},
                      DropCase{"RootOntoAnything", "Index", "Home", false, DropAction::Refuse},
                      DropCase{"MoveToSibling", "Birds", "Alps", false, DropAction::Move},
                      DropCase{"CopyToSibling", "Birds", "Alps", true, DropAction::Copy}),
    [](const auto& row) { return std::string(row.param.name); });

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
    // Placed before the first caption that sorts after it.
    EXPECT_EQ(childCaptions(root()), QStringList({"Birds", "Trip", "Home"}));
    EXPECT_EQ(album.tree.findFolderById(oldId), nullptr);
    EXPECT_EQ(childCaptions(root()->child(0)), QStringList({"Eagle"}));
    EXPECT_TRUE(idsUnique());
    // A drop leaves the Cut/Copy clipboard alone.
    EXPECT_EQ(editor.clipboard().sourceFolderId, alpsId);
}

}  // namespace
}  // namespace pictavo
