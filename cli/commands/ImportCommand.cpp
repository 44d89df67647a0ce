// pictavo-cli import: adds files and folders from disk to an album.
#include "album/editing/AlbumImport.h"
#include "album/file/AlbumFile.h"
#include "cli/Command.h"
#include "shell/settings/SettingsStore.h"

#include <QFileInfo>

namespace pictavo::cli {

namespace {

const char kName[] = "import";

const OptionSpec kOptions[] = {{"--folder", true}, {"--as-folder", false}};

struct ImportArgs {
    QString album;
    int folderId = -1;  // -1: the root
    bool asFolder = false;
    QStringList paths;
};

// Reads the arguments; returns an error text for a usage error.
QString read(const ParsedArgs& args, ImportArgs& out) {
    if (const std::optional<QString> id = args.value("--folder")) {
        bool ok = false;
        out.folderId = id->toInt(&ok);
        if (!ok || out.folderId < 0)
            return QStringLiteral("bad folder id '%1'").arg(*id);
    }
    out.asFolder = args.has("--as-folder");
    out.paths = args.positional();
    if (out.paths.isEmpty())
        return QStringLiteral("expected an album path");
    out.album = out.paths.takeFirst();
    if (out.paths.isEmpty())
        return QStringLiteral("expected at least one path to import");
    return {};
}

ImportResult importOne(Album& album, CSiteFolder* target, const QString& path, bool asFolder,
                       const EnvironmentSettings& settings) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (asFolder && QFileInfo(absolute).isDir())
        return importAsNewFolder(album, target, absolute, settings);
    return importPath(album, target, absolute, settings);
}

int run(const ParsedArgs& args) {
    ImportArgs parsed;
    if (const QString problem = read(args, parsed); !problem.isEmpty())
        return usageError(kName, problem);
    for (const QString& path : parsed.paths) {
        if (!QFileInfo::exists(path))
            return failure(QStringLiteral("%1: no such file or folder").arg(path));
    }

    Album album;
    if (Status opened = openAlbumFile(album, parsed.album); !opened)
        return failure(opened.error().message());
    CSiteFolder* target =
        parsed.folderId < 0 ? album.tree.root() : album.tree.findFolderById(parsed.folderId);
    if (!target) {
        return failure(parsed.folderId < 0
                           ? QStringLiteral("%1 has no root folder").arg(parsed.album)
                           : QStringLiteral("%1 has no folder with id %2")
                                 .arg(parsed.album)
                                 .arg(parsed.folderId));
    }

    EnvironmentSettings settings;
    SettingsStore().loadEnvironment(settings);
    ImportResult result;
    for (const QString& path : parsed.paths)
        result += importOne(album, target, path, parsed.asFolder, settings);
    for (const QString& problem : result.problems)
        printError(QStringLiteral("pictavo-cli import: left out %1").arg(problem));

    if (Status saved = saveAlbumFile(album, parsed.album); !saved)
        return failure(saved.error().message());
    printOut(QStringLiteral("imported %1 pages and %2 folders into folder %3")
                 .arg(result.pagesAdded)
                 .arg(result.foldersAdded)
                 .arg(target->id));
    return kSuccess;
}

}  // namespace

extern const Command kImportCommand{
    kName, "import files and folders into an album",
    "usage: pictavo-cli import ALBUM.www [--folder ID] [--as-folder] PATH...\n"
    "\n"
    "Imports files and folders into the album folder with the given id (the\n"
    "root when --folder is not given) and saves the album. A file becomes a\n"
    "page; a folder's files become pages and its subfolders album folders,\n"
    "recursively, in name order. Captions follow the user's settings\n"
    "(UseFilenameAsDefCaption in the settings file).\n"
    "\n"
    "  --folder ID   the album folder that receives the imports\n"
    "  --as-folder   import each folder PATH as a new album folder named after\n"
    "                it, instead of importing its contents directly",
    kOptions, run};

}  // namespace pictavo::cli
