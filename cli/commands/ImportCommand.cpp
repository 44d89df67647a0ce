// pictavo-cli import: adds files and folders from disk to an album.
#include "album/editing/AlbumImport.h"
#include "album/file/AlbumFile.h"
#include "cli/Command.h"
#include "shell/settings/SettingsStore.h"

#include <QFileInfo>

namespace pictavo::cli {

namespace {

const char kName[] = "import";

void printHelp() {
    printOut(
        QStringLiteral("usage: pictavo-cli import ALBUM.www [--folder ID] [--as-folder] PATH...\n"
                       "\n"
                       "Imports files and folders into the album folder with the given id (the\n"
                       "root when --folder is not given) and saves the album. A file becomes a\n"
                       "page; a folder's files become pages and its subfolders album folders,\n"
                       "recursively, in name order. Captions follow the user's settings\n"
                       "(UseFilenameAsDefCaption in the settings file).\n"
                       "\n"
                       "  --folder ID   the album folder that receives the imports\n"
                       "  --as-folder   import each folder PATH as a new album folder named after\n"
                       "                it, instead of importing its contents directly"));
}

struct ImportArgs {
    QString album;
    int folderId = -1;  // -1: the root
    bool asFolder = false;
    QStringList paths;
};

// Parses the arguments; returns an error text for a usage error.
QString parse(const QStringList& args, ImportArgs& out) {
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && arg == QLatin1String("--folder")) {
            if (++i >= args.size())
                return QStringLiteral("--folder needs an id");
            bool ok = false;
            out.folderId = args.at(i).toInt(&ok);
            if (!ok || out.folderId < 0)
                return QStringLiteral("bad folder id '%1'").arg(args.at(i));
        } else if (!optionsEnded && arg == QLatin1String("--as-folder")) {
            out.asFolder = true;
        } else if (!optionsEnded && arg.startsWith(QLatin1String("--"))) {
            return QStringLiteral("unknown option %1").arg(arg);
        } else if (out.album.isEmpty()) {
            out.album = arg;
        } else {
            out.paths << arg;
        }
    }
    if (out.album.isEmpty())
        return QStringLiteral("expected an album path");
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

}  // namespace

int runImport(const QStringList& args) {
    if (wantsHelp(args)) {
        printHelp();
        return kSuccess;
    }
    ImportArgs parsed;
    if (const QString problem = parse(args, parsed); !problem.isEmpty())
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

}  // namespace pictavo::cli
