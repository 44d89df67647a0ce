#include "shell/app/ExportCommands.h"

#include "generator/gui/ExportController.h"
#include "imaging/gui/ConvertDialogRun.h"
#include "shell/gui/AppContext.h"

#include <QWidget>

namespace pictavo {

void registerExportCommands(AppContext& context, QWidget* window) {
    auto* exports = new ExportController(context, window, &context);
    auto hasAlbum = [&context] { return context.album().tree.root() != nullptr; };
    CommandRegistry& commands = context.commands();
    commands.setHandler(
        CommandId::ExportWeb,
        {[exports, &context] { exports->exportSite(context.selectedFolder(), false); }, hasAlbum});
    commands.setHandler(CommandId::PreviewWeb, {[exports] { exports->previewSite(); }, hasAlbum});
    commands.setHandler(CommandId::ExportCd,
                        {[exports] { (void)exports->exportCdAlbum(); }, hasAlbum});
    commands.setHandler(CommandId::PreviewCd, {[exports] { exports->previewCdAlbum(); }, hasAlbum});

    QObject::connect(&context, &AppContext::previewFolderRequested, exports,
                     [exports, &context](int folderId) {
                         exports->previewFolder(context.album().tree.findFolderById(folderId));
                     });
    QObject::connect(&context, &AppContext::convertImagesRequested, window,
                     [&context, window](const QStringList& paths) {
                         convertImageFiles(context, paths, window);
                     });
}

}  // namespace pictavo
