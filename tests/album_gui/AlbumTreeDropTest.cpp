// Drops on the album explorer's tree: folders dragged inside the tree,
// refused drops, and an album file dragged from a file manager (files and
// folders dropped from the file list are DragIntoAlbumTest's).
#include "ExplorerFixture.h"
#include "WidgetEvents.h"

#include "album/mime/DragMime.h"

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
