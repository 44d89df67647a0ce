#include "album/gui/FolderListDrop.h"

#include "album/editing/AlbumImport.h"
#include "album/mime/DragMime.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/AppContext.h"
#include "shell/gui/WaitCursor.h"

#include <QApplication>
#include <QFileInfo>
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

bool importDiskPaths(AppContext& context, const QStringList& paths, CSiteFolder* target) {
    ImportResult result;
    {
        WaitCursor wait;
        const EnvironmentSettings settings = context.environment();
        context.edit(sid::EditImport, [&] {
            for (const QString& path : paths) {
                result += QFileInfo(path).isDir()
                              ? importAsNewFolder(context.album(), target, path, settings)
                              : importFile(context.album(), target, path, settings);
            }
            return result.pagesAdded > 0 || result.foldersAdded > 0;
        });
    }
    if (!result.problems.isEmpty())
        context.prompts().showInformation(
            uiText(sid::ImportProblems).arg(result.problems.join(QLatin1Char('\n'))));
    return result.pagesAdded > 0 || result.foldersAdded > 0;
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
        changed = importDiskPaths(context, diskPaths(data), target);
    }
    if (!changed)
        QApplication::beep();
    context.announceCommandStateChanged();
    return changed;
}

}  // namespace pictavo
