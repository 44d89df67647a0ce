#pragma once
// What the program does between creating its window and running the event
// loop: the album named on the command line and the Tip of the Day.

#include <QStringList>

namespace pictavo {

class AppContext;
class MainWindow;

// Reads the user's settings (environment, recent albums) into the context.
void loadUserSettings(AppContext& context);

// With a path, opens that album; when it cannot be opened the error is shown
// and the program goes on with a new album. Without one, the new album stays.
void openStartupAlbum(MainWindow& window, const QStringList& arguments);

}  // namespace pictavo
