// Editing through the folder list: delete with its questions, cut and
// paste, header sorting, moving rows, renaming in place and the list
// styles, each checked in the album and undone.
#include "FolderListFixture.h"

#include <QLineEdit>

namespace pictavo::test {
namespace {

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
    CSiteFolder* folder = nullptr;
    int folderId = -1;
};

struct DeleteCase {
    const char* name;
    bool byKey;
    std::vector<int> rows;
    Answer answer;
    const char* question;
    QStringList remaining;
    int selectedAfter;  // -1: selection untouched
};

class ListDelete : public FolderListEditing, public testing::WithParamInterface<DeleteCase> {};

TEST_P(ListDelete, AsksAndDeletesTheChosenRows) {
    const DeleteCase& c = GetParam();
    selectRows(c.rows);
    prompts.answers.push_back(c.answer);
    if (c.byKey)
        QTest::keyClick(view(), Qt::Key_Delete);
    else
        run(CommandId::Delete);

    EXPECT_EQ(prompts.asked, QStringList{c.question});
    EXPECT_EQ(pageCaptions(folder), c.remaining);
    EXPECT_EQ(rowTexts(), c.remaining);
    if (c.selectedAfter >= 0) {
        EXPECT_EQ(selectedRows(), QList<int>{c.selectedAfter});
    }
    EXPECT_EQ(tree().isModified(), c.answer == Answer::Yes);

    if (c.answer == Answer::Yes) {
        undo();
        EXPECT_EQ(pageCaptions(trip()), (QStringList{"p0", "p1", "p2", "p3"}));
        EXPECT_EQ(rowTexts(), (QStringList{"p0", "p1", "p2", "p3"}));
        EXPECT_FALSE(tree().isModified());
    }
}

const char* const kOne = "Do you really want to delete this item?";
const char* const kMany = "Do you really want to delete these items?";

INSTANTIATE_TEST_SUITE_P(
    Rows, ListDelete,
    testing::Values(
        DeleteCase{"PagesOneAndTwoOfFour", false, {1, 2}, Answer::Yes, kMany, {"p0", "p3"}, 1},
        DeleteCase{"LastPageByKey", true, {3}, Answer::Yes, kOne, {"p0", "p1", "p2"}, 2},
        DeleteCase{"AnsweredNo", false, {1, 2}, Answer::No, kMany, {"p0", "p1", "p2", "p3"}, -1}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(FolderListEditing, CutTwoPagesAndPasteMovesThem) {
    CSiteFolder* other = addFolder(root(), "Other");
    const int otherId = other->id;
    startEditing();
    selectRows({0, 2});
    run(CommandId::Cut);
    EXPECT_FALSE(tree().isModified());  // nothing moves before the paste
    EXPECT_EQ(pageCaptions(folder), (QStringList{"p0", "p1", "p2", "p3"}));

    show(other);
    ASSERT_TRUE(action(CommandId::Paste)->isEnabled());
    run(CommandId::Paste);
    EXPECT_EQ(pageCaptions(other), (QStringList{"p0", "p2"}));
    EXPECT_EQ(pageCaptions(folder), (QStringList{"p1", "p3"}));
    EXPECT_EQ(rowTexts(), (QStringList{"p0", "p2"}));
    EXPECT_FALSE(action(CommandId::Paste)->isEnabled());  // a cut pastes once

    undo();
    EXPECT_EQ(pageCaptions(trip()), (QStringList{"p0", "p1", "p2", "p3"}));
    EXPECT_TRUE(tree().findFolderById(otherId)->pages().empty());
    EXPECT_TRUE(rowTexts().isEmpty());
}

TEST_F(FolderListEditing, HeaderClickedTwiceSortsPagesUpThenDown) {
    CSiteFolder* sorted = addFolder(root(), "Sorted");
    addFolder(sorted, "Zoo");
    addPages(sorted, {"b", "A", "C", "a"});
    startEditing();
    show(sorted);

    clickHeader(0);
    EXPECT_EQ(rowTexts(), (QStringList{"Zoo", "A", "a", "b", "C"}));
    EXPECT_TRUE(tree().isModified());
    clickHeader(0);
    EXPECT_EQ(rowTexts(), (QStringList{"Zoo", "C", "b", "A", "a"}));  // equal ones keep order

    undo();
    EXPECT_EQ(rowTexts(), (QStringList{"Zoo", "A", "a", "b", "C"}));
    undo();
    EXPECT_EQ(rowTexts(), (QStringList{"Zoo", "b", "A", "C", "a"}));
    EXPECT_FALSE(tree().isModified());
}

struct MoveCase {
    const char* name;
    int row;
    CommandId command;
    bool enabled;
    QStringList rowsAfter;
    int selectedAfter;
};

class ListMove : public FolderListEditing, public testing::WithParamInterface<MoveCase> {
protected:
    void SetUp() override {
        FolderListEditing::SetUp();
        addFolder(folder, "F0");
        addFolder(folder, "F1");
        startEditing();
    }
};

TEST_P(ListMove, MovesWithinItsKind) {
    const MoveCase& c = GetParam();
    const QStringList before = rowTexts();
    click(c.row);
    ASSERT_EQ(action(c.command)->isEnabled(), c.enabled);
    run(c.command);
    EXPECT_EQ(rowTexts(), c.rowsAfter);
    EXPECT_EQ(selectedRows(), QList<int>{c.selectedAfter});
    if (c.enabled) {
        undo();
        EXPECT_EQ(rowTexts(), before);
    }
}

const QStringList kUnmoved = {"F0", "F1", "p0", "p1", "p2", "p3"};

INSTANTIATE_TEST_SUITE_P(
    Rows, ListMove,
    testing::Values(
        MoveCase{"FirstPageUp", 2, CommandId::MoveUp, false, kUnmoved, 2},
        MoveCase{
            "FirstPageDown", 2, CommandId::MoveDown, true, {"F0", "F1", "p1", "p0", "p2", "p3"}, 3},
        MoveCase{"LastFolderDown", 1, CommandId::MoveDown, false, kUnmoved, 1},
        MoveCase{
            "LastFolderUp", 1, CommandId::MoveUp, true, {"F1", "F0", "p0", "p1", "p2", "p3"}, 0}),
    [](const auto& row) { return std::string(row.param.name); });

struct RenameCase {
    const char* name;
    int row;  // 0: the folder "Birds", 1: the page "p0"
    QString typed;
    QString caption;
};

class ListRename : public FolderListEditing, public testing::WithParamInterface<RenameCase> {};

TEST_P(ListRename, FolderRefusesBlankPageMayBeEmptied) {
    const RenameCase& c = GetParam();
    CSiteFolder* birds = addFolder(folder, "Birds");
    startEditing();
    click(c.row);
    QTest::keyClick(view(), Qt::Key_F2);
    auto* editor = view()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText(c.typed);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();  // the edit is committed from the event loop

    const QString stored = c.row == 0 ? birds->caption : folder->page(0)->caption;
    EXPECT_EQ(stored, c.caption);
    EXPECT_EQ(rowTexts().at(c.row), c.caption);
    const bool changed = c.caption != (c.row == 0 ? "Birds" : "p0");
    EXPECT_EQ(tree().isModified(), changed);
    if (changed) {
        undo();
        EXPECT_EQ(rowTexts().at(c.row), c.row == 0 ? "Birds" : "p0");
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ListRename,
                         testing::Values(RenameCase{"BlankFolder", 0, "   ", "Birds"},
                                         RenameCase{"FolderLeadingBlank", 0, " Alps", " Alps"},
                                         RenameCase{"EmptiedPage", 1, "", ""}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace pictavo::test
