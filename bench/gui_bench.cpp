// GUI benchmark (not a test), run by bench/gui-bench.sh:
//   gui_bench PHOTO_FOLDER [ROWS]
//
// Thumbnails: the file list in the thumbnail style shows PHOTO_FOLDER, then
// the album folder list an album folder of its photos. For each it prints the time until every tile
// of the first screen is shown, the time until every tile of the folder is shown (scrolling one
// page on whenever the screen is complete), the longest time the event loop was held up meanwhile,
// and the time until the first screen is complete again when the folder is shown a second time (the
// tile cache).
//
// Rows: the album tree, the album folder list and the file list, each with
// ROWS rows (default 10,000) in one folder. It prints the time to show the
// folder and the mean and longest time of one page of scrolling.
#include "album/gui/AlbumExplorerPane.h"
#include "album/gui/AlbumFolderListPane.h"
#include "album/gui/AlbumTreeView.h"
#include "shell/explorer/ExplorerLocation.h"
#include "shell/explorer/FileListPane.h"
#include "shell/gui/AppContext.h"
#include "shell/gui/DialogPrompts.h"
#include "shell/gui/ListViewBase.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace pictavo {
namespace {

// The longest gap between two ticks of a 5 ms timer while it runs.
class LoopLatency {
public:
    LoopLatency() {
        QObject::connect(&timer_, &QTimer::timeout,
                         [this] { worst_ = std::max(worst_, clock_.restart()); });
        timer_.start(5);
        clock_.start();
    }
    qint64 worstMs() const { return worst_; }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 worst_ = 0;
};

void runEventsUntil(const std::function<bool()>& done) {
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// The tiles a list has been given, those of files without one included.
class ArrivedTiles {
public:
    explicit ArrivedTiles(ListViewBase& list) : list_(list) {
        QObject::connect(&list, &ListViewBase::thumbnailUpdated,
                         [this](const QString& path) { arrived_.insert(path); });
    }
    void forget() { arrived_.clear(); }

    // True when every row the icon view shows now has its tile (or was
    // told it has none).
    bool screenComplete() const {
        const QListView* view = list_.iconView();
        const QRect visible = view->viewport()->rect();
        for (int row = 0; row < list_.model()->rowCount(); ++row) {
            const QModelIndex index = list_.model()->index(row, 0);
            if (view->visualRect(index).intersects(visible) && list_.thumbnail(index).isNull() &&
                !arrived_.contains(index.data(ListViewBase::FilePathRole).toString()))
                return false;
        }
        return true;
    }

private:
    ListViewBase& list_;
    QSet<QString> arrived_;
};

bool atBottom(const QAbstractScrollArea& area) {
    const QScrollBar* bar = area.verticalScrollBar();
    return bar->value() >= bar->maximum();
}

void pageDown(QAbstractScrollArea& area) {
    QScrollBar* bar = area.verticalScrollBar();
    bar->setValue(bar->value() + bar->pageStep());
}

// Times list's thumbnail style: show() fills it with the photos, showOther()
// with something else.
void benchThumbnails(const char* label, ListViewBase& list, const std::function<void()>& show,
                     const std::function<void()>& showOther) {
    list.setListStyle(ListStyle::Thumbnails);
    QCoreApplication::processEvents();

    ArrivedTiles tiles(list);
    const auto screenComplete = [&] { return tiles.screenComplete(); };
    LoopLatency latency;
    QElapsedTimer clock;
    clock.start();
    show();
    runEventsUntil(screenComplete);
    const qint64 firstScreen = clock.elapsed();
    while (!atBottom(*list.iconView())) {
        pageDown(*list.iconView());
        runEventsUntil(screenComplete);
    }
    const qint64 allTiles = clock.elapsed();
    const qint64 worstLatency = latency.worstMs();

    showOther();
    QCoreApplication::processEvents();
    tiles.forget();
    clock.restart();
    show();
    runEventsUntil(screenComplete);
    std::printf("%s thumbnails of %d rows\n", label, list.model()->rowCount());
    std::printf("  first screen    %7lld ms\n", static_cast<long long>(firstScreen));
    std::printf("  every tile      %7lld ms\n", static_cast<long long>(allTiles));
    std::printf("  longest stall   %7lld ms (event loop)\n", static_cast<long long>(worstLatency));
    std::printf("  shown again     %7lld ms (first screen)\n",
                static_cast<long long>(clock.elapsed()));
}

void benchFileThumbnails(AppContext& context, const QString& photos) {
    QTemporaryDir elsewhere;
    ExplorerLocation location(elsewhere.path());
    FileListPane pane(context, location);
    pane.resize(1024, 600);
    pane.show();
    benchThumbnails(
        "file list", pane.listView(), [&] { location.setFolder(photos); },
        [&] { location.setFolder(elsewhere.path()); });
}

// An album folder with one page per photo, in the album folder list.
void benchAlbumThumbnails(AppContext& context, const QString& photos) {
    AlbumTree& tree = context.album().tree;
    CSiteFolder* folder = tree.insertFolder(tree.root(), QStringLiteral("Photos"));
    for (const QFileInfo& photo : QDir(photos).entryInfoList(QDir::Files, QDir::Name)) {
        auto page = std::make_unique<CSitePage>();
        page->caption = photo.fileName();
        page->url = photo.filePath();
        tree.appendPage(folder, std::move(page));
    }
    AlbumFolderListPane pane(context);
    pane.resize(1024, 600);
    pane.show();
    benchThumbnails(
        "album folder list", *pane.list(), [&] { context.setSelectedFolder(folder); },
        [&] { context.setSelectedFolder(tree.root()); });
    context.setSelectedFolder(tree.root());
    tree.removeFolder(folder);
}

// Shows a folder through show (which must leave the view filled), then
// scrolls view from top to bottom one page at a time, repainting each page.
void benchRows(const char* label, QAbstractItemView& view, const std::function<void()>& show) {
    QElapsedTimer clock;
    clock.start();
    show();
    QCoreApplication::processEvents();
    view.viewport()->repaint();
    const qint64 shown = clock.elapsed();

    qint64 total = 0;
    qint64 worst = 0;
    int pages = 0;
    while (!atBottom(view)) {
        clock.restart();
        pageDown(view);
        view.viewport()->repaint();
        const qint64 step = clock.elapsed();
        total += step;
        worst = std::max(worst, step);
        ++pages;
    }
    std::printf("  %-17s show %5lld ms, scroll %d pages: mean %.1f ms, longest %lld ms\n", label,
                static_cast<long long>(shown), pages, pages ? double(total) / pages : 0.0,
                static_cast<long long>(worst));
}

void benchAlbumRows(AppContext& context, int rows) {
    AlbumTree& tree = context.album().tree;
    CSiteFolder* folders = tree.insertFolder(tree.root(), QStringLiteral("Folders"));
    for (int i = 0; i < rows; ++i)
        tree.insertFolder(folders, QStringLiteral("Folder %1").arg(i));
    CSiteFolder* pages = tree.insertFolder(tree.root(), QStringLiteral("Pages"));
    for (int i = 0; i < rows; ++i) {
        auto page = std::make_unique<CSitePage>();
        page->caption = QStringLiteral("Photo %1").arg(i);
        page->url = QStringLiteral("/photos/photo%1.jpg").arg(i);
        tree.appendPage(pages, std::move(page));
    }

    AlbumExplorerPane explorer(context);
    explorer.resize(300, 700);
    explorer.show();
    benchRows("album tree", *explorer.treeView(), [&] {
        context.setSelectedFolder(folders);
        explorer.treeView()->expand(explorer.treeView()->currentIndex());
    });

    AlbumFolderListPane list(context);
    list.resize(700, 700);
    list.show();
    list.list()->setListStyle(ListStyle::Details);
    benchRows("album folder list", *list.list()->detailsView(),
              [&] { context.setSelectedFolder(pages); });
}

void benchFileRows(AppContext& context, int rows) {
    QTemporaryDir dir;
    for (int i = 0; i < rows; ++i)
        QFile(dir.filePath(QStringLiteral("file%1.dat").arg(i, 5, 10, QLatin1Char('0'))))
            .open(QIODevice::WriteOnly);
    QTemporaryDir elsewhere;
    ExplorerLocation location(elsewhere.path());
    FileListPane pane(context, location);
    pane.resize(700, 700);
    pane.show();
    pane.listView().setListStyle(ListStyle::Details);
    benchRows("file list", *pane.listView().detailsView(), [&] { location.setFolder(dir.path()); });
}

}  // namespace
}  // namespace pictavo

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: gui_bench PHOTO_FOLDER [ROWS]\n");
        return 2;
    }
    const QString photos = QString::fromLocal8Bit(argv[1]);
    const int rows = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10000;

    QTemporaryDir settings;
    pictavo::DialogPrompts prompts;
    pictavo::AppContext context(pictavo::SettingsStore(settings.filePath("bench.ini")), prompts);
    pictavo::benchFileThumbnails(context, photos);
    pictavo::benchAlbumThumbnails(context, photos);
    std::printf("%d rows in one folder\n", rows);
    pictavo::benchAlbumRows(context, rows);
    pictavo::benchFileRows(context, rows);
    return 0;
}
