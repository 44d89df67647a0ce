// pictavo-cli convert: converts image files into one format, like the
// Convert Images command of the file list.
#include "cli/Command.h"
#include "imaging/convert/ImageConversion.h"

#include <QFileInfo>

namespace pictavo::cli {

namespace {

const char kName[] = "convert";

const char kHelp[] =
    "usage: pictavo-cli convert --format bmp|jpg|png|tga|pcx|tif --to DIR FILE...\n"
    "\n"
    "Converts every image FILE into the format, writing DIR/<name>.<format>\n"
    "(everything up to the last \".\" of the name is kept: photo.x.bmp becomes\n"
    "photo.x.png). Photographs are turned upright by their EXIF orientation.\n"
    "Files that are not images are ignored, files already of the format are\n"
    "skipped, and images that cannot be decoded are copied unchanged under the\n"
    "new name. Existing files are replaced. One line is printed per FILE.\n"
    "\n"
    "Exit status: 0 when nothing failed, 1 when a file could not be written,\n"
    "2 for a usage error.";

const OptionSpec kOptions[] = {{"--format", true}, {"--to", true}};

QString describe(const ConversionResult& result) {
    switch (result.outcome) {
        case ConversionOutcome::NotAnImage:
            return QStringLiteral("ignored %1 (not an image)").arg(result.source);
        case ConversionOutcome::SameFormat:
            return QStringLiteral("skipped %1 (already in that format)").arg(result.source);
        case ConversionOutcome::Converted:
            return QStringLiteral("converted %1 -> %2").arg(result.source, result.destination);
        case ConversionOutcome::CopiedUnchanged:
            return QStringLiteral("copied %1 -> %2 unchanged (cannot decode: %3)")
                .arg(result.source, result.destination, result.detail);
        case ConversionOutcome::Failed:
            break;
    }
    return QStringLiteral("failed %1 -> %2: %3")
        .arg(result.source, result.destination, result.detail);
}

int run(const ParsedArgs& args) {
    const ConversionTarget* target =
        findConversionTarget(args.value("--format").value_or(QString()).toLower());
    if (!target)
        return usageError(kName, QStringLiteral("--format must be bmp, jpg, png, tga, pcx or tif"));
    const QString folder = args.value("--to").value_or(QString());
    if (folder.isEmpty())
        return usageError(kName, QStringLiteral("--to DIR is required"));
    const QStringList& files = args.positional();
    if (files.isEmpty())
        return usageError(kName, QStringLiteral("no files given"));
    if (!QFileInfo(folder).isDir())
        return failure(QStringLiteral("%1 is not a folder").arg(folder));

    bool anyFailed = false;
    for (const ConversionResult& result : convertImages(files, folder, *target)) {
        anyFailed |= result.outcome == ConversionOutcome::Failed;
        printOut(describe(result));
    }
    return anyFailed ? kFailure : kSuccess;
}

}  // namespace

extern const Command kConvertCommand{kName, "convert image files into another format", kHelp,
                                     kOptions, run};

}  // namespace pictavo::cli
