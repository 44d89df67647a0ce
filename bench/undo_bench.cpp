// Undo benchmark (not a test): what one undoable edit costs on a large
// album. Every step through AlbumUndoStack (AppContext::edit in the GUI)
// snapshots the whole album before and after the edit (the album file's
// bytes, compressed), and undo or redo parses a snapshot back. For an album
// of N pages (default 100,000) in folders of 100, it prints the best of
// several runs, in milliseconds, of
//   serialize   the album as file bytes
//   compress    those bytes (qCompress at level 1, as the stack does)
//   edit        one step renaming one page (two snapshots)
//   undo        taking that step back (uncompress and parse)
//   import      the whole album added from an import plan as one step
//               (applying the plan, snapshots of the empty and the full album)
// and the size of one snapshot.
//
//   undo_bench [--runs N] [PAGES]
#include "album/Album.h"
#include "album/editing/ImportPlan.h"
#include "album/file/AlbumFile.h"
#include "album/undo/AlbumUndoStack.h"
#include "bench/BestTime.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using namespace pictavo;
using bench::bestMs;

constexpr int kPagesPerFolder = 100;

// An import of pages image pages in folders of 100, as a walk would plan it.
ImportPlan planOf(int pages) {
    ImportPlan plan;
    for (int i = 0; i < pages; ++i) {
        if (i % kPagesPerFolder == 0)
            plan.items.push_back({ImportItem::Type::Folder, 0,
                                  QStringLiteral("Folder %1").arg(i / kPagesPerFolder), QString()});
        plan.items.push_back({ImportItem::Type::ImagePage, 1, QStringLiteral("Photo %1").arg(i),
                              QStringLiteral("/home/user/photos/2024/trip/IMG_%1.jpg")
                                  .arg(i, 6, 10, QLatin1Char('0'))});
    }
    return plan;
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

    const ImportPlan plan = planOf(pages);
    std::vector<std::unique_ptr<Album>> empty;
    for (int i = 0; i < runs; ++i)
        empty.push_back(std::make_unique<Album>());
    std::size_t next = 0;
    const double import = bestMs(runs, [&] {
        Album& into = *empty[next++];
        AlbumUndoStack steps(into);
        steps.perform(QStringLiteral("Import"), [&] {
            return applyImportPlan(into.tree, into.tree.root(), plan).addedAnything();
        });
    });

    Album album;
    (void)applyImportPlan(album.tree, album.tree.root(), plan);
    AlbumUndoStack undo(album);
    const QByteArray bytes = serializeAlbum(album);
    const QByteArray compressed = qCompress(bytes, 1);

    const double serialize = bestMs(runs, [&] { (void)serializeAlbum(album); });
    const double compress = bestMs(runs, [&] { (void)qCompress(bytes, 1); });
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
    std::printf("import    %8.1f ms  (the whole album applied from a plan as one step)\n", import);
    return 0;
}
