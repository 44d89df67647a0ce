// The album explorer through its real widgets: keys, in-place editing, the
// commands, the context menu, and what Open and undo leave shown.
#include "ExplorerFixture.h"
#include "WidgetEvents.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QLineEdit>
#include <QMenu>

namespace pictavo::test {
namespace {

using C = CommandId;

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
    QLineEdit* labelEditor() { return view().viewport()->findChild<QLineEdit*>(); }
    // Types text into the open label editor and presses Return.
    void typeLabel(const QString& text) {
        QLineEdit* editor = labelEditor();
        ASSERT_NE(editor, nullptr);
        editor->clear();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();  // the editor commits after handling the key
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // and then goes
    }
    // Right-clicks folder's row (null: empty space); what the menu lists,
    // "|" for a separator, and the menu's actions.
    QStringList rightClick(CSiteFolder* folder, QList<QAction*>* actions = nullptr) {
        const QPoint pos = folder ? centreOf(folder) : belowLastItem();
        sendRightClick(view().viewport(), pos);
        std::unique_ptr<QMenu> menu(explorer->findChild<QMenu*>());
        QStringList texts;
        for (QAction* action : menu ? menu->actions() : QList<QAction*>())
            texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
        if (actions && menu)
            *actions = menu->actions();
        return texts;
    }

    CSiteFolder* birds = nullptr;
    CSiteFolder* alps = nullptr;
    CSiteFolder* coast = nullptr;
};

TEST_F(AlbumExplorerPaneTest, NewFolderIsSelectedWithItsLabelOpenForTyping) {
    select(coast);
    QTest::keyClick(&view(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(coast->childCount(), 2);
    CSiteFolder* created = coast->child(1);
    EXPECT_EQ(current(), created);
    EXPECT_EQ(context->selectedFolder(), created);
    ASSERT_NE(labelEditor(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), labelEditor());
    EXPECT_EQ(labelEditor()->text(), "New Folder0");
    typeLabel("Dunes");
    EXPECT_EQ(created->caption, "Dunes");
}

TEST_F(AlbumExplorerPaneTest, DeleteKeyAsksAndDeletesOnlyOnYesAndNeverTheRoot) {
    select(coast);
    prompts.answers = {Answer::No};
    QTest::keyClick(&view(), Qt::Key_Delete);
    EXPECT_EQ(prompts.asked, QStringList{uiText(sid::DeleteThisItem)});
    EXPECT_EQ(root()->childCount(), 3);
    EXPECT_FALSE(tree().isModified());
    prompts.answers = {Answer::Yes};
    QTest::keyClick(&view(), Qt::Key_Delete);
    EXPECT_EQ(childCaptions(root()), (QStringList{"Birds", "Alps"}));
    EXPECT_EQ(current(), root());
    EXPECT_EQ(context->selectedFolder(), root());
    prompts.asked.clear();
    QTest::keyClick(&view(), Qt::Key_Delete);  // the root
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(root()->childCount(), 2);
}

TEST_F(AlbumExplorerPaneTest, CtrlArrowsMoveTheSelectedFolderWithItsSubtree) {
    const int beachId = coast->child(0)->id;
    select(coast);
    for (int i = 0; i < 3; ++i)  // the third finds it first already
        QTest::keyClick(&view(), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(childCaptions(root()), (QStringList{"Coast", "Birds", "Alps"}));
    EXPECT_EQ(current(), coast);  // the tree did not move its cursor instead
    EXPECT_EQ(coast->child(0)->id, beachId);
    QTest::keyClick(&view(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(childCaptions(root()), (QStringList{"Birds", "Coast", "Alps"}));
    EXPECT_EQ(view().currentIndex().row(), 1);
    for (int i = 0; i < 3; ++i)
        run(C::Undo);
    EXPECT_EQ(childCaptions(root()), (QStringList{"Birds", "Alps", "Coast"}));
    EXPECT_FALSE(tree().isModified());
}

TEST_F(AlbumExplorerPaneTest, ContextMenusListTheEntriesThatApplyToTheFolderClicked) {
    const QString newFolder = uiText(sid::MenuNewFolder);
    const QString newLink = uiText(sid::MenuNewLink);
    EXPECT_EQ(rightClick(root()), (QStringList{newFolder, newLink}));
    select(alps);
    run(C::Copy);
    EXPECT_EQ(rightClick(root()), (QStringList{newFolder, newLink, "|", uiText(sid::MenuPaste)}));
    // Over empty space: no menu, and the selection stays.
    EXPECT_TRUE(rightClick(nullptr).isEmpty());
    EXPECT_EQ(current(), root());
    // The copied folder cannot be pasted into itself.
    EXPECT_EQ(rightClick(alps),
              (QStringList{newFolder, newLink, "|", uiText(sid::MenuCut), uiText(sid::MenuCopy),
                           uiText(sid::MenuDelete), "|", uiText(sid::MenuMoveUp),
                           uiText(sid::MenuMoveDown), "|", uiText(sid::MenuPreviewFolder)}));

    QList<QAction*> actions;
    ASSERT_EQ(rightClick(coast, &actions).value(5), uiText(sid::MenuPaste));
    EXPECT_EQ(current(), coast);
    actions[5]->trigger();
    EXPECT_EQ(childCaptions(coast), (QStringList{"Alps", "Beach"}));
    EXPECT_TRUE(isExpanded(coast));
}

TEST_F(AlbumExplorerPaneTest, OpenShowsTheRootSelectedAndExpandedUnmodified) {
    Album stored;
    stored.tree.insertFolder(stored.tree.insertFolder(stored.tree.root(), "Summer"), "July");
    const QString path = dir.filePath("summer.www");
    ASSERT_TRUE(saveAlbumFile(stored, path).ok());
    select(coast->child(0));
    ASSERT_TRUE(window->documents().openWithQuestion(path));
    EXPECT_EQ(model().index(0, 0, model().indexOf(root())).data().toString(), "Summer");
    EXPECT_EQ(current(), root());
    EXPECT_TRUE(isExpanded(root()));
    EXPECT_FALSE(tree().isModified());
    EXPECT_EQ(context->selectedFolder(), root());
}

TEST_F(AlbumExplorerPaneTest, RenameThenUndoKeepsExpandedFoldersAndTheSelection) {
    add(alps, "Lake");
    settle();
    view().collapse(model().indexOf(alps));
    const int ids[] = {birds->id, alps->id, coast->id};
    select(birds);
    QTest::keyClick(&view(), Qt::Key_F2);
    typeLabel("   ");  // refused by the editor: nothing to undo
    EXPECT_FALSE(context->undoStack().canUndo());
    QTest::keyClick(&view(), Qt::Key_F2);
    typeLabel("Eagles");
    EXPECT_EQ(birds->caption, "Eagles");
    EXPECT_TRUE(tree().isModified());
    run(C::Undo);  // the album is restored: earlier pointers are gone
    EXPECT_EQ(root()->child(0)->caption, "Birds");
    EXPECT_EQ(current(), tree().findFolderById(ids[0]));
    EXPECT_FALSE(isExpanded(tree().findFolderById(ids[1])));
    EXPECT_TRUE(isExpanded(tree().findFolderById(ids[2])));
}

}  // namespace
}  // namespace pictavo::test
