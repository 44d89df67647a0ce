// A drag from the file list into the album explorer, in the program's
// window: the mouse gesture on the file list starts the list's own drag, and
// the data it carries is dropped on a folder of the album tree as the window
// system delivers a drop.
#include "ExplorerFixture.h"
#include "WidgetEvents.h"

#include "album/gui/AlbumExplorerPane.h"
#include "album/gui/AlbumTreeView.h"

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>

namespace pictavo::test {
namespace {

// Keeps the children a view makes while a drag starts, the drag among
// them; Qt deletes the drag only once the event loop runs. (A child is
// announced while its base class is being built, so it is told apart later.)
class DragCatcher : public QObject {
public:
    explicit DragCatcher(QObject* source) { source->installEventFilter(this); }
    QDrag* drag() const {
        for (const QPointer<QObject>& child : children_)
            if (auto* started = qobject_cast<QDrag*>(child.data()))
                return started;
        return nullptr;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ChildAdded)
            children_.push_back(static_cast<QChildEvent*>(event)->child());
        return false;
    }

private:
    QList<QPointer<QObject>> children_;
};

void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

std::unique_ptr<QMimeData> copyOf(const QMimeData& data) {
    auto copy = std::make_unique<QMimeData>();
    for (const QString& format : data.formats())
        copy->setData(format, data.data(format));
    return copy;
}

TEST(DragIntoAlbum, RowsDraggedFromTheFileListBecomePagesAndFoldersOfTheTargetFolder) {
    QTemporaryDir dir;
    const QDir disk(dir.filePath("photos"));
    ASSERT_TRUE(disk.mkpath("trip"));
    for (const char* name : {"a.jpg", "b.png", "trip/c.jpg"})
        ASSERT_TRUE(writeBytes(disk.filePath(name), {}));
    ProgramWindow program(dir.filePath("settings"));
    AppContext& context = program.context;
    program.window.resize(1024, 768);
    program.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.window));
    AlbumTree& album = context.album().tree;
    CSiteFolder* target = album.insertFolder(album.root(), "Holiday");
    auto* albumPane = dynamic_cast<AlbumExplorerPane*>(context.pane(PaneId::AlbumExplorer));
    ASSERT_TRUE(albumPane && program.showFolder(disk.path()));
    FileListPane* files = program.files;
    QAbstractItemView* list = files->listView().currentView();
    const auto row = [&](const char* name) { return program.row(disk.filePath(name)); };
    files->listView().selectOnly(row("trip"));
    list->selectionModel()->select(row("b.png"),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);

    // Press on a selected row and move the mouse past the drag distance.
    DragCatcher catcher(list);
    const QPoint from = list->visualRect(row("b.png")).center();
    const QPoint to = from + QPoint(QApplication::startDragDistance() * 3, 0);
    sendMouse(list->viewport(), QEvent::MouseButtonPress, from, Qt::LeftButton);
    sendMouse(list->viewport(), QEvent::MouseMove, from + QPoint(1, 0), Qt::LeftButton);
    sendMouse(list->viewport(), QEvent::MouseMove, to, Qt::LeftButton);
    QDrag* drag = catcher.drag();
    ASSERT_TRUE(drag && drag->mimeData());
    const std::unique_ptr<QMimeData> carried = copyOf(*drag->mimeData());
    sendMouse(list->viewport(), QEvent::MouseButtonRelease, to, Qt::NoButton);

    AlbumTreeView* treeView = albumPane->treeView();
    treeView->expandAll();
    const QModelIndex holiday = treeView->model()->index(0, 0, treeView->model()->index(0, 0));
    ASSERT_EQ(holiday.data().toString(), "Holiday");
    const QPoint over = treeView->visualRect(holiday).center();
    EXPECT_EQ(sendDrop(treeView->viewport(), *carried, over, Qt::CopyAction), Qt::CopyAction);

    // The folder becomes a folder filled by import, the file a page.
    QTRY_COMPARE(target->childCount(), 1);
    EXPECT_EQ(target->child(0)->caption, "trip");
    ASSERT_EQ(target->child(0)->pageListSize(), 1);
    EXPECT_EQ(target->child(0)->pages()[0]->url, disk.filePath("trip/c.jpg"));
    ASSERT_EQ(target->pageListSize(), 1);
    EXPECT_EQ(target->pages()[0]->url, disk.filePath("b.png"));
    EXPECT_TRUE(program.prompts.asked.isEmpty());
    // One undo step takes the whole drop back (the tree is rebuilt).
    ASSERT_TRUE(context.undoStack().undo());
    const CSiteFolder* restored = album.root()->child(0);
    EXPECT_EQ(restored->caption, "Holiday");
    EXPECT_EQ(restored->childCount() + restored->pageListSize(), 0);
}

}  // namespace
}  // namespace pictavo::test
