#include "shell/app/ImportCommands.h"

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
    runImport(context, context.selectedFolder(), [folder, settings](ImportWalkListener& listener) {
        return planPath(folder, settings, &listener);
    });
}

void importSelectedFiles(AppContext& context) {
    const QStringList files =
        context.prompts().askOpenFileNames(qtFileDialogFilter(uiText(sid::ImportFilesFilter)));
    if (files.isEmpty())
        return;
    const EnvironmentSettings settings = context.environment();
    runImport(context, context.selectedFolder(), [files, settings](ImportWalkListener& listener) {
        return planFiles(files, settings, &listener);
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
