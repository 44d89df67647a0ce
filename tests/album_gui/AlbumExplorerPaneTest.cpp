// The album explorer through its real widgets: keys, in-place editing, the
// commands, the context menu, and what New, Open and undo leave shown.
#include "ExplorerFixture.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QLineEdit>

namespace pictavo::test {
namespace {

using C = CommandId;

QLineEdit* labelEditor(AlbumTreeView& view) {
    return view.viewport()->findChild<QLineEdit*>();
}

// What a menu lists: the action texts, "|" for a separator.
QStringList entries(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
    return texts;
}

class AlbumExplorerPaneTest : public ExplorerFixture {
protected:
    void SetUp() override {
        ExplorerFixture::SetUp();
        birds = add(root(), "Birds");
        alps = add(root(), "Alps");
        coast = add(root(), "Coast");
        add(coast, "Beach");
        settle();
    }
    // Opens the label editor on folder with F2, replaces the text by typed
    // and presses Return.
    void renameWithKeys(CSiteFolder* folder, const QString& typed) {
        select(folder);
        QTest::keyClick(&view(), Qt::Key_F2);
        QLineEdit* editor = labelEditor(view());
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();
    }
    QMenu* menuOn(CSiteFolder* folder) { return rightClick(centreOf(folder)); }

    CSiteFolder* birds = nullptr;
    CSiteFolder* alps = nullptr;
    CSiteFolder* coast = nullptr;
};

struct RenameCase {
    const char* typed;
    const char* stored;  // the caption afterwards
    bool recorded;       // one undoable step, album modified
};

class RenameTest : public AlbumExplorerPaneTest, public testing::WithParamInterface<RenameCase> {};

TEST_P(RenameTest, BlankNamesAreRefusedAndOthersStoredAsTyped) {
    renameWithKeys(alps, GetParam().typed);
    EXPECT_EQ(alps->caption, GetParam().stored);
    EXPECT_EQ(model().indexOf(alps).data().toString(), GetParam().stored);
    EXPECT_EQ(tree().isModified(), GetParam().recorded);
    EXPECT_EQ(context->undoStack().canUndo(), GetParam().recorded);
    if (GetParam().recorded) {
        const int alpsId = alps->id;
        run(C::Undo);  // restores the album: earlier pointers are gone
        EXPECT_EQ(tree().findFolderById(alpsId)->caption, "Alps");
    }
}

INSTANTIATE_TEST_SUITE_P(Labels, RenameTest,
                         testing::Values(RenameCase{"   ", "Alps", false},
                                         RenameCase{"", "Alps", false},
                                         RenameCase{"Alps", "Alps", false},
                                         RenameCase{" Lakes", " Lakes", true},
                                         RenameCase{"Lakes ", "Lakes ", true}));

TEST_F(AlbumExplorerPaneTest, NewFolderIsSelectedWithItsLabelOpenForTyping) {
    select(coast);
    QTest::keyClick(&view(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(coast->childCount(), 2);
    CSiteFolder* created = coast->child(1);
    EXPECT_EQ(created->caption, "New Folder0");
    EXPECT_EQ(current(), created);
    EXPECT_EQ(context->selectedFolder(), created);
    QLineEdit* editor = labelEditor(view());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), editor);
    EXPECT_EQ(editor->text(), "New Folder0");

    QTest::keyClicks(editor, "Dunes");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();  // the editor commits after handling the key
    ASSERT_EQ(created->caption, "Dunes");

    const int coastId = coast->id;
    const int createdId = created->id;
    run(C::Undo);  // the rename
    ASSERT_NE(tree().findFolderById(createdId), nullptr);
    EXPECT_EQ(tree().findFolderById(createdId)->caption, "New Folder0");
    run(C::Undo);  // the new folder
    EXPECT_EQ(childCaptions(tree().findFolderById(coastId)), QStringList{"Beach"});
    EXPECT_EQ(current(), context->selectedFolder());
    EXPECT_FALSE(tree().isModified());
}

TEST_F(AlbumExplorerPaneTest, DeleteKeyAsksAndDeletesOnlyOnYes) {
    select(coast);
    prompts.answers = {Answer::No};
    QTest::keyClick(&view(), Qt::Key_Delete);
    EXPECT_EQ(prompts.asked, QStringList{uiText(sid::DeleteThisItem)});
    EXPECT_EQ(childCaptions(root()), (QStringList{"Birds", "Alps", "Coast"}));
    EXPECT_FALSE(tree().isModified());

    prompts.answers = {Answer::Yes};
    QTest::keyClick(&view(), Qt::Key_Delete);
    EXPECT_EQ(childCaptions(root()), (QStringList{"Birds", "Alps"}));
    EXPECT_EQ(current(), root());
    EXPECT_EQ(context->selectedFolder(), root());

    run(C::Undo);
    EXPECT_EQ(outline(tree()), (QStringList{"0:Index", "1:Birds", "1:Alps", "1:Coast", "2:Beach"}));

    // The root cannot be deleted: no question, nothing removed.
    select(root());
    prompts.asked.clear();
    QTest::keyClick(&view(), Qt::Key_Delete);
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(root()->childCount(), 3);
}

TEST_F(AlbumExplorerPaneTest, CtrlArrowsMoveTheSelectedFolderWithItsSubtree) {
    const int coastId = coast->id;
    const int beachId = coast->child(0)->id;
    select(coast);
    QTest::keyClick(&view(), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(childCaptions(root()), (QStringList{"Birds", "Coast", "Alps"}));
    QTest::keyClick(&view(), Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(&view(), Qt::Key_Up, Qt::ControlModifier);  // already first
    EXPECT_EQ(childCaptions(root()), (QStringList{"Coast", "Birds", "Alps"}));
    EXPECT_EQ(current(), coast);  // the tree did not move its cursor instead
    EXPECT_EQ(coast->id, coastId);
    EXPECT_EQ(coast->child(0)->id, beachId);

    QTest::keyClick(&view(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(childCaptions(root()), (QStringList{"Birds", "Coast", "Alps"}));
    EXPECT_EQ(view().currentIndex().row(), 1);

    run(C::Undo);
    run(C::Undo);
    run(C::Undo);
    EXPECT_EQ(childCaptions(root()), (QStringList{"Birds", "Alps", "Coast"}));
    EXPECT_FALSE(tree().isModified());
}

TEST_F(AlbumExplorerPaneTest, RootMenuOffersOnlyNewItemsAndPasteWhenPossible) {
    QMenu* menu = menuOn(root());
    ASSERT_NE(menu, nullptr);
    const QString newFolder = uiText(sid::MenuNewFolder);
    const QString newLink = uiText(sid::MenuNewLink);
    EXPECT_EQ(entries(*menu), (QStringList{newFolder, newLink}));
    delete menu;

    select(alps);
    run(C::Copy);
    menu = menuOn(root());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(entries(*menu), (QStringList{newFolder, newLink, "|", uiText(sid::MenuPaste)}));
    delete menu;

    // Over empty space: no menu, and the root stays selected.
    EXPECT_EQ(rightClick(belowLastItem()), nullptr);
    EXPECT_EQ(current(), root());
}

TEST_F(AlbumExplorerPaneTest, FolderMenuActsOnTheFolderRightClicked) {
    select(alps);
    run(C::Copy);
    QMenu* menu = menuOn(alps);  // the copied folder itself: no Paste
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(entries(*menu),
              (QStringList{uiText(sid::MenuNewFolder), uiText(sid::MenuNewLink), "|",
                           uiText(sid::MenuCut), uiText(sid::MenuCopy), uiText(sid::MenuDelete),
                           "|", uiText(sid::MenuMoveUp), uiText(sid::MenuMoveDown), "|",
                           uiText(sid::MenuPreviewFolder)}));
    delete menu;

    menu = menuOn(coast);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(current(), coast);
    QAction* paste = menu->actions().at(5);
    ASSERT_EQ(paste->text(), uiText(sid::MenuPaste));
    paste->trigger();
    delete menu;
    EXPECT_EQ(childCaptions(coast), (QStringList{"Alps", "Beach"}));
    EXPECT_TRUE(view().isExpanded(model().indexOf(coast)));
}

TEST_F(AlbumExplorerPaneTest, OpenAndNewShowTheRootSelectedAndExpandedUnmodified) {
    Album stored;
    CSiteFolder* summer = stored.tree.insertFolder(stored.tree.root(), "Summer");
    stored.tree.insertFolder(summer, "July");
    const QString path = dir.filePath("summer.www");
    ASSERT_TRUE(saveAlbumFile(stored, path).ok());

    select(coast->child(0));
    ASSERT_TRUE(window->documents().openWithQuestion(path));
    ASSERT_EQ(childCaptions(root()), QStringList{"Summer"});
    EXPECT_EQ(model().indexOf(root()->child(0)).data().toString(), "Summer");
    EXPECT_EQ(current(), root());
    EXPECT_TRUE(view().isExpanded(model().indexOf(root())));
    EXPECT_FALSE(tree().isModified());
    EXPECT_EQ(context->selectedFolder(), root());

    select(root()->child(0)->child(0));
    run(C::New);
    EXPECT_EQ(current(), root());
    EXPECT_TRUE(view().isExpanded(model().indexOf(root())));
    EXPECT_FALSE(tree().isModified());
}

TEST_F(AlbumExplorerPaneTest, UndoKeepsExpandedFoldersAndTheSelection) {
    add(alps, "Lake");
    settle();
    view().collapse(model().indexOf(alps));
    const int ids[] = {birds->id, alps->id, coast->id};
    renameWithKeys(birds, "Eagles");

    run(C::Undo);  // restores the album: earlier pointers are gone
    EXPECT_EQ(root()->child(0)->caption, "Birds");
    EXPECT_EQ(current(), tree().findFolderById(ids[0]));
    EXPECT_FALSE(view().isExpanded(model().indexOf(tree().findFolderById(ids[1]))));
    EXPECT_TRUE(view().isExpanded(model().indexOf(tree().findFolderById(ids[2]))));
}

}  // namespace
}  // namespace pictavo::test
