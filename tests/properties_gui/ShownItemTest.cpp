// What the property area shows while the album changes under it: showing
// never modifies, removed items are let go of (also when an ancestor goes,
// or New replaces the album), an undo keeps the shown item on the rebuilt
// tree, and field edits are undone one at a time.
#include "PanelFixture.h"

namespace pictavo::test {
namespace {

TEST_F(PanelFixture, ShowingItemsNeverModifiesTheAlbumAndARenameRefillsTheForm) {
    showFolder(trip);
    showPage(2);
    showFolder(tree().root());
    context->shownItem().showFile(QStringLiteral("/photos/x.png"));
    EXPECT_EQ(edit("fileNameEdit")->text(), QStringLiteral("x.png"));
    showPage(0);
    EXPECT_EQ(edit("captionEdit")->text(), QStringLiteral("a"));
    EXPECT_FALSE(tree().isModified());
    EXPECT_FALSE(context->undoStack().canUndo());
    // A rename elsewhere fills the form again.
    tree().editPage(trip, 0, [](CSitePage& p) { p.caption = QStringLiteral("renamed"); });
    EXPECT_EQ(edit("captionEdit")->text(), QStringLiteral("renamed"));
}

enum class Removal { Page, Folder, Ancestor, NewAlbum };

class RemovalTest : public PanelFixture, public testing::WithParamInterface<Removal> {};

TEST_P(RemovalTest, TheShownPageIsLetGoOfAndTheRestoredOneCanBeShownAfterUndo) {
    CSiteFolder* inner = tree().insertFolder(trip, QStringLiteral("Inner"));
    auto page = std::make_unique<CSitePage>();
    page->caption = QStringLiteral("deep");
    tree().appendPage(inner, std::move(page));
    context->shownItem().showNode(SiteNodeRef::forPage(inner, inner->page(0)));
    ASSERT_EQ(edit("captionEdit")->text(), QStringLiteral("deep"));
    context->edit(1303, [&] {
        switch (GetParam()) {
            case Removal::Page:
                return tree().removePage(inner, 0);
            case Removal::Folder:
                return tree().removeFolder(inner);
            case Removal::Ancestor:
                return tree().removeFolder(trip);
            case Removal::NewAlbum:
                context->album().makeNew();
                return false;
        }
        return false;
    });
    EXPECT_EQ(context->shownItem().node().kind, SiteNodeKind::None);
    EXPECT_EQ(shownChild<QLineEdit>("captionEdit"), nullptr);
    if (GetParam() == Removal::NewAlbum)
        return;
    undo();
    EXPECT_EQ(context->shownItem().node().kind, SiteNodeKind::None);
    CSiteFolder* restored = trip->child(0);
    context->shownItem().showNode(SiteNodeRef::forPage(restored, restored->page(0)));
    retype(edit("captionEdit"), QStringLiteral("x"));
    EXPECT_EQ(restored->page(0)->caption, QStringLiteral("x"));
}

INSTANTIATE_TEST_SUITE_P(Removals, RemovalTest,
                         testing::Values(Removal::Page, Removal::Folder, Removal::Ancestor,
                                         Removal::NewAlbum));

TEST_F(PanelFixture, AFieldEditIsOneUndoStepAndTheUndoKeepsTheItemShown) {
    showPage(1);
    QTest::keyClicks(edit("captionEdit"), QStringLiteral("!"));
    EXPECT_EQ(trip->page(1)->caption, QStringLiteral("b!"));
    EXPECT_TRUE(tree().isModified());
    undo();
    EXPECT_EQ(trip->page(1)->caption, QStringLiteral("b"));
    EXPECT_EQ(edit("captionEdit")->text(), QStringLiteral("b"));
    EXPECT_FALSE(tree().isModified());
    // The form follows the rebuilt tree: typing reaches the new page.
    ASSERT_EQ(context->shownItem().node().page, trip->page(1));
    QTest::keyClicks(edit("captionEdit"), QStringLiteral("?"));
    EXPECT_EQ(trip->page(1)->caption, QStringLiteral("b?"));
}

}  // namespace
}  // namespace pictavo::test
