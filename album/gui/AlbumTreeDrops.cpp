#include "album/gui/AlbumTreeDrops.h"

#include "album/editing/AlbumImport.h"
#include "album/mime/DragMime.h"
#include "resources/StringIds.h"
#include "shell/gui/AppContext.h"
#include "shell/gui/ImportRunner.h"

#include <QFileInfo>
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

Qt::DropAction importDiskPaths(AppContext& context, const QStringList& paths, CSiteFolder* target) {
    const EnvironmentSettings settings = context.environment();
    const ImportResult result = runImport(context, target, [&](Album& album, CSiteFolder* folder) {
        ImportResult all;
        for (const QString& path : paths) {
            all += QFileInfo(path).isDir() ? importAsNewFolder(album, folder, path, settings)
                                           : importFile(album, folder, path, settings);
        }
        return all;
    });
    return result.pagesAdded > 0 || result.foldersAdded > 0 ? Qt::CopyAction : Qt::IgnoreAction;
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
    return paths.isEmpty() ? Qt::IgnoreAction : importDiskPaths(context, paths, target);
}

}  // namespace pictavo
