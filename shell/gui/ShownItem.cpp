#include "shell/gui/ShownItem.h"

#include "album/AlbumTree.h"

namespace pictavo {

ShownItem::ShownItem(AlbumTree& tree, QObject* parent) : QObject(parent), tree_(tree) {
    tree_.addObserver(this);
}

ShownItem::~ShownItem() {
    tree_.removeObserver(this);
}

void ShownItem::showNode(const SiteNodeRef& node) {
    set(node, QString());
}

void ShownItem::showFile(const QString& path) {
    set(SiteNodeRef(), path);
}

void ShownItem::clear() {
    set(SiteNodeRef(), QString());
}

void ShownItem::set(const SiteNodeRef& node, const QString& path) {
    if (node.kind == node_.kind && node.folder == node_.folder && node.page == node_.page &&
        path == filePath_)
        return;
    node_ = node;
    filePath_ = path;
    emit changed();
}

void ShownItem::folderAboutToBeRemoved(CSiteFolder* parent, int index) {
    if (node_.folder && node_.folder->isSameOrInside(parent->child(index)))
        clear();
}

void ShownItem::pagesAboutToBeRemoved(CSiteFolder* folder, int first, int last) {
    if (node_.kind != SiteNodeKind::Page || node_.folder != folder)
        return;
    const int index = folder->indexOfPage(node_.page);
    if (index >= first && index <= last)
        clear();
}

void ShownItem::aboutToReset() {
    restoring_ = {};
    if (tree_.isRestoring() && node_.folder) {
        restoring_.kind = node_.kind;
        restoring_.folderId = node_.folder->id;
        if (node_.page)
            restoring_.pageIndex = node_.folder->indexOfPage(node_.page);
    }
    // Quietly: the pointers go stale now, and changed() follows in resetDone.
    node_ = {};
}

void ShownItem::resetDone() {
    CSiteFolder* folder =
        restoring_.kind == SiteNodeKind::None ? nullptr : tree_.findFolderById(restoring_.folderId);
    if (folder && restoring_.kind == SiteNodeKind::Folder) {
        node_ = SiteNodeRef::forFolder(folder);
    } else if (folder && restoring_.pageIndex >= 0 &&
               restoring_.pageIndex < folder->pageListSize()) {
        node_ = SiteNodeRef::forPage(folder, folder->page(restoring_.pageIndex));
    }
    restoring_ = {};
    emit changed();
}

}  // namespace pictavo
