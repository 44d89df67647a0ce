#pragma once
// The commands the program adds to the main window beyond its document and
// view commands: the Environment dialog, the Tip of the Day, About, and the
// imports. Each part of the program registers its own commands here.

class QWidget;

namespace pictavo {

class AppContext;
class MainWindow;

void registerAppCommands(AppContext& context, MainWindow& window);

// The Tip of the Day at start-up, when the user's settings say so.
void showTipAtStartup(AppContext& context, QWidget* parent);

}  // namespace pictavo
