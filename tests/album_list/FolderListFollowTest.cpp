// The list follows the album tree: removals of the shown folder or of a
// folder above it, undo and redo that rebuild the tree, and drops onto
// folder rows. Run under AddressSanitizer, these also prove that no row or
// shown item outlives the node it stood for.
#include "FolderListFixture.h"

#include "album/mime/DragMime.h"
#include "resources/StringIds.h"

#include <QFile>
#include <QMimeData>
#include <QSignalSpy>

namespace pictavo::test {
namespace {

class FolderListFollow : public FolderListFixture {
protected:
    void SetUp() override {
        FolderListFixture::SetUp();
        trip = addFolder(root(), "Trip");
        day = addFolder(trip, "Day");
        addFolder(day, "Evening");
        addPages(day, {"d0", "d1"});
        addPages(trip, {"t0"});
        startEditing();
        show(day);
    }
    CSiteFolder* trip = nullptr;
    CSiteFolder* day = nullptr;
};

struct RemovalCase {
    const char* name;
    bool removeAncestor;  // Trip instead of Day itself
    QStringList rowsAfter;
    QStringList rowsAfterUndo;  // the parent, shown since the removal
};

class ShownFolderRemoved : public FolderListFollow,
                           public testing::WithParamInterface<RemovalCase> {};

TEST_P(ShownFolderRemoved, ListMovesToTheParentAndBackOnUndo) {
    const RemovalCase& c = GetParam();
    click(1);  // d0 in the property area
    const int dayId = day->id;
    CSiteFolder* removed = c.removeAncestor ? trip : day;
    context->edit(sid::EditDelete, [&] { return context->editor().deleteFolder(removed); });

    EXPECT_EQ(rowTexts(), c.rowsAfter);
    EXPECT_EQ(pane->model()->folder(), context->selectedFolder());
    // The property area moved on from d0 to the folder now listed.
    EXPECT_EQ(context->shownItem().node().kind, SiteNodeKind::Folder);
    EXPECT_EQ(context->shownItem().node().folder, context->selectedFolder());
    for (int row = 0; row < pane->model()->rowCount(); ++row)
        click(row);  // every row still names a live node

    undo();
    EXPECT_NE(tree().findFolderById(dayId), nullptr);
    EXPECT_EQ(pane->model()->folder(), context->selectedFolder());
    EXPECT_EQ(rowTexts(), c.rowsAfterUndo);
    ASSERT_TRUE(context->undoStack().redo());
    context->announceAlbumReplaced();
    EXPECT_EQ(rowTexts(), c.rowsAfter);
}

INSTANTIATE_TEST_SUITE_P(Folders, ShownFolderRemoved,
                         testing::Values(RemovalCase{"Itself", false, {"t0"}, {"Day", "t0"}},
                                         RemovalCase{"Ancestor", true, {}, {"Trip"}}),
                         [](const auto& row) { return std::string(row.param.name); });

// The model on its own, with no pane following the album's selection.
TEST_F(FolderListFollow, ModelAloneMovesOffARemovedFolder) {
    FolderListModel model(*context);
    model.setFolder(day->child(0));  // Evening
    context->edit(sid::EditDelete, [&] { return context->editor().deleteFolder(day); });
    EXPECT_EQ(model.folder(), trip);
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.index(0, 0).data().toString(), "t0");
}

class FolderListDrops : public FolderListFollow {
protected:
    QModelIndex rowIndex(int row) { return pane->model()->index(row, 0); }
    bool drop(const QMimeData& data, int row, Qt::DropAction action = Qt::MoveAction) {
        FolderListModel& model = *pane->model();
        if (!model.canDropMimeData(&data, action, -1, 0, rowIndex(row)))
            return false;
        return model.dropMimeData(&data, action, -1, 0, rowIndex(row));
    }
    QString writeFile(const QString& name) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
        return path;
    }
};

TEST_F(FolderListDrops, DiskFilesGoOnlyOntoFolderRowsAndAnAlbumFileIsOpenedInstead) {
    QSignalSpy opened(context.get(), &AppContext::openAlbumRequested);
    QMimeData data;
    const QString notes = writeFile("notes.txt"), album = writeFile("other.www");
    setDiskPaths(data, {notes, album});
    EXPECT_TRUE(drop(data, 0));
    ASSERT_TRUE(opened.wait(5000));
    EXPECT_EQ(opened.takeFirst().at(0).toString(), album);
    EXPECT_FALSE(context->undoStack().canUndo());

    setDiskPaths(data, {notes});
    EXPECT_FALSE(drop(data, 1));                                                    // a page row
    EXPECT_FALSE(pane->model()->canDropMimeData(&data, Qt::MoveAction, 1, 0, {}));  // between
    EXPECT_FALSE(tree().isModified());
    EXPECT_TRUE(drop(data, 0));  // Evening
    const int eveningId = day->child(0)->id;
    ASSERT_EQ(pageCaptions(day->child(0)), QStringList{"notes.txt"});
    undo();
    EXPECT_TRUE(tree().findFolderById(eveningId)->pages().empty());
}

TEST_F(FolderListDrops, ListRowsMoveIntoAFolderRowOrCopyWithCtrl) {
    const QModelIndexList rows = {rowIndex(1), rowIndex(2)};
    std::unique_ptr<QMimeData> data(pane->model()->mimeData(rows));
    ASSERT_TRUE(drop(*data, 0, Qt::CopyAction));
    EXPECT_EQ(pageCaptions(day->child(0)), (QStringList{"d0", "d1"}));
    EXPECT_EQ(pageCaptions(day), (QStringList{"d0", "d1"}));
    ASSERT_TRUE(drop(*data, 0, Qt::MoveAction));
    EXPECT_EQ(pageCaptions(day->child(0)), (QStringList{"d0", "d1", "d0", "d1"}));
    EXPECT_EQ(rowTexts(), (QStringList{"Evening"}));
}

TEST_F(FolderListDrops, DropsOntoTheDraggedFolderOrItsParentAreRefused) {
    std::unique_ptr<QMimeData> evening(pane->model()->mimeData({rowIndex(0)}));
    EXPECT_FALSE(drop(*evening, 0));  // a list row onto itself
    show(trip);
    QMimeData data;
    // Evening from the tree onto Day, its parent.
    setAlbumItems(data, AlbumDragItems::treeFolder(day->child(0)->id));
    EXPECT_FALSE(drop(data, 0));
    EXPECT_EQ(day->childCount(), 1);
    EXPECT_EQ(day->child(0)->caption, "Evening");
    EXPECT_FALSE(tree().isModified());
}

}  // namespace
}  // namespace pictavo::test
