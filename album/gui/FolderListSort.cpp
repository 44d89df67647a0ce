#include "album/gui/FolderListSort.h"

#include "album/AlbumTree.h"

#include <algorithm>
#include <vector>

namespace pictavo {

namespace {

const QString& sortKey(const CSitePage& page, int column) {
    return column == 0 ? page.caption : page.url;
}

}  // namespace

bool sortPagesByColumn(AlbumTree& tree, CSiteFolder* folder, int column, Qt::SortOrder order) {
    if (!folder)
        return false;
    std::vector<CSitePage*> sorted;
    for (const auto& page : folder->pages())
        sorted.push_back(page.get());
    std::stable_sort(sorted.begin(), sorted.end(), [&](const CSitePage* a, const CSitePage* b) {
        const int compared =
            QString::compare(sortKey(*a, column), sortKey(*b, column), Qt::CaseInsensitive);
        return order == Qt::AscendingOrder ? compared < 0 : compared > 0;
    });
    bool changed = false;
    for (int position = 0; position < static_cast<int>(sorted.size()); ++position) {
        const int current = folder->indexOfPage(sorted[position]);
        if (current != position)
            changed |= tree.movePage(folder, current, position);
    }
    return changed;
}

}  // namespace pictavo
