#pragma once
// The Website Properties and Layout Properties commands: each opens its
// sheet over the main window.

namespace pictavo {

class AppContext;
class MainWindow;

void registerSheetCommands(AppContext& context, MainWindow& window);

}  // namespace pictavo
