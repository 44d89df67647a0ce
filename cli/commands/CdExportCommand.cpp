// pictavo-cli cd-export: writes an album's CD photo album into a folder.
#include "cli/Command.h"
#include "cli/ExportSupport.h"
#include "generator/cd/CdAlbumExport.h"
#include "generator/export/OutputFolder.h"

#include <QFileInfo>

namespace pictavo::cli {

namespace {

const char kName[] = "cd-export";

const char kHelp[] =

    "usage: pictavo-cli cd-export ALBUM.www --to DIR [--force] [--export-max WxH]\n"
    "\n"
    "Writes the album as a CD photo album into DIR (created when missing, one\n"
    "level only): the slide-show viewer lumabox.exe with its language files,\n"
    "every album image under an 8-digit number in album order, a title card\n"
    "before each folder's images, and autorun.inf. Prints DIR on success.\n"
    "\n"
    "  --to DIR          the output folder\n"
    "  --force           write into a folder that is not empty\n"
    "  --export-max WxH  larger images are shrunk to fit this box, which is\n"
    "                    also the size of the title cards; 0x0 copies images\n"
    "                    unchanged and draws cards at the screen size\n"
    "                    (default: the settings file, else 0x0)\n"
    "\n"
    "Ctrl-C stops the run cleanly.\n"
    "\n"
    "Exit status: 0 all written; 1 nothing exported (error, refusal or Ctrl-C);\n"
    "2 usage error; 3 exported, but some images could not be read or written\n"
    "(each problem is listed on stderr).";

void printProblems(const QStringList& failures) {
    if (failures.isEmpty())
        return;
    printError(QStringLiteral("%1 problem(s) during export:").arg(failures.size()));
    for (const QString& failure : failures)
        printError(QStringLiteral("  ") + failure);
}

int run(const ParsedArgs& args) {
    ExportArgs parsed;
    Album album;
    if (const std::optional<int> exit = startExportCommand(args, kName, parsed, album))
        return *exit;

    const EnvironmentSettings settings = environmentWith(std::nullopt, parsed.exportMax);
    ProgressBar bar;
    CommandLineAnswers answers(parsed.to, parsed.force);
    Result<CdExportReport> report = Error(QString());
    {
        const InterruptGuard interrupt;
        const ExportCallbacks callbacks = answers.callbacks(bar, interrupt);
        const std::optional<QString> folder = chooseOutputFolder(album, callbacks);
        if (!folder)
            return failure(answers.whyNothing(QStringLiteral("nothing was exported")));
        CdExportOptions options;
        options.outputFolder = *folder;
        options.exportMax = settings.exportLimit();
        options.canvas = titleCardCanvas(options.exportMax);
        options.progress = callbacks.progress;
        options.cancel = callbacks.cancel;
        report = ExportCdAlbum(album, options);
    }
    bar.finish();
    if (!report)
        return failure(report.error().message());
    printProblems(report->failures);
    if (report->cancelled)
        return failure(QStringLiteral("cancelled"));
    if (report->stopped)
        return failure(stoppedEarly(parsed.to));
    printOut(QFileInfo(parsed.to).absoluteFilePath());
    return report->failures.isEmpty() ? kSuccess : kIncomplete;
}

}  // namespace

extern const Command kCdExportCommand{kName, "export an album as a CD photo album", kHelp,
                                      kCdExportOptions, run};

}  // namespace pictavo::cli
