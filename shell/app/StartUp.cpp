#include "shell/app/StartUp.h"

#include "shell/frame/MainWindow.h"
#include "shell/gui/AppContext.h"

namespace pictavo {

void loadUserSettings(AppContext& context) {
    context.settings().loadEnvironment(context.environment());
    context.recentFiles() = context.settings().loadRecentFiles();
    context.announceRecentFilesChanged();
}

void openStartupAlbum(MainWindow& window, const QStringList& arguments) {
    if (arguments.isEmpty())
        return;
    window.documents().openPath(arguments.first());
}

}  // namespace pictavo
