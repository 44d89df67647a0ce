// Undo benchmark (not a test): what one undoable edit costs on a large
// album. Every step through AlbumUndoStack (AppContext::edit in the GUI)
// snapshots the whole album before and after the edit (the album file's
// bytes, compressed), and undo or redo parses a snapshot back. For an album
// of N pages (default 100,000) in folders of 100, it prints the best of
// several runs, in milliseconds, of
//   serialize   the album as file bytes
//   compress    those bytes (qCompress)
//   edit        one step renaming one page (two snapshots)
//   undo        taking that step back (uncompress and parse)
// and the size of one snapshot.
//
//   undo_bench [--runs N] [PAGES]
#include "album/Album.h"
#include "album/file/AlbumFile.h"
#include "album/undo/AlbumUndoStack.h"
#include "bench/BestTime.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using namespace pictavo;
using bench::bestMs;

constexpr int kPagesPerFolder = 100;

void fill(Album& album, int pages) {
    AlbumTree& tree = album.tree;
    CSiteFolder* folder = nullptr;
    for (int i = 0; i < pages; ++i) {
        if (i % kPagesPerFolder == 0)
            folder = tree.insertFolder(tree.root(),
                                       QStringLiteral("Folder %1").arg(i / kPagesPerFolder));
        auto page = std::make_unique<CSitePage>();
        page->caption = QStringLiteral("Photo %1").arg(i);
        page->url = QStringLiteral("/home/user/photos/2024/trip/IMG_%1.jpg")
                        .arg(i, 6, 10, QLatin1Char('0'));
        page->lnkstyle = kImageLink;
        tree.appendPage(folder, std::move(page));
    }
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 5;
    int pages = 100'000;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else
            pages = std::max(1, std::atoi(argv[i]));
    }

    Album album;
    fill(album, pages);
    AlbumUndoStack undo(album);
    const QByteArray bytes = serializeAlbum(album);
    const QByteArray compressed = qCompress(bytes);

    const double serialize = bestMs(runs, [&] { (void)serializeAlbum(album); });
    const double compress = bestMs(runs, [&] { (void)qCompress(bytes); });
    int n = 0;
    CSiteFolder* folder = album.tree.root()->child(0);
    const double edit = bestMs(runs, [&] {
        undo.perform(QStringLiteral("Rename"), [&] {
            album.tree.editPage(folder, 0, [&](CSitePage& page) {
                page.caption = QStringLiteral("Renamed %1").arg(++n);
            });
            return true;
        });
    });
    const double undoMs = bestMs(runs, [&] {
        undo.undo();
        undo.redo();
    });

    std::printf("album: %d pages in %d folders, file %.1f MB, snapshot %.1f MB compressed\n", pages,
                album.tree.root()->childCount(), bytes.size() / 1e6, compressed.size() / 1e6);
    std::printf("serialize %8.1f ms\n", serialize);
    std::printf("compress  %8.1f ms\n", compress);
    std::printf("edit      %8.1f ms  (one step: snapshots before and after)\n", edit);
    std::printf("undo      %8.1f ms  (restore of one snapshot)\n", undoMs / 2);
    return 0;
}
