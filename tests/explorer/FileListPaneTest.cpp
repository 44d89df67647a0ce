// The file list pane through its real views: columns and sorting by header
// clicks, opening entries, Convert Images, dragging, thumbnails of a folder
// left mid-way, and hostile files.
#include "ExplorerFixture.h"

#include "album/mime/DragMime.h"
#include "imaging/gui/ImageViewerWindow.h"
#include "shell/gui/ThumbnailLoader.h"
#include "shell/gui/ThumbnailMaker.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTreeView>

#include <condition_variable>
#include <mutex>

namespace pictavo::test {
namespace {

using FileListPaneTest = ExplorerFixture;

void clickHeader(QHeaderView* header, int section) {
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(section) + 5, header->height() / 2));
}

TEST_F(FileListPaneTest, ShowsTheColumnsAndTextsOfFoldersAndFiles) {
    const FileListModel& model = list->model();
    QStringList headers;
    for (int column = 0; column < model.columnCount(); ++column)
        headers << model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    EXPECT_EQ(headers, (QStringList{"Name", "Size", "Type", "Time"}));
    EXPECT_EQ(shownNames(), (QStringList{"trip", "a.jpg", "album.www", "b.png", "notes.txt"}));
    auto text = [&](const QString& name, FileColumn column) {
        return rowNamed(name).siblingAtColumn(int(column)).data().toString();
    };
    EXPECT_EQ(text("trip", FileColumn::Type), "Folder");
    EXPECT_EQ(text("trip", FileColumn::Size), "");
    EXPECT_EQ(text("notes.txt", FileColumn::Size), "2 KB");
    EXPECT_EQ(text("notes.txt", FileColumn::Type), "TXT file");
    EXPECT_FALSE(text("notes.txt", FileColumn::Time).isEmpty());
    EXPECT_EQ(view().columnWidth(0), 150);
}

TEST_F(FileListPaneTest, EveryHeaderClickFlipsTheDirectionAndFoldersStayFirst) {
    ASSERT_TRUE(writeBytes(path("photos/big.dat"), QByteArray(10 * 1024, 'x')));
    ASSERT_TRUE(writeBytes(path("photos/mid.dat"), QByteArray(9 * 1024, 'x')));
    location->refresh();
    select({"mid.dat"});
    QHeaderView* header = view().detailsView()->header();

    clickHeader(header, int(FileColumn::Size));
    const QStringList descending = shownNames();
    EXPECT_EQ(descending.first(), "trip");
    EXPECT_LT(descending.indexOf("big.dat"), descending.indexOf("mid.dat"));  // 10 KB, 9 KB

    clickHeader(header, int(FileColumn::Size));
    const QStringList ascending = shownNames();
    EXPECT_EQ(ascending.first(), "trip");
    EXPECT_LT(ascending.indexOf("mid.dat"), ascending.indexOf("big.dat"));

    // Another column flips the direction again: names descending.
    clickHeader(header, int(FileColumn::Name));
    EXPECT_EQ(shownNames().mid(0, 3), (QStringList{"trip", "notes.txt", "mid.dat"}));
    // The selection followed its row.
    EXPECT_EQ(list->selectedPaths(), QStringList{path("photos/mid.dat")});
}

TEST_F(FileListPaneTest, OpeningAFolderMovesTheLocationAndTheTree) {
    pressEnterOn("trip");
    EXPECT_EQ(location->folder(), path("photos/trip"));
    EXPECT_EQ(tree->selectedFolder(), path("photos/trip"));
    EXPECT_EQ(list->model().rowCount(), 0);
}

TEST_F(FileListPaneTest, OpeningAnImageShowsTheViewerOverTheFoldersImagesInListOrder) {
    clickHeader(view().detailsView()->header(), int(FileColumn::Name));  // names descending
    int shownIndex = -1;
    QString first, last;
    whenShown([] { return QApplication::activeModalWidget(); },
              [&](QWidget* shown) {
                  auto* viewer = qobject_cast<ImageViewerWindow*>(shown);
                  ASSERT_NE(viewer, nullptr);
                  shownIndex = viewer->currentIndex();
                  viewer->showFirst();
                  first = viewer->currentPath();
                  viewer->showLast();
                  last = viewer->currentPath();
              });
    pressEnterOn("a.jpg");
    EXPECT_EQ(shownIndex, 1);
    EXPECT_EQ(first, path("photos/b.png"));
    EXPECT_EQ(last, path("photos/a.jpg"));
}

TEST_F(FileListPaneTest, AlbumsAreHandedOnAndOtherFilesGoToTheDesktop) {
    QSignalSpy albums(context.get(), &AppContext::openAlbumRequested);
    pressEnterOn("album.www");
    ASSERT_EQ(albums.count(), 1);
    EXPECT_EQ(albums.at(0).at(0).toString(), path("photos/album.www"));

    pressEnterOn("notes.txt");
    EXPECT_EQ(prompts.opened, QStringList{path("photos/notes.txt")});
    EXPECT_TRUE(prompts.errors.isEmpty());
    prompts.openSucceeds = false;
    pressEnterOn("notes.txt");
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors.first().contains(path("photos/notes.txt")));
    EXPECT_TRUE(prompts.opened.filter("album.www").isEmpty());
}

TEST_F(FileListPaneTest, ConvertImagesIsOfferedOnlyWhenEverySelectedEntryIsAnImage) {
    context->setFocusedPane(list.get());
    QAction* convert = context->commands().action(CommandId::ConvertImages);
    const std::pair<QStringList, bool> rows[] = {
        {{}, false},
        {{"a.jpg"}, true},
        {{"a.jpg", "b.png"}, true},
        {{"a.jpg", "notes.txt"}, false},
        {{"b.png", "trip"}, false},
    };
    for (const auto& [names, enabled] : rows) {
        select(names);
        EXPECT_EQ(convert->isEnabled(), enabled) << names.join(',').toStdString();
    }

    // The context menu of a right-click on an image holds only the command.
    select({});
    QStringList menuTexts;
    whenShown([] { return QApplication::activePopupWidget(); },
              [&](QWidget* shown) {
                  for (QAction* action : static_cast<QMenu*>(shown)->actions())
                      menuTexts << action->text();
              });
    const QRect rect = view().currentView()->visualRect(rowNamed("b.png"));
    QContextMenuEvent event(QContextMenuEvent::Mouse, rect.center(),
                            view().currentView()->viewport()->mapToGlobal(rect.center()));
    QApplication::sendEvent(view().currentView()->viewport(), &event);
    EXPECT_EQ(menuTexts, QStringList{convert->text()});
    EXPECT_EQ(list->selectedPaths(), QStringList{path("photos/b.png")});

    QSignalSpy requests(context.get(), &AppContext::convertImagesRequested);
    select({"a.jpg", "b.png"});
    convert->trigger();
    ASSERT_EQ(requests.count(), 1);
    EXPECT_EQ(requests.at(0).at(0).toStringList(),
              (QStringList{path("photos/a.jpg"), path("photos/b.png")}));
}

TEST_F(FileListPaneTest, RowsDragAsFileUrls) {
    std::unique_ptr<QMimeData> mime(list->model().mimeData(
        {rowNamed("trip"), rowNamed("b.png"), rowNamed("b.png").siblingAtColumn(2)}));
    EXPECT_EQ(diskPaths(*mime), (QStringList{path("photos/trip"), path("photos/b.png")}));
}

TEST_F(FileListPaneTest, WritingIntoTheShownFolderShowsTheNewFiles) {
    ASSERT_TRUE(writeBytes(path("photos/new.txt"), "x"));
    context->announceFolderContentsChanged(path("elsewhere"));
    EXPECT_FALSE(shownNames().contains("new.txt"));
    context->announceFolderContentsChanged(path("photos/trip/.."));
    EXPECT_TRUE(shownNames().contains("new.txt"));
}

// Tiles of the files in one folder wait at a gate until it opens.
class GatedTiles {
public:
    explicit GatedTiles(QString gatedFolder) : gated_(std::move(gatedFolder)) {}
    ThumbnailLoader::TileMaker maker() {
        return [this](const QString& path, const std::atomic<bool>* stop) {
            if (QFileInfo(path).absolutePath() == gated_) {
                std::unique_lock lock(mutex_);
                ++waiting_;
                opened_.wait(lock, [this] { return open_; });
            }
            return makeThumbnailTile(path, stop);
        };
    }
    int waiting() {
        std::lock_guard lock(mutex_);
        return waiting_;
    }
    void open() {
        std::lock_guard lock(mutex_);
        open_ = true;
        opened_.notify_all();
    }

private:
    QString gated_;
    std::mutex mutex_;
    std::condition_variable opened_;
    bool open_ = false;
    int waiting_ = 0;
};

TEST_F(FileListPaneTest, SwitchingFoldersMidwayShowsOnlyTheNewFoldersTiles) {
    ASSERT_TRUE(writePicture(path("photos/trip/c.png"), 90, 90, kImagePng));
    GatedTiles gate(path("photos"));
    ThumbnailLoader loader(gate.maker(), 1);
    view().setThumbnailLoader(&loader);
    QSignalSpy updated(&view(), &ListViewBase::thumbnailUpdated);
    list->runCommand(CommandId::Thumbnails);
    view().currentView()->viewport()->repaint();
    ASSERT_TRUE(QTest::qWaitFor([&] { return gate.waiting() == 1; }));

    location->setFolder(path("photos/trip"));
    view().currentView()->viewport()->repaint();
    gate.open();
    const QModelIndex c = rowNamed("c.png");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view().thumbnail(c).isNull(); }));
    loader.waitForDone();
    QApplication::processEvents();
    ASSERT_EQ(updated.count(), 1);
    EXPECT_EQ(updated.at(0).at(0).toString(), path("photos/trip/c.png"));
    view().setThumbnailLoader(nullptr);
}

TEST_F(FileListPaneTest, HostileFilesKeepTheirIconsAndTheListWorks) {
    QByteArray jpeg;
    {
        ASSERT_TRUE(writePicture(path("photos/whole.jpg"), 300, 200, kImageJpeg));
        QFile whole(path("photos/whole.jpg"));
        ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
        jpeg = whole.readAll();
    }
    ASSERT_TRUE(writeBytes(path("photos/truncated.jpg"), jpeg.left(jpeg.size() / 3)));
    ASSERT_TRUE(writeBytes(path("photos/huge.bmp"), bmpHeaderOnly(200'000, 200'000)));
    ASSERT_TRUE(writeBytes(path("photos/garbage.png"), QByteArray(4000, '\x89')));
    location->refresh();
    QSignalSpy updated(&view(), &ListViewBase::thumbnailUpdated);
    list->runCommand(CommandId::Thumbnails);
    view().currentView()->viewport()->repaint();
    // Every one of the six images was tried off the GUI thread.
    ASSERT_TRUE(QTest::qWaitFor([&] { return updated.count() == 6; }));

    EXPECT_FALSE(view().thumbnail(rowNamed("b.png")).isNull());
    EXPECT_FALSE(view().thumbnail(rowNamed("whole.jpg")).isNull());
    EXPECT_TRUE(view().thumbnail(rowNamed("huge.bmp")).isNull());
    EXPECT_TRUE(view().thumbnail(rowNamed("garbage.png")).isNull());
    EXPECT_EQ(rowNamed("huge.bmp").siblingAtColumn(1).data().toString(), "1 KB");
    // The viewer opens on the truncated file at its place among the images.
    int shownIndex = -1;
    whenShown([] { return QApplication::activeModalWidget(); },
              [&](QWidget* shown) {
                  shownIndex = static_cast<ImageViewerWindow*>(shown)->currentIndex();
              });
    pressEnterOn("truncated.jpg");
    EXPECT_EQ(shownIndex, 4);  // after a.jpg, b.png, garbage.png and huge.bmp
}

}  // namespace
}  // namespace pictavo::test
