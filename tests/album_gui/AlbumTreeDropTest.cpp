// Drops on the album explorer's tree: folders dragged inside the tree,
// refused drops, and files and folders dragged from a file manager.
#include "ExplorerFixture.h"
#include "WidgetEvents.h"

#include "album/mime/DragMime.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>

namespace pictavo::test {
namespace {

using C = CommandId;

const QStringList kAlbum = {"0:Index", "1:Trip", "2:Birds", "2:Alps", "2:Coast", "1:Other"};

class AlbumTreeDropTest : public ExplorerFixture {
protected:
    void SetUp() override {
        ExplorerFixture::SetUp();
        trip = add(root(), "Trip");
        for (const char* name : {"Birds", "Alps", "Coast"})
            add(trip, name);
        other = add(root(), "Other");
        settle();
    }
    Qt::DropAction dropAt(const QMimeData& mime, QPoint pos, Qt::KeyboardModifiers modifiers) {
        return sendDrop(view().viewport(), mime, pos, Qt::CopyAction | Qt::MoveAction, modifiers);
    }
    Qt::DropAction dragFolder(CSiteFolder* dragged, QPoint pos, Qt::KeyboardModifiers modifiers) {
        QMimeData mime;
        setAlbumItems(mime, AlbumDragItems::treeFolder(dragged->id));
        return dropAt(mime, pos, modifiers);
    }

    CSiteFolder* trip = nullptr;
    CSiteFolder* other = nullptr;
};

// Which drops are refused, moves or copies is the editor's rule; here the
// keys held and the place of the mouse reach it.
TEST_F(AlbumTreeDropTest, CtrlAloneCopiesAndAnythingElseMoves) {
    const std::pair<Qt::KeyboardModifiers, bool> rows[] = {
        {Qt::ControlModifier, true},
        {Qt::NoModifier, false},
        {Qt::ControlModifier | Qt::ShiftModifier, false},
    };
    for (const auto& [modifiers, copies] : rows) {
        SCOPED_TRACE(int(modifiers));
        EXPECT_EQ(dragFolder(trip, centreOf(other), modifiers),
                  copies ? Qt::CopyAction : Qt::MoveAction);
        ASSERT_EQ(childCaptions(other), QStringList{"Trip"});
        EXPECT_EQ(childCaptions(other->child(0)), (QStringList{"Alps", "Birds", "Coast"}));
        EXPECT_EQ(root()->childCount(), copies ? 2 : 1);
        EXPECT_EQ(current(), other);
        EXPECT_TRUE(isExpanded(other));
        run(C::Undo);
        EXPECT_EQ(outline(tree()), kAlbum);
        trip = root()->child(0);  // the undo rebuilt the tree
        other = root()->child(1);
    }
}

TEST_F(AlbumTreeDropTest, RefusedDropsBeepAndChangeNothing) {
    QSignalSpy beeps(explorer, &AlbumExplorerPane::dropRefused);
    const QByteArray before = serializeAlbum(context->album());
    const std::pair<CSiteFolder*, QPoint> refused[] = {
        {trip, centreOf(trip->child(0))},  // onto a descendant
        {trip->child(0), belowLastItem()},
    };
    for (const auto& [dragged, at] : refused) {
        beeps.clear();
        EXPECT_EQ(dragFolder(dragged, at, Qt::NoModifier), Qt::IgnoreAction);
        EXPECT_EQ(beeps.count(), 1);
        EXPECT_EQ(serializeAlbum(context->album()), before);
        EXPECT_FALSE(context->undoStack().canUndo());
    }

    // Album items of another Pictavo name folders of its own album: the
    // no-drop cursor from the start.
    QMimeData foreign;
    foreign.setData(kAlbumItemsMimeType,
                    encodeAlbumItems(AlbumDragItems::treeFolder(trip->id), "other process"));
    QDragEnterEvent enter(centreOf(other), Qt::MoveAction, &foreign, Qt::LeftButton, {});
    QApplication::sendEvent(view().viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

TEST_F(AlbumTreeDropTest, DiskFoldersBecomeAlbumFoldersAndFilesPagesInOneStep) {
    QTemporaryDir disk;
    const QDir files(disk.path());
    ASSERT_TRUE(files.mkpath("Holiday/inner"));
    for (const char* name :
         {"Holiday/a.jpg", "Holiday/notes.txt", "Holiday/inner/b.png", "loose.txt"}) {
        QFile file(files.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // A link back to the folder being imported is left out and reported.
    ASSERT_TRUE(QFile::link(files.filePath("Holiday"), files.filePath("Holiday/back")));
    QMimeData mime;
    setDiskPaths(mime, {files.filePath("Holiday"), files.filePath("loose.txt")});
    // A copy, so that the file manager keeps its files.
    EXPECT_EQ(dropAt(mime, centreOf(other), Qt::NoModifier), Qt::CopyAction);

    ASSERT_EQ(childCaptions(other), QStringList{"Holiday"});
    EXPECT_EQ(childCaptions(other->child(0)), QStringList{"inner"});
    EXPECT_EQ(other->child(0)->pageListSize(), 2);
    EXPECT_EQ(pageCaptions(other), QStringList{"loose.txt"});
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_TRUE(prompts.asked[0].startsWith(uiText(sid::ImportProblems).section('%', 0, 0)));
    EXPECT_TRUE(prompts.asked[0].contains("back"));
    EXPECT_EQ(current(), other);
    run(C::Undo);
    EXPECT_EQ(outline(tree()), kAlbum);
    EXPECT_TRUE(pageCaptions(root()->child(1)).isEmpty());
}

TEST_F(AlbumTreeDropTest, AnAlbumFileAmongTheDroppedFilesIsOpenedInsteadOfImported) {
    QTemporaryDir disk;
    QStringList paths;
    for (const char* name : {"loose.txt", "first.www", "second.WWW"}) {
        paths << QDir(disk.path()).filePath(name);
        QFile file(paths.back());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QSignalSpy opened(context.get(), &AppContext::openAlbumRequested);
    QMimeData mime;
    setDiskPaths(mime, paths);
    EXPECT_EQ(dropAt(mime, centreOf(other), Qt::NoModifier), Qt::CopyAction);
    // Asked for once the drop is over.
    EXPECT_EQ(opened.count(), 0);
    ASSERT_TRUE(opened.wait(5000));
    EXPECT_EQ(opened.takeFirst().at(0).toString(), paths[1]);
    EXPECT_EQ(outline(tree()), kAlbum);
    EXPECT_TRUE(pageCaptions(other).isEmpty());
    EXPECT_FALSE(context->undoStack().canUndo());
}

}  // namespace
}  // namespace pictavo::test
