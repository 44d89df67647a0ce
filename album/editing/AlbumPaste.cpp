// Paste and drop of AlbumEditor: copying clipboard contents into a folder.
#include "album/editing/AlbumEditor.h"
#include "album/editing/FolderCopy.h"

namespace pictavo {

bool AlbumEditor::pasteFrom(AlbumClipboard& clipboard, CSiteFolder* target) {
    if (!target)
        return false;
    if (clipboard.holdsSourceFolder())
        return pasteSourceFolder(clipboard, target);
    if (clipboard.holdsListEntries())
        return pasteListEntries(clipboard, target);
    return false;
}

bool AlbumEditor::pasteSourceFolder(AlbumClipboard& clipboard, CSiteFolder* target) {
    CSiteFolder* source = tree_.findFolderById(clipboard.sourceFolderId);
    if (!source) {
        clipboard.clear();
        return false;
    }
    if (!copySubtree(tree_, source, target))
        return false;
    if (clipboard.mode == ClipboardMode::Cut) {
        tree_.removeFolder(source);
        clipboard.clear();
    }
    return true;
}

bool AlbumEditor::pasteListEntries(AlbumClipboard& clipboard, CSiteFolder* target) {
    CSiteFolder* listed = tree_.findFolderById(clipboard.listedFolderId);
    if (!listed) {
        clipboard.clear();
        return false;
    }
    const int pasted =
        pasteListFolders(clipboard, listed, target) + pasteListPages(clipboard, listed, target);
    if (clipboard.mode == ClipboardMode::Cut)
        clipboard.clear();
    return pasted > 0;
}

int AlbumEditor::pasteListFolders(AlbumClipboard& clipboard, CSiteFolder* listed,
                                  CSiteFolder* target) {
    // Take the matching children first: a paste into the listed folder itself
    // inserts copies among the very children being walked.
    std::vector<CSiteFolder*> sources;
    std::vector<int> found;
    for (const auto& child : listed->children()) {
        if (!AlbumClipboard::contains(clipboard.folderIds, child->id))
            continue;
        sources.push_back(child.get());
        found.push_back(child->id);
    }
    std::vector<CSiteFolder*> copied;
    for (CSiteFolder* source : sources) {
        if (copySubtree(tree_, source, target))
            copied.push_back(source);
    }
    clipboard.folderIds = std::move(found);
    if (clipboard.mode == ClipboardMode::Cut) {
        for (CSiteFolder* folder : copied)
            tree_.removeFolder(folder);
    }
    return static_cast<int>(copied.size());
}

int AlbumEditor::pasteListPages(AlbumClipboard& clipboard, CSiteFolder* listed,
                                CSiteFolder* target) {
    std::vector<CSitePage*> sources;
    std::vector<int> found;
    for (const auto& page : listed->pages()) {
        if (!AlbumClipboard::contains(clipboard.pageIds, page->id))
            continue;
        sources.push_back(page.get());
        found.push_back(page->id);
    }
    for (CSitePage* source : sources)
        tree_.appendPage(target, std::make_unique<CSitePage>(*source));
    clipboard.pageIds = std::move(found);
    tree_.renumberPages(target);
    if (clipboard.mode == ClipboardMode::Cut) {
        for (CSitePage* source : sources)
            tree_.removePage(listed, listed->indexOfPage(source));
        tree_.renumberPages(listed);
    }
    return static_cast<int>(sources.size());
}

DropAction AlbumEditor::dropFolder(CSiteFolder* dragged, CSiteFolder* target, bool ctrlOnly) {
    const DropAction action = treeDropAction(dragged, target, ctrlOnly);
    if (action == DropAction::Refuse)
        return action;
    AlbumClipboard dragClipboard;
    dragClipboard.mode = action == DropAction::Copy ? ClipboardMode::Copy : ClipboardMode::Cut;
    dragClipboard.sourceFolderId = dragged->id;
    return pasteFrom(dragClipboard, target) ? action : DropAction::Refuse;
}

DropAction AlbumEditor::dropListEntries(int listedFolderId, std::vector<int> folderIds,
                                        std::vector<int> pageIds, CSiteFolder* target,
                                        bool ctrlOnly) {
    const CSiteFolder* listed = tree_.findFolderById(listedFolderId);
    if (!listed || !target || target == listed)
        return DropAction::Refuse;
    for (const int id : folderIds) {
        const CSiteFolder* dragged = childById(listed, id);
        if (dragged && target->isSameOrInside(dragged))
            return DropAction::Refuse;
    }
    const DropAction action = ctrlOnly ? DropAction::Copy : DropAction::Move;
    AlbumClipboard dragClipboard;
    dragClipboard.mode = action == DropAction::Copy ? ClipboardMode::Copy : ClipboardMode::Cut;
    dragClipboard.fromList = true;
    dragClipboard.listedFolderId = listedFolderId;
    dragClipboard.folderIds = std::move(folderIds);
    dragClipboard.pageIds = std::move(pageIds);
    return pasteFrom(dragClipboard, target) ? action : DropAction::Refuse;
}

}  // namespace pictavo
