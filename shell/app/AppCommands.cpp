#include "shell/app/AppCommands.h"

#include "shell/app/ExportCommands.h"
#include "shell/app/ImportCommands.h"
#include "shell/app/SheetCommands.h"
#include "shell/dialogs/AboutDialog.h"
#include "shell/dialogs/EnvironmentDialog.h"
#include "shell/dialogs/TipOfTheDayDialog.h"
#include "shell/frame/MainWindow.h"
#include "shell/gui/AppContext.h"

namespace pictavo {

namespace {

// OK stores the settings and makes the next preview generate again, since
// image and thumbnail sizes may have changed.
void editEnvironment(AppContext& context, QWidget* parent) {
    const std::optional<EnvironmentSettings> accepted =
        runEnvironmentDialog(context.environment(), parent);
    if (!accepted)
        return;
    context.environment() = *accepted;
    (void)context.settings().saveEnvironment(*accepted);
    context.album().tree.setAlbumChanged(true);
    context.album().tree.setCdAlbumChanged(true);
}

}  // namespace

void registerAppCommands(AppContext& context, MainWindow& window) {
    CommandRegistry& commands = context.commands();
    QWidget* parent = &window;
    commands.setHandler(CommandId::Environment,
                        {[&context, parent] { editEnvironment(context, parent); }});
    commands.setHandler(CommandId::TipOfTheDay,
                        {[&context, parent] { showTipOfTheDay(context.settings(), parent); }});
    commands.setHandler(CommandId::About, {[parent] { showAboutDialog(parent); }});
    registerImportCommands(context);
    QObject::connect(
        &context, &AppContext::openAlbumRequested, &window,
        [&window](const QString& path) { window.documents().openAskingToSaveDocument(path); });
    registerExportCommands(context, &window);
    registerSheetCommands(context, window);
}

void showTipAtStartup(AppContext& context, QWidget* parent) {
    if (context.settings().showTipsAtStartup())
        showTipOfTheDay(context.settings(), parent);
}

}  // namespace pictavo
