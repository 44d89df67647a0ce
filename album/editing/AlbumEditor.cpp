#include "album/editing/AlbumEditor.h"

#include <algorithm>

namespace pictavo {

namespace {

bool isRoot(const CSiteFolder* folder) {
    return folder && !folder->parent();
}

int neighbourIndex(int index, MoveDirection direction) {
    return direction == MoveDirection::Up ? index - 1 : index + 1;
}

CSitePage* pageById(const CSiteFolder& folder, int id) {
    for (const auto& page : folder.pages()) {
        if (page->id == id)
            return page.get();
    }
    return nullptr;
}

template <typename T>
void appendOnce(std::vector<T*>& list, T* item) {
    if (item && std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(item);
}

}  // namespace

DropAction treeDropAction(const CSiteFolder* dragged, const CSiteFolder* target, bool ctrlOnly) {
    if (!dragged || !target)
        return DropAction::Refuse;
    if (target->isSameOrInside(dragged) || target == dragged->parent())
        return DropAction::Refuse;
    return ctrlOnly ? DropAction::Copy : DropAction::Move;
}

AlbumEditor::AlbumEditor(Album& album) : tree_(album.tree) {
    tree_.addObserver(this);
}

AlbumEditor::~AlbumEditor() {
    tree_.removeObserver(this);
}

TreeCommandState AlbumEditor::treeCommandState(const CSiteFolder* selected) const {
    TreeCommandState state;
    state.newFolder = selected != nullptr;
    state.newLink = selected != nullptr;
    const bool notRoot = selected && !isRoot(selected);
    state.cut = notRoot;
    state.copy = notRoot;
    state.remove = notRoot;
    state.moveUp = notRoot;
    state.moveDown = notRoot;
    state.paste = canPaste(selected);
    return state;
}

bool AlbumEditor::canPaste(const CSiteFolder* selected) const {
    if (!selected)
        return false;
    if (clipboard_.holdsSourceFolder())
        return clipboard_.sourceFolderId != selected->id;
    if (clipboard_.holdsListEntries())
        return !clipboard_.folderIds.empty() || !clipboard_.pageIds.empty();
    return false;
}

CSiteFolder* AlbumEditor::newFolder(CSiteFolder* selected) {
    if (!selected)
        return nullptr;
    const QString caption = kNewFolderCaption + QString::number(tree_.takeNewFolderNumber());
    return tree_.insertFolder(selected, caption);
}

CSitePage* AlbumEditor::newLink(CSiteFolder* selected) {
    if (!selected)
        return nullptr;
    auto page = std::make_unique<CSitePage>();
    page->caption = kNewLinkCaption + QString::number(tree_.takeNextLinkNumber());
    page->lnkstyle = kTextLink;
    return tree_.appendPage(selected, std::move(page));
}

bool AlbumEditor::renameFolder(CSiteFolder* folder, const QString& text) {
    if (!folder || text.trimmed().isEmpty())
        return false;
    tree_.editFolder(folder, [&text](CSiteFolder& f) { f.caption = text; });
    return true;
}

bool AlbumEditor::deleteFolder(CSiteFolder* selected) {
    if (!selected || isRoot(selected))
        return false;
    return tree_.removeFolder(selected);
}

ListDeleteResult AlbumEditor::deleteListEntries(CSiteFolder* listed,
                                                const std::vector<ListEntry>& rows,
                                                int firstSelectedRow) {
    ListDeleteResult result;
    if (!listed)
        return result;
    // Resolve every row before anything is removed: removing a page lowers
    // the ids of the pages after it, so ids looked up later would name the
    // wrong pages.
    std::vector<CSiteFolder*> folders;
    std::vector<CSitePage*> pages;
    for (const ListEntry& row : rows) {
        if (row.kind == SiteNodeKind::Folder)
            appendOnce(folders, childById(listed, row.id));
        if (row.kind == SiteNodeKind::Page)
            appendOnce(pages, pageById(*listed, row.id));
    }
    for (CSiteFolder* folder : folders)
        result.deleted |= tree_.removeFolder(folder);
    for (CSitePage* page : pages)
        result.deleted |= tree_.removePage(listed, listed->indexOfPage(page));
    const int rowCount = listed->childCount() + listed->pageListSize();
    if (rowCount > 0)
        result.rowToSelect = std::clamp(firstSelectedRow, 0, rowCount - 1);
    return result;
}

bool AlbumEditor::takeFolder(const CSiteFolder* selected, ClipboardMode mode) {
    if (!selected || isRoot(selected))
        return false;
    clipboard_.clear();
    clipboard_.mode = mode;
    clipboard_.sourceFolderId = selected->id;
    return true;
}

void AlbumEditor::setListClipboard(const CSiteFolder* listed, std::vector<int> folderIds,
                                   std::vector<int> pageIds, ClipboardMode mode) {
    clipboard_.clear();
    if (!listed)
        return;
    clipboard_.mode = mode;
    clipboard_.fromList = true;
    clipboard_.listedFolderId = listed->id;
    clipboard_.folderIds = std::move(folderIds);
    clipboard_.pageIds = std::move(pageIds);
}

bool AlbumEditor::moveFolder(CSiteFolder* selected, MoveDirection direction) {
    if (!selected || isRoot(selected))
        return false;
    return tree_.moveFolder(selected, neighbourIndex(selected->indexInParent(), direction));
}

bool AlbumEditor::moveChildFolder(CSiteFolder* selected, int folderId, MoveDirection direction) {
    return moveFolder(childById(selected, folderId), direction);
}

bool AlbumEditor::movePage(CSiteFolder* folder, int pageId, MoveDirection direction) {
    if (!folder)
        return false;
    const int index = folder->indexOfPage(pageById(*folder, pageId));
    if (index < 0)
        return false;
    return tree_.movePage(folder, index, neighbourIndex(index, direction));
}

CSiteFolder* AlbumEditor::childById(const CSiteFolder* parent, int id) const {
    if (!parent)
        return nullptr;
    for (const auto& child : parent->children()) {
        if (child->id == id)
            return child.get();
    }
    return nullptr;
}

}  // namespace pictavo
