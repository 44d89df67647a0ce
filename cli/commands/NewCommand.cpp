// pictavo-cli new: writes a new, empty album.
#include "album/file/AlbumFile.h"
#include "cli/Command.h"

#include <QFileInfo>

namespace pictavo::cli {

namespace {

const char kName[] = "new";

const OptionSpec kOptions[] = {{"--force", false}};

int run(const ParsedArgs& args) {
    if (args.positional().size() != 1)
        return usageError(kName, QStringLiteral("expected one album path"));
    const QString out = args.positional().first();
    if (!args.has("--force") && QFileInfo::exists(out))
        return failure(QStringLiteral("%1 already exists (use --force to replace it)").arg(out));
    Album album;
    if (Status saved = saveAlbumFile(album, out); !saved)
        return failure(saved.error().message());
    return kSuccess;
}

}  // namespace

extern const Command kNewCommand{
    kName, "write a new, empty album",
    "usage: pictavo-cli new [--force] OUT.www\n"
    "\n"
    "Writes a new album: the root folder \"Index\", the default website and\n"
    "layout properties and the GENERATOR meta variable.\n"
    "\n"
    "  --force  replace OUT.www when it exists (otherwise that is an error)",
    kOptions, run};

}  // namespace pictavo::cli
