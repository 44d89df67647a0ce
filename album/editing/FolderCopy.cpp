#include "album/editing/FolderCopy.h"

namespace pictavo {

int sortedChildIndex(const CSiteFolder& parent, const QString& caption) {
    for (int i = 0; i < parent.childCount(); ++i) {
        if (QString::compare(caption, parent.child(i)->caption, Qt::CaseInsensitive) < 0)
            return i;
    }
    return parent.childCount();
}

bool canCopyUnder(const CSiteFolder* source, const CSiteFolder* parent) {
    return source && parent && !parent->isSameOrInside(source);
}

namespace {

CSiteFolder* copyInto(AlbumTree& tree, const CSiteFolder& source, CSiteFolder& parent) {
    std::unique_ptr<CSiteFolder> copy = source.cloneWithoutChildren();
    copy->id = tree.takeNextFolderId();
    const int index = sortedChildIndex(parent, copy->caption);
    CSiteFolder* inserted = tree.adoptFolder(&parent, std::move(copy), index);
    // The copy never lies inside source (checked by the caller), so source's
    // child list does not change while it is walked here.
    for (const auto& child : source.children())
        copyInto(tree, *child, *inserted);
    return inserted;
}

}  // namespace

CSiteFolder* copySubtree(AlbumTree& tree, const CSiteFolder* source, CSiteFolder* parent) {
    if (!canCopyUnder(source, parent))
        return nullptr;
    return copyInto(tree, *source, *parent);
}

}  // namespace pictavo
