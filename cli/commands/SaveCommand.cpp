// pictavo-cli save: reads an album and writes it again.
#include "album/file/AlbumFile.h"
#include "album/AlbumPaths.h"
#include "cli/Command.h"

#include <QFileInfo>

namespace pictavo::cli {

namespace {

const char kName[] = "save";

void printHelp() {
    printOut(
        QStringLiteral("usage: pictavo-cli save [--base DIR] IN.www OUT.www\n"
                       "\n"
                       "Reads an album (current or old format) and writes it in the current\n"
                       "format. OUT.www may be IN.www.\n"
                       "\n"
                       "  --base DIR  make relative file paths absolute: every page file, link\n"
                       "              image and background image or sound given relative to DIR\n"
                       "              that names an existing file is stored with its full path"));
}

}  // namespace

int runSave(const QStringList& args) {
    if (wantsHelp(args)) {
        printHelp();
        return kSuccess;
    }
    QStringList rest = args;
    QString base;
    const qsizetype baseAt = rest.indexOf(QStringLiteral("--base"));
    if (baseAt >= 0) {
        if (baseAt + 1 >= rest.size())
            return usageError(kName, QStringLiteral("--base needs a folder"));
        base = rest.takeAt(baseAt + 1);
        rest.removeAt(baseAt);
        if (!QFileInfo(base).isDir())
            return failure(QStringLiteral("%1 is not a folder").arg(base));
    }
    if (rest.size() != 2 || rest.at(0).startsWith(QLatin1String("--")) ||
        rest.at(1).startsWith(QLatin1String("--")))
        return usageError(kName, QStringLiteral("expected an input and an output album path"));

    Album album;
    if (Status opened = openAlbumFile(album, rest.at(0)); !opened)
        return failure(opened.error().message());
    if (!base.isEmpty())
        makePathsAbsolute(album, base);
    if (Status saved = saveAlbumFile(album, rest.at(1)); !saved)
        return failure(saved.error().message());
    return kSuccess;
}

}  // namespace pictavo::cli
