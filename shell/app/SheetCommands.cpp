#include "shell/app/SheetCommands.h"

#include "properties/gui/sheets/SheetDialogs.h"
#include "properties/gui/sheets/SheetSession.h"
#include "shell/frame/MainWindow.h"
#include "shell/gui/AppContext.h"

#include <memory>

namespace pictavo {

void registerSheetCommands(AppContext& context, MainWindow& window) {
    QWidget* parent = &window;
    // Shared by both handlers; lives as long as the commands do.
    auto dialogs = std::make_shared<SystemSheetDialogs>(context.prompts());
    context.commands().setHandler(CommandId::WebsiteProperties, {[&context, dialogs, parent] {
                                      openWebsiteSheet(context, *dialogs, parent);
                                  }});
    context.commands().setHandler(CommandId::LayoutProperties, {[&context, dialogs, parent] {
                                      openLayoutSheet(context, *dialogs, parent);
                                  }});
}

}  // namespace pictavo
