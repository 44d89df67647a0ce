#include "shell/gui/DiskDrop.h"

#include "album/file/AlbumFile.h"
#include "shell/gui/AppContext.h"
#include "shell/gui/ImportRunner.h"

#include <QMetaObject>

#include <algorithm>

namespace pictavo {

DiskDropOutcome dropDiskPaths(AppContext& context, const QStringList& paths, CSiteFolder* target) {
    const auto album = std::find_if(paths.begin(), paths.end(), isAlbumFilePath);
    if (album != paths.end()) {
        // Opening replaces the album the view handling the drop shows: that
        // waits until the drop is over.
        QMetaObject::invokeMethod(
            &context, [&context, path = *album] { emit context.openAlbumRequested(path); },
            Qt::QueuedConnection);
        return DiskDropOutcome::AlbumOpening;
    }
    const EnvironmentSettings settings = context.environment();
    const ImportResult result =
        runImport(context, target, [paths, settings](ImportWalkListener& listener) {
            return planDroppedPaths(paths, settings, &listener);
        });
    return result.addedAnything() ? DiskDropOutcome::Imported : DiskDropOutcome::Nothing;
}

}  // namespace pictavo
