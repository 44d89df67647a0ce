#include "album/editing/AlbumImport.h"

#include "album/editing/ImportWalk.h"

namespace pictavo {

ImportResult importFile(Album& album, CSiteFolder* target, const QString& path,
                        const EnvironmentSettings& settings) {
    return importFiles(album, target, {path}, settings);
}

ImportResult importFiles(Album& album, CSiteFolder* target, const QStringList& paths,
                         const EnvironmentSettings& settings) {
    return applyImportPlan(album.tree, target, planFiles(paths, settings));
}

ImportResult importFolderContents(Album& album, CSiteFolder* target, const QString& diskFolder,
                                  const EnvironmentSettings& settings) {
    return applyImportPlan(album.tree, target, planFolderContents(diskFolder, settings));
}

ImportResult importPath(Album& album, CSiteFolder* target, const QString& path,
                        const EnvironmentSettings& settings) {
    return applyImportPlan(album.tree, target, planPath(path, settings));
}

ImportResult importAsNewFolder(Album& album, CSiteFolder* target, const QString& diskFolder,
                               const EnvironmentSettings& settings) {
    return applyImportPlan(album.tree, target, planAsNewFolder(diskFolder, settings));
}

}  // namespace pictavo
