#include "shell/app/ExportCommands.h"

#include "generator/gui/ExportController.h"
#include "imaging/gui/ConvertDialogRun.h"
#include "shell/gui/AppContext.h"

#include <QWidget>

namespace pictavo {

void registerExportCommands(AppContext& context, QWidget* window) {
    auto* exports = new ExportController(context, window, &context);
    auto set = [&context](CommandId id, std::function<void()> run) {
        CommandRegistry::Handler handler;
        handler.run = std::move(run);
        handler.enabled = [&context] { return context.album().tree.root() != nullptr; };
        context.commands().setHandler(id, std::move(handler));
    };
    set(CommandId::ExportWeb,
        [exports, &context] { exports->exportSite(context.selectedFolder(), false); });
    set(CommandId::PreviewWeb, [exports] { exports->previewSite(); });
    set(CommandId::ExportCd, [exports] { (void)exports->exportCdAlbum(); });
    set(CommandId::PreviewCd, [exports] { exports->previewCdAlbum(); });
    // "Preview web pages of selected folder", from the album explorer's menu.
    set(CommandId::PreviewFolder,
        [exports, &context] { exports->previewFolder(context.selectedFolder()); });
    QObject::connect(&context, &AppContext::convertImagesRequested, window,
                     [&context, window](const QStringList& paths) {
                         convertImageFiles(context, paths, window);
                     });
}

}  // namespace pictavo
