// The main window through its real actions, menus and toolbar buttons.
#include "FrameFixture.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/frame/PaneSplitters.h"
#include "shell/settings/LanguageLoading.h"

#include <QClipboard>
#include <QFileInfo>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace pictavo::test {
namespace {

using C = CommandId;

class MainWindowTest : public FrameFixture {
protected:
    QToolButton* toolbarButton(CommandId id) {
        for (QToolBar* bar : window->findChildren<QToolBar*>())
            if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action(id))))
                return button;
        return nullptr;
    }
};

TEST_F(MainWindowTest, EditCommandsFollowTheFocusedPaneInMenusAndToolbar) {
    pane(PaneId::AlbumExplorer).enabled = {C::Cut, C::Copy, C::NewFolder};
    focus(&pane(PaneId::FileList));
    focus(&pane(PaneId::AlbumExplorer));
    EXPECT_TRUE(action(C::Cut)->isEnabled());
    ASSERT_NE(toolbarButton(C::Cut), nullptr);
    EXPECT_TRUE(toolbarButton(C::Cut)->isEnabled());
    EXPECT_FALSE(action(C::Paste)->isEnabled());

    focus(&pane(PaneId::FileList));
    for (CommandId id : {C::Cut, C::Copy, C::Paste, C::Delete, C::MoveUp, C::MoveDown})
        EXPECT_FALSE(action(id)->isEnabled()) << static_cast<int>(id);
    EXPECT_FALSE(toolbarButton(C::Cut)->isEnabled());

    // A pane changing its mind is seen once it says so.
    pane(PaneId::FileList).enabled = {C::Refresh};
    context->announceCommandStateChanged();
    EXPECT_TRUE(action(C::Refresh)->isEnabled());

    focus(&pane(PaneId::AlbumExplorer));
    run(C::Cut);
    EXPECT_EQ(pane(PaneId::AlbumExplorer).ran, std::vector<CommandId>{C::Cut});
    EXPECT_TRUE(pane(PaneId::FileList).ran.empty());
}

TEST_F(MainWindowTest, ClipboardKeysInATextFieldEditTheText) {
    FakePane& album = pane(PaneId::AlbumExplorer);
    album.enabled = {C::Copy, C::Paste, C::Cut};
    FakePane& property = pane(PaneId::PropertyArea);
    property.field->setText("caption text");
    focus(property.field);
    property.field->selectAll();
    QTest::keyClick(property.field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "caption text");
    EXPECT_TRUE(album.ran.empty());
    focus(&album);
    QTest::keyClick(&album, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(album.ran, std::vector<CommandId>{C::Copy});
}

TEST_F(MainWindowTest, HidingPanesKeepsTheTopAreaAndTheFlagsSurviveARestart) {
    PaneSplitters& splitters = window->splitters();
    run(C::FileExplorer);
    EXPECT_EQ(splitters.visibility(), (PaneVisibility{true, false, true}));
    EXPECT_FALSE(action(C::FileExplorer)->isChecked());
    run(C::AlbumExplorer);  // hiding the only explorer brings the other back
    EXPECT_EQ(splitters.visibility(), (PaneVisibility{false, true, true}));
    EXPECT_TRUE(action(C::FileExplorer)->isChecked());
    EXPECT_FALSE(action(C::AlbumExplorer)->isChecked());
    run(C::PropertyArea);
    EXPECT_FALSE(pane(PaneId::PropertyArea).isVisible());
    window->close();
    destroyWindow();
    makeWindow();
    EXPECT_EQ(window->splitters().visibility(), (PaneVisibility{false, true, false}));
    EXPECT_FALSE(pane(PaneId::AlbumExplorer).isVisible());
    EXPECT_TRUE(pane(PaneId::FileList).isVisible());
}

TEST_F(MainWindowTest, F6CyclesThroughTheVisiblePanes) {
    const auto cycle = [&](CommandId id) {
        run(id);
        QApplication::processEvents();
        return context->focusedPane();
    };
    focus(&pane(PaneId::AlbumExplorer));
    EXPECT_EQ(cycle(C::NextPane), &pane(PaneId::AlbumFolderList));
    run(C::FileExplorer);  // hide the file explorer row
    EXPECT_EQ(cycle(C::NextPane), &pane(PaneId::PropertyArea));
    EXPECT_EQ(cycle(C::NextPane), &pane(PaneId::AlbumExplorer));
    EXPECT_EQ(cycle(C::PreviousPane), &pane(PaneId::PropertyArea));
}

TEST_F(MainWindowTest, TitleNamesTheAlbumAndMarksChanges) {
    EXPECT_EQ(window->windowTitle(), "Untitled[*] - Pictavo");
    EXPECT_FALSE(window->isWindowModified());
    modifyAlbum();
    EXPECT_TRUE(window->isWindowModified());
    runWithFile(C::Save, dir.filePath("trip"));
    EXPECT_EQ(window->windowTitle(), "trip.www[*] - Pictavo");
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(MainWindowTest, UndoAndRedoRestoreTheAlbumAndTheSavedState) {
    runWithFile(C::Save, dir.filePath("saved.www"));
    const QByteArray saved = serializeAlbum(context->album());
    EXPECT_FALSE(action(C::Undo)->isEnabled());
    modifyAlbum();
    const QByteArray edited = serializeAlbum(context->album());
    EXPECT_EQ(action(C::Undo)->text(), "&Undo New Folder\tCtrl+Z");
    ASSERT_TRUE(action(C::Undo)->isEnabled());
    const int replaced = pane(PaneId::AlbumExplorer).replacedCount;
    run(C::Undo);
    EXPECT_EQ(serializeAlbum(context->album()), saved);
    EXPECT_FALSE(context->album().tree.isModified());
    EXPECT_GT(pane(PaneId::AlbumExplorer).replacedCount, replaced);
    EXPECT_EQ(action(C::Redo)->text(), "&Redo New Folder\tCtrl+Y");
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(serializeAlbum(context->album()), edited);
    EXPECT_TRUE(context->album().tree.isModified());
}

TEST_F(MainWindowTest, ADroppedAlbumOpensAndADroppedPhotoDoesNot) {
    const QString album = writeAlbum("dropped.www", "Dropped");
    const QString photo = dir.filePath("photo.jpg");
    auto drop = [this](const QString& path) {
        window->openDroppedFiles({QUrl::fromLocalFile(path)});
    };
    drop(photo);
    EXPECT_EQ(context->albumPath(), QString());
    EXPECT_EQ(prompts.errors.size(), 1);
    drop(album);
    EXPECT_EQ(context->albumPath(), album);
    EXPECT_EQ(rootCaption(), "Dropped");
}

TEST_F(MainWindowTest, HelpOpensTheManualInTheDesktopBrowser) {
    run(C::HelpContents);
    ASSERT_EQ(prompts.opened.size(), 1);
    EXPECT_TRUE(prompts.opened[0].endsWith("/help/index.html"));
    EXPECT_TRUE(QFileInfo::exists(prompts.opened[0]));
    const QByteArray dataDir = qgetenv("PICTAVO_DATA_DIR");
    qputenv("PICTAVO_DATA_DIR", dir.path().toUtf8());  // a data folder without the manual
    run(C::HelpContents);
    qputenv("PICTAVO_DATA_DIR", dataDir);
    EXPECT_EQ(prompts.opened.size(), 1);
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].contains("help/index.html"));
}

TEST_F(MainWindowTest, AChineseUserGetsChineseMenus) {
    const QByteArray language = qgetenv("LANGUAGE");
    qputenv("LANGUAGE", "zh_CN");
    installUserLanguage();
    destroyWindow();
    makeWindow();
    QStringList titles;
    for (QAction* menu : window->menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles.value(0), QString::fromUtf8("文件(&F)"));
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("未命名[*] - ") + uiText(sid::AppName));
    StringTable::setCurrent(StringTable::builtIn());
    qputenv("LANGUAGE", language);
}

}  // namespace
}  // namespace pictavo::test
