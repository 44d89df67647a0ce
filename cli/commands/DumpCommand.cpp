// pictavo-cli dump: prints an album as JSON.
#include "album/file/AlbumFile.h"
#include "album/json/AlbumJson.h"
#include "cli/Command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace pictavo::cli {

namespace {

const char kName[] = "dump";

int run(const ParsedArgs& args) {
    if (args.positional().size() != 1)
        return usageError(kName, QStringLiteral("expected one album path"));

    Album album;
    if (Status opened = openAlbumFile(album, args.positional().first()); !opened)
        return failure(opened.error().message());
    writeAlbumJson(album, [](const QByteArray& piece) {
        std::fwrite(piece.constData(), 1, static_cast<size_t>(piece.size()), stdout);
    });
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return failure(QStringLiteral("cannot write the JSON: %1")
                           .arg(QString::fromLocal8Bit(std::strerror(errno))));
    return kSuccess;
}

}  // namespace

extern const Command kDumpCommand{
    kName,
    "print an album as JSON",
    "usage: pictavo-cli dump ALBUM.www\n"
    "\n"
    "Reads an album (current or old format) and prints it as JSON:\n"
    "  {\"website\": {...}, \"meta\": [...], \"layout\": {...}, \"root\": {...}}\n"
    "Property keys are those of the album file, in file order; \"root\" is the\n"
    "folder tree (\"pages\" and \"children\" per folder), null for an album\n"
    "without folders.",
    {},
    run};

}  // namespace pictavo::cli
