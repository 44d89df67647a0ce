#include "album/gui/AlbumTreeDrops.h"

#include "album/mime/DragMime.h"
#include "resources/StringIds.h"
#include "shell/gui/AppContext.h"
#include "shell/gui/DiskDrop.h"

#include <QMimeData>

namespace pictavo {

namespace {

bool isCtrlOnly(Qt::KeyboardModifiers modifiers) {
    return (modifiers & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

std::optional<int> draggedTreeFolderId(const QMimeData& mime) {
    const std::optional<AlbumDragItems> items = albumItems(mime);
    if (!items || !items->isTreeFolder())
        return std::nullopt;
    return items->sourceFolderId;
}

Qt::DropAction dropTreeFolder(AppContext& context, int draggedId, CSiteFolder* target,
                              bool ctrlOnly) {
    CSiteFolder* dragged = context.album().tree.findFolderById(draggedId);
    const DropAction action = treeDropAction(dragged, target, ctrlOnly);
    if (action == DropAction::Refuse)
        return Qt::IgnoreAction;
    const bool changed = context.edit(sid::EditDragDrop, [&] {
        return context.editor().dropFolder(dragged, target, ctrlOnly) != DropAction::Refuse;
    });
    if (!changed)
        return Qt::IgnoreAction;
    return action == DropAction::Copy ? Qt::CopyAction : Qt::MoveAction;
}

}  // namespace

Qt::DropAction folderDropAction(const QMimeData& mime, Qt::KeyboardModifiers modifiers) {
    if (hasAlbumItems(mime)) {
        if (!draggedTreeFolderId(mime))
            return Qt::IgnoreAction;
        return isCtrlOnly(modifiers) ? Qt::CopyAction : Qt::MoveAction;
    }
    return diskPaths(mime).isEmpty() ? Qt::IgnoreAction : Qt::CopyAction;
}

Qt::DropAction dropOnFolder(AppContext& context, const QMimeData& mime, CSiteFolder* target,
                            Qt::KeyboardModifiers modifiers) {
    if (!target)
        return Qt::IgnoreAction;
    if (hasAlbumItems(mime)) {
        const std::optional<int> draggedId = draggedTreeFolderId(mime);
        return draggedId ? dropTreeFolder(context, *draggedId, target, isCtrlOnly(modifiers))
                         : Qt::IgnoreAction;
    }
    const QStringList paths = diskPaths(mime);
    if (paths.isEmpty() || dropDiskPaths(context, paths, target) == DiskDropOutcome::Nothing)
        return Qt::IgnoreAction;
    return Qt::CopyAction;
}

}  // namespace pictavo
