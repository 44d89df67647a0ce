// pictavo-cli export: writes an album's site into a folder.
#include "cli/Command.h"
#include "cli/ExportSupport.h"
#include "cli/SiteCheckOutput.h"
#include "generator/export/SiteExport.h"

#include <QSize>

namespace pictavo::cli {

namespace {

const char kName[] = "export";

const char kHelp[] =

    "usage: pictavo-cli export ALBUM.www --to DIR [--folder ID] [--force]\n"
    "                          [--thumb-size WxH] [--export-max WxH] [--threads N]\n"
    "                          [--check] [--full]\n"
    "\n"
    "Exports the album as a static web site into DIR (created when missing, one\n"
    "level only) and prints the path of its entry page. Relative file paths in\n"
    "the album are taken relative to the album file's folder.\n"
    "\n"
    "  --to DIR          the output folder\n"
    "  --folder ID       export only the subtree of the album folder with this id,\n"
    "                    as the program does for a selected folder\n"
    "  --force           write into a folder that is not empty\n"
    "  --thumb-size WxH  thumbnail box (default: the settings file, else 150x150)\n"
    "  --export-max WxH  largest shown image size, 0x0 for none (default: the\n"
    "                    settings file, else 0x0)\n"
    "  --threads N       image work threads (default: one per core)\n"
    "  --check           then check the links of the written site as\n"
    "                    'pictavo-cli check DIR' does, reporting on stderr\n"
    "  --full            redo all image work; without it an export into a folder\n"
    "                    an earlier export wrote redoes only what changed (see\n"
    "                    DIR/.pictavo-export)\n"
    "\n"
    "Ctrl-C stops the run cleanly; no partly written file is left behind.\n"
    "\n"
    "Exit status: 0 all written; 1 nothing exported (error, refusal or Ctrl-C);\n"
    "2 usage error; 3 exported, but some sources were missing or some files\n"
    "could not be written (each problem is listed on stderr); 4 (--check) all\n"
    "written, but some links of the site are broken.";

void printFailureSummary(const std::vector<RunFailure>& failures) {
    if (failures.empty())
        return;
    constexpr std::size_t kShown = 10;
    printError(QStringLiteral("%1 problem(s) during export:").arg(failures.size()));
    for (std::size_t i = 0; i < failures.size() && i < kShown; ++i)
        printError(QStringLiteral("  %1: %2").arg(failures[i].path, failures[i].message));
    if (failures.size() > kShown)
        printError(QStringLiteral("  ... and %1 more").arg(failures.size() - kShown));
}

// Checks the links of the site in folder, reporting on stderr so that
// stdout keeps the entry page alone; true when every link was found.
bool checkWrittenSite(const QString& folder) {
    const Result<SiteCheckReport> report = checkSite(folder);
    if (!report) {
        printError(QStringLiteral("pictavo-cli: ") + report.error().message());
        return false;
    }
    printSiteCheck(report.value(), printError);
    return report->allFound();
}

int run(const ParsedArgs& args) {
    ExportArgs parsed;
    Album album;
    if (const std::optional<int> exit = startExportCommand(args, kName, parsed, album))
        return *exit;
    const CSiteFolder* start = nullptr;
    if (parsed.folderId >= 0) {
        start = album.tree.findFolderById(parsed.folderId);
        if (!start)
            return failure(QStringLiteral("no folder with id %1").arg(parsed.folderId));
    }

    const EnvironmentSettings settings = environmentWith(parsed.thumbSize, parsed.exportMax);
    SiteExporter exporter(album, settings);
    exporter.setFullExport(parsed.full);
    ProgressBar bar;
    CommandLineAnswers answers(parsed.to, parsed.force);
    bool generated = false;
    {
        const InterruptGuard interrupt;
        ExportCallbacks callbacks = answers.callbacks(bar, interrupt);
        callbacks.threads = parsed.threads;
        generated = exporter.exportSite(start, start == nullptr, callbacks);
    }
    bar.finish();

    printFailureSummary(exporter.lastFailures());
    if (!generated) {
        if (exporter.lastRunCancelled())
            return failure(QStringLiteral("cancelled"));
        if (!exporter.lastFailures().empty())
            return failure(stoppedEarly(parsed.to));
        return failure(answers.whyNothing(QStringLiteral("nothing was exported")));
    }
    printOut(exporter.firstPageOf(start ? start : album.tree.root()));
    const int status = exporter.lastFailures().empty() ? kSuccess : kIncomplete;
    if (!parsed.check)
        return status;
    const bool linksFound = checkWrittenSite(parsed.to);
    return status == kSuccess && !linksFound ? int(kBrokenLinks) : status;
}

}  // namespace

extern const Command kExportCommand{kName, "export an album as a web site", kHelp,
                                    kSiteExportOptions, run};

}  // namespace pictavo::cli
