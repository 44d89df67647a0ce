#include "shell/app/ImportCommands.h"

#include "album/editing/AlbumImport.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/AppContext.h"
#include "shell/gui/FileDialogFilter.h"
#include "shell/gui/WaitCursor.h"

#include <QDir>

namespace pictavo {

namespace {

using ImportFunction = std::function<ImportResult(Album&, CSiteFolder*)>;

void runImport(AppContext& context, const ImportFunction& import) {
    ImportResult result;
    {
        WaitCursor wait;
        context.edit(sid::EditImport, [&] {
            result = import(context.album(), context.selectedFolder());
            return result.pagesAdded > 0 || result.foldersAdded > 0;
        });
    }
    context.announceCommandStateChanged();
    if (!result.problems.isEmpty())
        context.prompts().showInformation(
            uiText(sid::ImportProblems).arg(result.problems.join(QLatin1Char('\n'))));
}

void importFolder(AppContext& context) {
    const QString folder =
        context.prompts().askFolder(uiText(sid::SelectImportFolder), QDir::homePath());
    if (folder.isEmpty())
        return;
    const EnvironmentSettings settings = context.environment();
    runImport(context, [&](Album& album, CSiteFolder* target) {
        return importPath(album, target, folder, settings);
    });
}

void importSelectedFiles(AppContext& context) {
    const QStringList files =
        context.prompts().askOpenFileNames(qtFileDialogFilter(uiText(sid::ImportFilesFilter)));
    if (files.isEmpty())
        return;
    const EnvironmentSettings settings = context.environment();
    runImport(context, [&](Album& album, CSiteFolder* target) {
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
