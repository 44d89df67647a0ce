#include "shell/app/SheetCommands.h"

#include "properties/gui/sheets/SheetDialogs.h"
#include "properties/gui/sheets/SheetSession.h"
#include "shell/frame/MainWindow.h"
#include "shell/gui/AppContext.h"

#include <memory>

namespace pictavo {

namespace {

using OpenSheet = PropertySheet* (*)(AppContext&, SheetDialogs&, QWidget*);

CommandRegistry::Handler sheetHandler(AppContext& context, OpenSheet open,
                                      std::shared_ptr<SheetDialogs> dialogs, QWidget* parent) {
    CommandRegistry::Handler handler;
    handler.run = [&context, open, dialogs = std::move(dialogs), parent] {
        open(context, *dialogs, parent);
    };
    return handler;
}

}  // namespace

void registerSheetCommands(AppContext& context, MainWindow& window) {
    // Shared by both handlers; lives as long as the commands do.
    auto dialogs = std::make_shared<SystemSheetDialogs>(context.prompts());
    context.commands().setHandler(CommandId::WebsiteProperties,
                                  sheetHandler(context, &openWebsiteSheet, dialogs, &window));
    context.commands().setHandler(CommandId::LayoutProperties,
                                  sheetHandler(context, &openLayoutSheet, dialogs, &window));
}

}  // namespace pictavo
