// The explorer panes inside the program's window: an album opened from the
// file list goes through the document's save question.
#include "ScriptedPrompts.h"

#include "album/file/AlbumFile.h"
#include "shell/app/AppCommands.h"
#include "shell/app/PaneFactory.h"
#include "shell/explorer/FileListPane.h"
#include "shell/explorer/FileTreePane.h"
#include "shell/frame/MainWindow.h"
#include "shell/gui/AppContext.h"
#include "shell/gui/ListViewBase.h"

#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace pictavo::test {
namespace {

TEST(ExplorerInWindow, AnAlbumOpenedFromTheFileListAsksToSaveTheChangedAlbumFirst) {
    QTemporaryDir dir;
    Album onDisk;
    onDisk.tree.editFolder(onDisk.tree.root(), [](CSiteFolder& f) { f.caption = "On disk"; });
    ASSERT_TRUE(saveAlbumFile(onDisk, dir.filePath("trip.www")).ok());
    ScriptedPrompts prompts;
    AppContext context(SettingsStore(dir.filePath("settings/p.ini")), prompts);
    MainWindow window(context, createPanes(context));
    registerAppCommands(context, window);
    auto* tree = dynamic_cast<FileTreePane*>(context.pane(PaneId::FileTree));
    auto* list = dynamic_cast<FileListPane*>(context.pane(PaneId::FileList));
    ASSERT_TRUE(tree && list && tree->navigateTo(dir.path()));
    const QModelIndex album =
        list->model().index(list->model().rowOfPath(dir.filePath("trip.www")), 0);
    ASSERT_TRUE(album.isValid());

    context.edit(1300, [&] { return context.editor().newFolder(context.album().tree.root()); });
    for (Answer answer : {Answer::Cancel, Answer::No}) {
        prompts.answers.push_back(answer);
        list->listView().selectOnly(album);
        QTest::keyClick(list->listView().currentView(), Qt::Key_Return);
    }
    EXPECT_EQ(prompts.asked, QStringList(2, "Do you want to save changes to this document?"));
    EXPECT_EQ(context.album().tree.root()->caption, "On disk");
    EXPECT_EQ(context.albumPath(), dir.filePath("trip.www"));
}

}  // namespace
}  // namespace pictavo::test
