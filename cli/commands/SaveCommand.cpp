// pictavo-cli save: reads an album and writes it again.
#include "album/AlbumPaths.h"
#include "album/file/AlbumFile.h"
#include "cli/Command.h"

#include <QFileInfo>

namespace pictavo::cli {

namespace {

const char kName[] = "save";

const OptionSpec kOptions[] = {{"--base", true}};

int run(const ParsedArgs& args) {
    const QString base = args.value("--base").value_or(QString());
    if (args.has("--base") && !QFileInfo(base).isDir())
        return failure(QStringLiteral("%1 is not a folder").arg(base));
    const QStringList& paths = args.positional();
    if (paths.size() != 2)
        return usageError(kName, QStringLiteral("expected an input and an output album path"));

    Album album;
    if (Status opened = openAlbumFile(album, paths.at(0)); !opened)
        return failure(opened.error().message());
    if (!base.isEmpty())
        makePathsAbsolute(album, base);
    if (Status saved = saveAlbumFile(album, paths.at(1)); !saved)
        return failure(saved.error().message());
    return kSuccess;
}

}  // namespace

extern const Command kSaveCommand{
    kName, "read an album and write it again",
    "usage: pictavo-cli save [--base DIR] IN.www OUT.www\n"
    "\n"
    "Reads an album (current or old format) and writes it in the current\n"
    "format. OUT.www may be IN.www.\n"
    "\n"
    "  --base DIR  make relative file paths absolute: every page file, link\n"
    "              image and background image or sound given relative to DIR\n"
    "              that names an existing file is stored with its full path",
    kOptions, run};

}  // namespace pictavo::cli
