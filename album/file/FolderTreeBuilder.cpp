#include "album/file/FolderTreeBuilder.h"

namespace pictavo {

void FolderTreeBuilder::add(std::unique_ptr<CSiteFolder> folder) {
    if (!root_) {
        previous_ = folder.get();
        previousDepth_ = 0;
        root_ = std::move(folder);
        return;
    }
    // 64-bit: col values come from the file and may be anything.
    const qint64 step = static_cast<qint64>(folder->col) - previous_->col;
    CSiteFolder* parent = previous_->parent();
    int parentDepth = previousDepth_ - 1;
    if (step > 0 && previousDepth_ < kMaxFolderDepth) {
        parent = previous_;
        parentDepth = previousDepth_;
    }
    for (qint64 up = step; up < 0 && parent; ++up) {
        parent = parent->parent();
        --parentDepth;
    }
    if (!parent) {
        parent = root_.get();
        parentDepth = 0;
    }
    previous_ = parent->appendDetachedChild(std::move(folder));
    previousDepth_ = parentDepth + 1;
}

}  // namespace pictavo
