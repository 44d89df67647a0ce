#include "album/gui/FolderListDrop.h"

#include "album/mime/DragMime.h"
#include "resources/StringIds.h"
#include "shell/gui/AppContext.h"
#include "shell/gui/DiskDrop.h"

#include <QApplication>
#include <QMimeData>

namespace pictavo {

namespace {

bool dropAlbumItems(AppContext& context, const AlbumDragItems& items, CSiteFolder* target,
                    bool copy) {
    AlbumEditor& editor = context.editor();
    return context.edit(sid::EditDragDrop, [&] {
        const DropAction action =
            items.isTreeFolder()
                ? editor.dropFolder(context.album().tree.findFolderById(items.sourceFolderId),
                                    target, copy)
                : editor.dropListEntries(items.listedFolderId, items.folderIds, items.pageIds,
                                         target, copy);
        return action != DropAction::Refuse;
    });
}

}  // namespace

bool canDropOnFolder(const QMimeData& data) {
    if (hasAlbumItems(data))
        return albumItems(data).has_value();
    return !diskPaths(data).isEmpty();
}

bool dropOntoFolder(AppContext& context, const QMimeData& data, CSiteFolder* target, bool copy) {
    bool changed = false;
    if (hasAlbumItems(data)) {
        // Items of another window, or damaged ones, never fall back to files.
        if (const std::optional<AlbumDragItems> items = albumItems(data))
            changed = dropAlbumItems(context, *items, target, copy);
    } else {
        changed = dropDiskPaths(context, diskPaths(data), target) != DiskDropOutcome::Nothing;
    }
    if (!changed)
        QApplication::beep();
    context.announceCommandStateChanged();
    return changed;
}

}  // namespace pictavo
