// The file list pane through its real views: texts and sorting by header
// clicks, opening entries, Convert Images, dragging, thumbnails of a folder
// left mid-way, and hostile files.
#include "ExplorerFixture.h"
#include "GatedTileMaker.h"
#include "WidgetEvents.h"

#include "album/mime/DragMime.h"
#include "imaging/gui/ImageViewerWindow.h"
#include "shell/gui/ThumbnailLoader.h"
#include "shell/gui/ThumbnailMaker.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTreeView>

#include <sys/stat.h>

namespace pictavo::test {
namespace {

using FileListPaneTest = ExplorerFixture;

TEST_F(FileListPaneTest, EveryHeaderClickFlipsTheDirectionAndFoldersStayFirst) {
    ASSERT_TRUE(writeBytes(path("photos/big.dat"), QByteArray(10 * 1024, 'x')));
    ASSERT_TRUE(writeBytes(path("photos/mid.dat"), QByteArray(9 * 1024, 'x')));
    location->refresh();
    EXPECT_EQ(rowNamed("trip").siblingAtColumn(2).data().toString(), "Folder");
    EXPECT_EQ(rowNamed("mid.dat").siblingAtColumn(1).data().toString(), "9 KB");
    select({"mid.dat"});
    QHeaderView* header = view().detailsView()->header();
    auto clickHeader = [&](FileColumn column) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(int(column)) + 5, 5));
        return shownNames();
    };
    // Descending, ascending, then names descending: the direction flips
    // whichever column is clicked; 10 KB is bigger than 9 KB.
    EXPECT_EQ(clickHeader(FileColumn::Size).mid(0, 3), (QStringList{"trip", "big.dat", "mid.dat"}));
    EXPECT_EQ(clickHeader(FileColumn::Size).mid(0, 2), (QStringList{"trip", "album.www"}));
    EXPECT_EQ(clickHeader(FileColumn::Name).mid(0, 3),
              (QStringList{"trip", "notes.txt", "mid.dat"}));
    EXPECT_EQ(list->selectedPaths(), QStringList{path("photos/mid.dat")});  // followed its row
}

TEST_F(FileListPaneTest, OpeningAFolderMovesTheLocationAndTheTree) {
    pressEnterOn("trip");
    EXPECT_EQ(location->folder(), path("photos/trip"));
    EXPECT_EQ(tree->selectedFolder(), path("photos/trip"));
    EXPECT_EQ(list->model().rowCount(), 0);
}

TEST_F(FileListPaneTest, OpeningAnImageShowsTheViewerOverTheFoldersImagesInListOrder) {
    emit view().detailsView()->header()->sectionClicked(int(FileColumn::Name));  // descending
    int shownIndex = -1;
    QStringList seen;
    whenShown([] { return QApplication::activeModalWidget(); },
              [&](QWidget* shown) {
                  auto* viewer = qobject_cast<ImageViewerWindow*>(shown);
                  ASSERT_NE(viewer, nullptr);
                  shownIndex = viewer->currentIndex();
                  viewer->showFirst();
                  seen << viewer->currentPath();
                  viewer->showLast();
                  seen << viewer->currentPath();
              });
    pressEnterOn("a.jpg");
    EXPECT_EQ(shownIndex, 1);
    EXPECT_EQ(seen, (QStringList{path("photos/b.png"), path("photos/a.jpg")}));
}

TEST_F(FileListPaneTest, AlbumsAreHandedOnAndOtherFilesGoToTheDesktop) {
    QSignalSpy albums(context.get(), &AppContext::openAlbumRequested);
    pressEnterOn("album.www");
    ASSERT_EQ(albums.count(), 1);
    EXPECT_EQ(albums.at(0).at(0).toString(), path("photos/album.www"));
    pressEnterOn("notes.txt");
    prompts.openSucceeds = false;
    pressEnterOn("notes.txt");
    EXPECT_EQ(prompts.opened, QStringList(2, path("photos/notes.txt")));
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors.first().contains(path("photos/notes.txt")));
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

    // A right-click on an image selects it; its menu holds only the command.
    select({"a.jpg", "notes.txt"});
    QStringList menuTexts;
    whenShown([] { return QApplication::activePopupWidget(); },
              [&](QWidget* shown) {
                  for (QAction* action : static_cast<QMenu*>(shown)->actions())
                      menuTexts << action->text();
              });
    sendRightClick(view().currentView()->viewport(),
                   view().currentView()->visualRect(rowNamed("b.png")).center());
    EXPECT_EQ(menuTexts, QStringList{convert->text()});

    QSignalSpy requests(context.get(), &AppContext::convertImagesRequested);
    select({"b.png", "a.jpg"});
    convert->trigger();
    ASSERT_EQ(requests.count(), 1);
    EXPECT_EQ(requests.at(0).at(0).toStringList(),
              (QStringList{path("photos/a.jpg"), path("photos/b.png")}));
}

TEST_F(FileListPaneTest, OneSelectedFileIsShownInThePropertyArea) {
    // A folder leaves the property area as it was.
    select({"notes.txt"});
    EXPECT_EQ(context->shownItem().filePath(), path("photos/notes.txt"));
    select({"trip"});
    EXPECT_EQ(context->shownItem().filePath(), path("photos/notes.txt"));
    select({"b.png"});
    EXPECT_EQ(context->shownItem().filePath(), path("photos/b.png"));
}

TEST_F(FileListPaneTest, RowsDragAsFileUrlsAndWritesIntoTheShownFolderAreShown) {
    std::unique_ptr<QMimeData> mime(list->model().mimeData(
        {rowNamed("trip"), rowNamed("b.png"), rowNamed("b.png").siblingAtColumn(2)}));
    EXPECT_EQ(diskPaths(*mime), (QStringList{path("photos/trip"), path("photos/b.png")}));
    ASSERT_TRUE(writeBytes(path("photos/new.txt"), "x"));
    context->announceFolderContentsChanged(path("empty"));
    EXPECT_FALSE(shownNames().contains("new.txt"));
    context->announceFolderContentsChanged(path("photos/trip/.."));
    EXPECT_TRUE(shownNames().contains("new.txt"));
}

TEST_F(FileListPaneTest, SwitchingFoldersMidwayShowsOnlyTheNewFoldersTiles) {
    ASSERT_TRUE(writePicture(path("photos/trip/c.png"), 90, 90, kImagePng));
    GatedTileMaker gate;  // the first tile of the photos folder waits until it was left
    ThumbnailLoader loader(gate.maker(), 1);
    view().setThumbnailLoader(&loader);
    QSignalSpy updated(&view(), &ListViewBase::thumbnailUpdated);
    gate.close();
    list->runCommand(CommandId::Thumbnails);
    view().currentView()->viewport()->repaint();
    ASSERT_TRUE(QTest::qWaitFor([&] { return gate.made().size() == 1; }));
    location->setFolder(path("photos/trip"));
    view().currentView()->viewport()->repaint();
    gate.open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view().thumbnail(rowNamed("c.png")).isNull(); }));
    loader.waitForDone();
    QApplication::processEvents();
    EXPECT_EQ(gate.made(), (QStringList{"a.jpg", "c.png"}));  // b.png was never made
    EXPECT_EQ(updated.count(), 1);
    view().setThumbnailLoader(nullptr);
}

TEST_F(FileListPaneTest, HostileFilesKeepTheirIconsAndTheListWorks) {
    ASSERT_TRUE(writePicture(path("photos/whole.jpg"), 300, 200, kImageJpeg));
    const QByteArray whole = readBytes(path("photos/whole.jpg"));
    ASSERT_TRUE(writeBytes(path("photos/truncated.jpg"), whole.left(whole.size() / 3)));
    ASSERT_TRUE(writeBytes(path("photos/huge.bmp"), bmpHeaderOnly(200'000, 200'000)));
    ASSERT_TRUE(writeBytes(path("photos/garbage.png"), QByteArray(4000, '\x89')));
    // A named pipe would block whoever opens it: it is not listed at all.
    ASSERT_EQ(mkfifo(QFile::encodeName(path("photos/pipe.jpg")).constData(), 0600), 0);
    location->refresh();
    QSignalSpy updated(&view(), &ListViewBase::thumbnailUpdated);
    list->runCommand(CommandId::Thumbnails);
    view().currentView()->viewport()->repaint();
    // Every one of the six images was tried off the GUI thread.
    ASSERT_TRUE(QTest::qWaitFor([&] { return updated.count() == 6; }));
    EXPECT_FALSE(view().thumbnail(rowNamed("whole.jpg")).isNull());
    EXPECT_TRUE(view().thumbnail(rowNamed("huge.bmp")).isNull());
    EXPECT_TRUE(view().thumbnail(rowNamed("garbage.png")).isNull());

    // The viewer opens on the truncated file at its place among the images.
    int shownIndex = -1;
    whenShown([] { return QApplication::activeModalWidget(); },
              [&](QWidget* shown) {
                  shownIndex = static_cast<ImageViewerWindow*>(shown)->currentIndex();
              });
    pressEnterOn("truncated.jpg");
    EXPECT_EQ(shownIndex, 4);  // after a.jpg, b.png, garbage.png and huge.bmp
    EXPECT_FALSE(shownNames().contains("pipe.jpg"));
}

}  // namespace
}  // namespace pictavo::test
