// pictavo-cli convert: converts image files into one format, like the
// Convert Images command of the file list.
#include "cli/Command.h"
#include "imaging/convert/ImageConversion.h"

#include <QFileInfo>

namespace pictavo::cli {

namespace {

const char kName[] = "convert";

void printHelp() {
    printOut(QStringLiteral(
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
        "2 for a usage error."));
}

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

// Takes "--name VALUE" out of args; false when the value is missing.
bool takeOption(QStringList& args, const QString& name, QString& value) {
    const qsizetype at = args.indexOf(name);
    if (at < 0)
        return true;
    if (at + 1 >= args.size())
        return false;
    value = args.at(at + 1);
    args.remove(at, 2);
    return true;
}

}  // namespace

int runConvert(const QStringList& args) {
    if (wantsHelp(args)) {
        printHelp();
        return kSuccess;
    }
    QStringList files = args;
    QString format;
    QString folder;
    if (!takeOption(files, QStringLiteral("--format"), format) ||
        !takeOption(files, QStringLiteral("--to"), folder))
        return usageError(kName, QStringLiteral("an option lacks its value"));
    const ConversionTarget* target = findConversionTarget(format.toLower());
    if (!target)
        return usageError(kName, QStringLiteral("--format must be bmp, jpg, png, tga, pcx or tif"));
    if (folder.isEmpty())
        return usageError(kName, QStringLiteral("--to DIR is required"));
    if (files.isEmpty())
        return usageError(kName, QStringLiteral("no files given"));
    for (const QString& file : files) {
        if (file.startsWith(QLatin1String("--")))
            return usageError(kName, QStringLiteral("unknown option %1").arg(file));
    }
    if (!QFileInfo(folder).isDir())
        return failure(QStringLiteral("%1 is not a folder").arg(folder));

    bool anyFailed = false;
    for (const ConversionResult& result : convertImages(files, folder, *target)) {
        anyFailed |= result.outcome == ConversionOutcome::Failed;
        printOut(describe(result));
    }
    return anyFailed ? kFailure : kSuccess;
}

}  // namespace pictavo::cli
