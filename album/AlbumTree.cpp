#include "album/AlbumTree.h"

#include <algorithm>

namespace pictavo {

namespace {

const QString kRootCaption = QStringLiteral("Index");

void walkFrom(CSiteFolder* folder, int depth,
              const std::function<void(CSiteFolder*, int)>& visit) {
    visit(folder, depth);
    for (const auto& child : folder->children()) walkFrom(child.get(), depth + 1, visit);
}

}  // namespace

AlbumTree::AlbumTree() { reset(); }

AlbumTree::~AlbumTree() = default;

template <typename F>
void AlbumTree::notify(F&& call) {
    // Copy: an observer may remove itself while being called.
    const std::vector<AlbumObserver*> observers = observers_;
    for (AlbumObserver* observer : observers) call(observer);
}

void AlbumTree::reset() {
    auto root = std::make_unique<CSiteFolder>();
    root->caption = kRootCaption;
    root->id = 0;
    replaceRoot(std::move(root), 1);
}

void AlbumTree::replaceRoot(std::unique_ptr<CSiteFolder> root, int nextFolderId) {
    notify([](AlbumObserver* o) { o->aboutToReset(); });
    root_ = std::move(root);
    if (root_) root_->parent_ = nullptr;
    nextFolderId_ = nextFolderId;
    albumChanged_ = true;
    cdAlbumChanged_ = true;
    notify([](AlbumObserver* o) { o->resetDone(); });
    setModified(false);
    albumChanged_ = true;
    cdAlbumChanged_ = true;
}

CSiteFolder* AlbumTree::insertFolder(CSiteFolder* parent, const QString& caption, int index) {
    if (!parent) return nullptr;  // without a parent no id is used up
    auto folder = std::make_unique<CSiteFolder>();
    folder->caption = caption;
    folder->id = takeNextFolderId();
    return adoptFolder(parent, std::move(folder), index);
}

CSiteFolder* AlbumTree::adoptFolder(CSiteFolder* parent, std::unique_ptr<CSiteFolder> folder,
                                    int index) {
    if (!parent || !folder) return nullptr;
    auto& children = parent->children_;
    if (index < 0 || index > static_cast<int>(children.size()))
        index = static_cast<int>(children.size());
    notify([&](AlbumObserver* o) { o->folderAboutToBeInserted(parent, index); });
    folder->parent_ = parent;
    CSiteFolder* inserted = folder.get();
    children.insert(children.begin() + index, std::move(folder));
    notify([&](AlbumObserver* o) { o->folderInserted(parent, index); });
    setModified(true);
    return inserted;
}

bool AlbumTree::removeFolder(CSiteFolder* folder) {
    if (!folder || !folder->parent_) return false;
    CSiteFolder* parent = folder->parent_;
    const int index = folder->indexInParent();
    notify([&](AlbumObserver* o) { o->folderAboutToBeRemoved(parent, index); });
    // Take ownership first so the subtree is destroyed after the list is
    // consistent again.
    std::unique_ptr<CSiteFolder> removed = std::move(parent->children_[index]);
    parent->children_.erase(parent->children_.begin() + index);
    removed.reset();
    notify([&](AlbumObserver* o) { o->folderRemoved(parent, index); });
    setModified(true);
    return true;
}

bool AlbumTree::moveFolder(CSiteFolder* folder, int newIndex) {
    if (!folder || !folder->parent_) return false;
    CSiteFolder* parent = folder->parent_;
    auto& children = parent->children_;
    const int from = folder->indexInParent();
    if (newIndex < 0 || newIndex >= static_cast<int>(children.size()) || newIndex == from)
        return false;
    notify([&](AlbumObserver* o) { o->folderAboutToBeMoved(parent, from, newIndex); });
    std::unique_ptr<CSiteFolder> moving = std::move(children[from]);
    children.erase(children.begin() + from);
    children.insert(children.begin() + newIndex, std::move(moving));
    notify([&](AlbumObserver* o) { o->folderMoved(parent, from, newIndex); });
    setModified(true);
    return true;
}

CSitePage* AlbumTree::appendPage(CSiteFolder* folder, std::unique_ptr<CSitePage> page) {
    if (!folder || !page) return nullptr;
    const int index = static_cast<int>(folder->pages_.size());
    notify([&](AlbumObserver* o) { o->pagesAboutToBeInserted(folder, index, index); });
    page->id = folder->pagecount;
    CSitePage* appended = page.get();
    folder->pages_.push_back(std::move(page));
    folder->pagecount += 1;
    notify([&](AlbumObserver* o) { o->pagesInserted(folder, index, index); });
    setModified(true);
    return appended;
}

bool AlbumTree::removePage(CSiteFolder* folder, int index) {
    if (!folder || index < 0 || index >= folder->pageListSize()) return false;
    notify([&](AlbumObserver* o) { o->pagesAboutToBeRemoved(folder, index, index); });
    const int removedId = folder->pages_[index]->id;
    for (auto& page : folder->pages_) {
        if (page->id > removedId) page->id -= 1;
    }
    folder->pages_.erase(folder->pages_.begin() + index);
    folder->pagecount -= 1;
    notify([&](AlbumObserver* o) { o->pagesRemoved(folder, index, index); });
    setModified(true);
    return true;
}

bool AlbumTree::movePage(CSiteFolder* folder, int from, int to) {
    if (!folder) return false;
    const int size = folder->pageListSize();
    if (from < 0 || from >= size || to < 0 || to >= size || from == to) return false;
    notify([&](AlbumObserver* o) { o->pageAboutToBeMoved(folder, from, to); });
    std::unique_ptr<CSitePage> moving = std::move(folder->pages_[from]);
    folder->pages_.erase(folder->pages_.begin() + from);
    folder->pages_.insert(folder->pages_.begin() + to, std::move(moving));
    notify([&](AlbumObserver* o) { o->pageMoved(folder, from, to); });
    renumberPages(folder);
    setModified(true);
    return true;
}

void AlbumTree::renumberPages(CSiteFolder* folder) {
    if (!folder) return;
    folder->pagecount = folder->pageListSize();
    for (int i = 0; i < folder->pageListSize(); ++i) {
        if (folder->pages_[i]->id == i) continue;
        folder->pages_[i]->id = i;
        notify([&](AlbumObserver* o) { o->pageChanged(folder, i); });
    }
}

void AlbumTree::editFolder(CSiteFolder* folder, const std::function<void(CSiteFolder&)>& edit) {
    if (!folder) return;
    edit(*folder);
    notify([&](AlbumObserver* o) { o->folderChanged(folder); });
    setModified(true);
}

void AlbumTree::editPage(CSiteFolder* folder, int index,
                         const std::function<void(CSitePage&)>& edit) {
    if (!folder || index < 0 || index >= folder->pageListSize()) return;
    edit(*folder->pages_[index]);
    notify([&](AlbumObserver* o) { o->pageChanged(folder, index); });
    setModified(true);
}

void AlbumTree::walk(const std::function<void(CSiteFolder*, int)>& visit) const {
    if (root_) walkFrom(root_.get(), 0, visit);
}

CSiteFolder* AlbumTree::findFolderById(int id) const {
    CSiteFolder* found = nullptr;
    walk([&](CSiteFolder* folder, int) {
        if (!found && folder->id == id) found = folder;
    });
    return found;
}

void AlbumTree::setCounters(const Counters& counters) {
    nextFolderId_ = counters.nextFolderId;
    newFolderNumber_ = counters.newFolderNumber;
    nextLinkNumber_ = counters.nextLinkNumber;
}

void AlbumTree::setModified(bool modified) {
    if (modified) {
        albumChanged_ = true;
        cdAlbumChanged_ = true;
    }
    if (modified_ == modified) return;
    modified_ = modified;
    notify([&](AlbumObserver* o) { o->modifiedChanged(modified); });
}

void AlbumTree::addObserver(AlbumObserver* observer) {
    if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void AlbumTree::removeObserver(AlbumObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

}  // namespace pictavo
