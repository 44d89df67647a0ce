// pictavo-cli new: writes a new, empty album.
#include "album/file/AlbumFile.h"
#include "cli/Command.h"

#include <QFileInfo>

namespace pictavo::cli {

namespace {

const char kName[] = "new";

void printHelp() {
    printOut(
        QStringLiteral("usage: pictavo-cli new [--force] OUT.www\n"
                       "\n"
                       "Writes a new album: the root folder \"Index\", the default website and\n"
                       "layout properties and the GENERATOR meta variable.\n"
                       "\n"
                       "  --force  replace OUT.www when it exists (otherwise that is an error)"));
}

}  // namespace

int runNew(const QStringList& args) {
    if (wantsHelp(args)) {
        printHelp();
        return kSuccess;
    }
    QStringList rest = args;
    const bool force = rest.removeAll(QStringLiteral("--force")) > 0;
    if (rest.size() != 1 || rest.first().startsWith(QLatin1String("--")))
        return usageError(kName, QStringLiteral("expected one album path"));
    const QString out = rest.first();
    if (!force && QFileInfo::exists(out))
        return failure(QStringLiteral("%1 already exists (use --force to replace it)").arg(out));

    Album album;
    if (Status saved = saveAlbumFile(album, out); !saved)
        return failure(saved.error().message());
    return kSuccess;
}

}  // namespace pictavo::cli
