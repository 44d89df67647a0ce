// Editing through the folder list: delete with its questions, cut and
// paste, header sorting, moving rows and renaming in place, each checked in
// the album and undone. The editing rules themselves are the editor's tests;
// here each command is shown to reach them from the pane.
#include "FolderListFixture.h"

#include <QLineEdit>

namespace pictavo::test {
namespace {

const QStringList kPages = {"p0", "p1", "p2", "p3"};

class FolderListEditing : public FolderListFixture {
protected:
    void SetUp() override {
        FolderListFixture::SetUp();
        folder = addFolder(root(), "Trip");
        folderId = folder->id;
        addPages(folder, {"p0", "p1", "p2", "p3"});
        startEditing();
        show(folder);
    }
    // An undo rebuilds the tree: find the folder again by its id.
    CSiteFolder* trip() { return tree().findFolderById(folderId); }
    void expectRows(const QStringList& rows) {
        EXPECT_EQ(pageCaptions(trip()), rows);
        EXPECT_EQ(rowTexts(), rows);
    }
    CSiteFolder* folder = nullptr;
    int folderId = -1;
};

TEST_F(FolderListEditing, DeleteAsksOneOrManyAndDeletesOnlyOnYes) {
    selectRows({1, 2});
    prompts.answers = {Answer::No};
    run(CommandId::Delete);
    EXPECT_EQ(prompts.asked, QStringList{"Do you really want to delete these items?"});
    expectRows(kPages);
    EXPECT_FALSE(tree().isModified());
    prompts.asked.clear();
    click(3);
    prompts.answers = {Answer::Yes};
    QTest::keyClick(view(), Qt::Key_Delete);
    EXPECT_EQ(prompts.asked, QStringList{"Do you really want to delete this item?"});
    expectRows({"p0", "p1", "p2"});
    EXPECT_EQ(selectedRows(), QList<int>{2});
    undo();
    expectRows(kPages);
    EXPECT_FALSE(tree().isModified());
}

TEST_F(FolderListEditing, CutTwoPagesAndPasteMovesThem) {
    CSiteFolder* other = addFolder(root(), "Other");
    const int otherId = other->id;
    startEditing();
    selectRows({0, 2});
    run(CommandId::Cut);
    EXPECT_FALSE(tree().isModified());  // nothing moves before the paste
    show(other);
    ASSERT_TRUE(action(CommandId::Paste)->isEnabled());
    run(CommandId::Paste);
    EXPECT_EQ(pageCaptions(folder), (QStringList{"p1", "p3"}));
    EXPECT_EQ(rowTexts(), (QStringList{"p0", "p2"}));
    EXPECT_FALSE(action(CommandId::Paste)->isEnabled());  // a cut pastes once
    undo();
    EXPECT_EQ(pageCaptions(trip()), kPages);
    EXPECT_TRUE(tree().findFolderById(otherId)->pages().empty());
}

TEST_F(FolderListEditing, HeaderClickedTwiceSortsPagesUpThenDown) {
    CSiteFolder* sorted = addFolder(root(), "Sorted");
    addFolder(sorted, "Zoo");
    addPages(sorted, {"b", "A", "C", "a"});
    startEditing();
    show(sorted);
    clickHeader(0);
    EXPECT_EQ(rowTexts(), (QStringList{"Zoo", "A", "a", "b", "C"}));
    clickHeader(0);
    EXPECT_EQ(rowTexts(), (QStringList{"Zoo", "C", "b", "A", "a"}));
    undo();
    undo();
    EXPECT_EQ(rowTexts(), (QStringList{"Zoo", "b", "A", "C", "a"}));
    EXPECT_FALSE(tree().isModified());
}

TEST_F(FolderListEditing, RowsMoveWithinTheirKindAndKeepTheirSelection) {
    addFolder(folder, "F0");
    addFolder(folder, "F1");
    startEditing();
    const QStringList unmoved = {"F0", "F1", "p0", "p1", "p2", "p3"};
    const std::tuple<int, CommandId, QStringList, int> rows[] = {
        {2, CommandId::MoveUp, {}, 2},  // the first page
        {2, CommandId::MoveDown, {"F0", "F1", "p1", "p0", "p2", "p3"}, 3},
        {1, CommandId::MoveDown, {}, 1},  // the last folder
        {1, CommandId::MoveUp, {"F1", "F0", "p0", "p1", "p2", "p3"}, 0},
    };
    for (const auto& [row, command, after, selectedAfter] : rows) {
        SCOPED_TRACE(row);
        click(row);
        ASSERT_EQ(action(command)->isEnabled(), !after.isEmpty());
        run(command);
        EXPECT_EQ(rowTexts(), after.isEmpty() ? unmoved : after);
        EXPECT_EQ(selectedRows(), QList<int>{selectedAfter});
        if (!after.isEmpty())
            undo();
        EXPECT_EQ(rowTexts(), unmoved);
    }
}

TEST_F(FolderListEditing, InPlaceRenameRefusesABlankFolderAndMayEmptyAPage) {
    CSiteFolder* birds = addFolder(folder, "Birds");
    startEditing();
    const auto rename = [&](int row, const QString& typed) {
        click(row);
        QTest::keyClick(view(), Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        editor->setText(typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();  // the edit is committed from the event loop
    };
    rename(0, "   ");
    EXPECT_EQ(birds->caption, "Birds");
    EXPECT_FALSE(tree().isModified());
    rename(1, "");
    EXPECT_EQ(folder->page(0)->caption, "");
    EXPECT_EQ(rowTexts().at(1), "");
    undo();
    EXPECT_EQ(rowTexts().at(1), "p0");
}

}  // namespace
}  // namespace pictavo::test
