// The explorer panes inside the program's window: an album opened from the
// file list goes through the document's save question.
#include "ExplorerFixture.h"

#include "album/file/AlbumFile.h"

namespace pictavo::test {
namespace {

TEST(ExplorerInWindow, AnAlbumOpenedFromTheFileListAsksToSaveTheChangedAlbumFirst) {
    QTemporaryDir dir;
    Album onDisk;
    onDisk.tree.editFolder(onDisk.tree.root(), [](CSiteFolder& f) { f.caption = "On disk"; });
    ASSERT_TRUE(saveAlbumFile(onDisk, dir.filePath("trip.www")).ok());
    ProgramWindow program(dir.filePath("settings"));
    AppContext& context = program.context;
    ASSERT_TRUE(program.showFolder(dir.path()));
    const QModelIndex album = program.row(dir.filePath("trip.www"));
    ASSERT_TRUE(album.isValid());
    context.edit(1300, [&] { return context.editor().newFolder(context.album().tree.root()); });
    for (Answer answer : {Answer::Cancel, Answer::No}) {
        program.prompts.answers.push_back(answer);
        program.files->listView().selectOnly(album);
        QTest::keyClick(program.files->listView().currentView(), Qt::Key_Return);
    }
    EXPECT_EQ(program.prompts.asked,
              QStringList(2, "Do you want to save changes to this document?"));
    EXPECT_EQ(context.album().tree.root()->caption, "On disk");
    EXPECT_EQ(context.albumPath(), dir.filePath("trip.www"));
}

}  // namespace
}  // namespace pictavo::test
