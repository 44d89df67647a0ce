#include "shell/app/ImportCommands.h"

#include "album/editing/AlbumImport.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/AppContext.h"
#include "shell/gui/FileDialogFilter.h"
#include "shell/gui/ImportRunner.h"

#include <QDir>

namespace pictavo {

namespace {

void importFolder(AppContext& context) {
    const QString folder =
        context.prompts().askFolder(uiText(sid::SelectImportFolder), QDir::homePath());
    if (folder.isEmpty())
        return;
    const EnvironmentSettings settings = context.environment();
    runImport(context, context.selectedFolder(), [&](Album& album, CSiteFolder* target) {
        return importPath(album, target, folder, settings);
    });
}

void importSelectedFiles(AppContext& context) {
    const QStringList files =
        context.prompts().askOpenFileNames(qtFileDialogFilter(uiText(sid::ImportFilesFilter)));
    if (files.isEmpty())
        return;
    const EnvironmentSettings settings = context.environment();
    runImport(context, context.selectedFolder(), [&](Album& album, CSiteFolder* target) {
        return importFiles(album, target, files, settings);
    });
}

}  // namespace

void registerImportCommands(AppContext& context) {
    auto hasTarget = [&context] { return context.selectedFolder() != nullptr; };
    context.commands().setHandler(CommandId::ImportFolder,
                                  {[&context] { importFolder(context); }, hasTarget});
    context.commands().setHandler(CommandId::ImportFiles,
                                  {[&context] { importSelectedFiles(context); }, hasTarget});
}

}  // namespace pictavo
