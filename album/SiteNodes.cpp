#include "album/SiteNodes.h"

#include <algorithm>

namespace pictavo {

int CSiteFolder::indexInParent() const {
    if (!parent_) return 0;
    const auto& siblings = parent_->children_;
    const auto it = std::find_if(siblings.begin(), siblings.end(),
                                 [this](const auto& child) { return child.get() == this; });
    return static_cast<int>(it - siblings.begin());
}

int CSiteFolder::indexOfPage(const CSitePage* page) const {
    const auto it = std::find_if(pages_.begin(), pages_.end(),
                                 [page](const auto& p) { return p.get() == page; });
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

bool CSiteFolder::isSameOrInside(const CSiteFolder* other) const {
    for (const CSiteFolder* f = this; f; f = f->parent_) {
        if (f == other) return true;
    }
    return false;
}

std::unique_ptr<CSiteFolder> CSiteFolder::cloneWithoutChildren() const {
    auto copy = std::make_unique<CSiteFolder>();
    copy->col = col;
    copy->caption = caption;
    copy->desc = desc;
    copy->url = url;
    copy->rows = rows;
    copy->cols = cols;
    copy->lnkimg = lnkimg;
    copy->posstyle = posstyle;
    copy->lnkstyle = lnkstyle;
    for (const auto& page : pages_) copy->pages_.push_back(std::make_unique<CSitePage>(*page));
    copy->pagecount = static_cast<int>(copy->pages_.size());
    return copy;
}

CSiteFolder* CSiteFolder::appendDetachedChild(std::unique_ptr<CSiteFolder> child) {
    child->parent_ = this;
    children_.push_back(std::move(child));
    return children_.back().get();
}

CSitePage* CSiteFolder::appendDetachedPage(std::unique_ptr<CSitePage> page) {
    pages_.push_back(std::move(page));
    return pages_.back().get();
}

}  // namespace pictavo
