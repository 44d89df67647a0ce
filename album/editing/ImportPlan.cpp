#include "album/editing/ImportPlan.h"

#include <algorithm>

namespace pictavo {

namespace {

bool isFolder(const ImportItem& item) {
    return item.type == ImportItem::Type::Folder;
}

std::unique_ptr<CSitePage> pageFor(const ImportItem& item) {
    auto page = std::make_unique<CSitePage>();
    page->url = item.path;
    page->caption = item.caption;
    page->lnkstyle = item.type == ImportItem::Type::ImagePage ? kImageLink : kTextLink;
    return page;
}

}  // namespace

int ImportPlan::folderCount() const {
    return static_cast<int>(std::count_if(items.begin(), items.end(), isFolder));
}

int ImportPlan::pageCount() const {
    return static_cast<int>(items.size()) - folderCount();
}

ImportResult& ImportResult::operator+=(const ImportResult& other) {
    pagesAdded += other.pagesAdded;
    foldersAdded += other.foldersAdded;
    problems += other.problems;
    return *this;
}

ImportResult applyImportPlan(AlbumTree& tree, CSiteFolder* target, const ImportPlan& plan) {
    if (!target)
        return {};
    ImportResult result;
    result.problems = plan.problems;
    // parents[d]: the folder that items of depth d go into.
    std::vector<CSiteFolder*> parents{target};
    for (const ImportItem& item : plan.items) {
        if (item.depth < 0 || item.depth >= static_cast<int>(parents.size()))
            continue;
        parents.resize(static_cast<std::size_t>(item.depth) + 1);
        if (isFolder(item)) {
            parents.push_back(tree.insertFolder(parents.back(), item.caption));
            result.foldersAdded += 1;
        } else {
            tree.appendPage(parents.back(), pageFor(item));
            result.pagesAdded += 1;
        }
    }
    return result;
}

}  // namespace pictavo
