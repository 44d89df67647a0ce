// pictavo-cli dump: prints an album as JSON.
#include "album/file/AlbumFile.h"
#include "album/json/AlbumJson.h"
#include "cli/Command.h"

#include <cstdio>

namespace pictavo::cli {

namespace {

const char kName[] = "dump";

void printHelp() {
    printOut(QStringLiteral(
        "usage: pictavo-cli dump ALBUM.www\n"
        "\n"
        "Reads an album (current or old format) and prints it as JSON:\n"
        "  {\"website\": {...}, \"meta\": [...], \"layout\": {...}, \"root\": {...}}\n"
        "Property keys are those of the album file, in file order; \"root\" is the\n"
        "folder tree (\"pages\" and \"children\" per folder), null for an album\n"
        "without folders."));
}

}  // namespace

int runDump(const QStringList& args) {
    if (wantsHelp(args)) {
        printHelp();
        return kSuccess;
    }
    if (args.size() != 1 || args.first().startsWith(QLatin1String("--")))
        return usageError(kName, QStringLiteral("expected one album path"));

    Album album;
    if (Status opened = openAlbumFile(album, args.first()); !opened)
        return failure(opened.error().message());
    const QByteArray json = albumToJson(album);
    std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    return kSuccess;
}

}  // namespace pictavo::cli
