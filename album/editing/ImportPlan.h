#pragma once
// ImportPlan: what an import from disk will add to the album, worked out
// before the album is touched. A plan is plain data (no album pointers): a
// walk of the disk builds it on any thread (ImportWalk.h), and applying it
// to a folder of the album adds its folders and pages in the plan's order.
//
// Items are in the order the import adds them, folders before their
// contents (pre-order). Each item names its depth: depth 0 goes into the
// target folder, depth n into the last folder item of depth n - 1 before it.
//
// Threading: a plan is built and read on any thread; applyImportPlan edits
// the album and runs on the GUI thread, like every edit.

#include "album/Album.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace pictavo {

struct ImportItem {
    enum class Type { Folder, ImagePage, TextPage };

    Type type = Type::TextPage;
    int depth = 0;
    QString caption;
    QString path;  // absolute: a page's url, or the disk folder a folder comes from
};

struct ImportPlan {
    std::vector<ImportItem> items;
    QStringList problems;  // "<path>: <reason>" per entry left out

    int folderCount() const;
    int pageCount() const;
};

struct ImportResult {
    int pagesAdded = 0;
    int foldersAdded = 0;
    QStringList problems;  // the plan's problems

    bool addedAnything() const { return pagesAdded > 0 || foldersAdded > 0; }
    ImportResult& operator+=(const ImportResult& other);
};

// Adds plan's items to target through tree (observers told, album
// modified). Nothing happens when target is null. An item deeper than the
// folders before it allow is left out.
ImportResult applyImportPlan(AlbumTree& tree, CSiteFolder* target, const ImportPlan& plan);

}  // namespace pictavo
