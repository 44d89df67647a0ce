// pictavo-cli export: writes an album's site into a folder.
#include "album/file/AlbumFile.h"
#include "cli/AlbumPaths.h"
#include "cli/Command.h"
#include "generator/export/SiteExport.h"
#include "shell/settings/SettingsStore.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSize>

#include <unistd.h>
#include <csignal>
#include <cstdio>

namespace pictavo::cli {

namespace {

const char kName[] = "export";

void printHelp() {
    printOut(QStringLiteral(
        "usage: pictavo-cli export ALBUM.www --to DIR [--folder ID] [--force]\n"
        "                          [--thumb-size WxH] [--export-max WxH] [--threads N]\n"
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
        "\n"
        "Ctrl-C stops the run cleanly; no partly written file is left behind."));
}

struct ExportArgs {
    QString album;
    QString to;
    int folderId = -1;
    bool force = false;
    std::optional<QSize> thumbSize;
    std::optional<QSize> exportMax;
    int threads = 0;
};

std::optional<QSize> parseSize(const QString& text, int minimum) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QSize size(m.captured(1).toInt(), m.captured(2).toInt());
    if (size.width() < minimum || size.height() < minimum)
        return std::nullopt;
    return size;
}

QString parse(const QStringList& args, ExportArgs& out) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size())
                return std::nullopt;
            return args.at(++i);
        };
        if (arg == QLatin1String("--force")) {
            out.force = true;
        } else if (arg == QLatin1String("--to")) {
            const auto v = value();
            if (!v)
                return QStringLiteral("--to needs a folder");
            out.to = *v;
        } else if (arg == QLatin1String("--folder")) {
            const auto v = value();
            bool ok = false;
            out.folderId = v ? v->toInt(&ok) : -1;
            if (!ok || out.folderId < 0)
                return QStringLiteral("--folder needs a folder id");
        } else if (arg == QLatin1String("--thumb-size") || arg == QLatin1String("--export-max")) {
            const bool thumb = arg == QLatin1String("--thumb-size");
            const auto v = value();
            const std::optional<QSize> size = v ? parseSize(*v, thumb ? 1 : 0) : std::nullopt;
            if (!size)
                return arg + QStringLiteral(" needs WIDTHxHEIGHT");
            (thumb ? out.thumbSize : out.exportMax) = size;
        } else if (arg == QLatin1String("--threads")) {
            const auto v = value();
            bool ok = false;
            out.threads = v ? v->toInt(&ok) : 0;
            if (!ok || out.threads < 1)
                return QStringLiteral("--threads needs a positive number");
        } else if (arg.startsWith(QLatin1String("--"))) {
            return QStringLiteral("unknown option %1").arg(arg);
        } else if (out.album.isEmpty()) {
            out.album = arg;
        } else {
            return QStringLiteral("unexpected argument '%1'").arg(arg);
        }
    }
    if (out.album.isEmpty())
        return QStringLiteral("expected an album path");
    if (out.to.isEmpty())
        return QStringLiteral("expected --to DIR");
    return {};
}

std::atomic<bool> interrupted{false};

extern "C" void onInterrupt(int) {
    interrupted.store(true);
}

// A one-line progress bar on a terminal; nothing when stderr is not one.
class ProgressBar {
public:
    ProgressBar() : enabled_(isatty(STDERR_FILENO) != 0) {}
    void show(int done, int total) {
        if (!enabled_ || total == 0)
            return;
        constexpr int kWidth = 30;
        const int filled = kWidth * done / total;
        std::fprintf(stderr, "\rimages %d/%d [%s%s]", done, total,
                     QByteArray(filled, '#').constData(),
                     QByteArray(kWidth - filled, '.').constData());
        std::fflush(stderr);
        shown_ = true;
    }
    void finish() {
        if (shown_)
            std::fputc('\n', stderr);
        shown_ = false;
    }

private:
    bool enabled_;
    bool shown_ = false;
};

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

EnvironmentSettings environmentFor(const ExportArgs& args) {
    EnvironmentSettings settings;
    SettingsStore().loadEnvironment(settings);
    if (args.thumbSize) {
        settings.ThumbnailMaxSizeX = args.thumbSize->width();
        settings.ThumbnailMaxSizeY = args.thumbSize->height();
    }
    if (args.exportMax) {
        settings.ExportImgMaxSizeX = args.exportMax->width();
        settings.ExportImgMaxSizeY = args.exportMax->height();
    }
    return settings;
}

}  // namespace

int runExport(const QStringList& args) {
    if (wantsHelp(args)) {
        printHelp();
        return kSuccess;
    }
    ExportArgs parsed;
    if (const QString problem = parse(args, parsed); !problem.isEmpty())
        return usageError(kName, problem);

    Album album;
    if (Status opened = openAlbumFile(album, parsed.album); !opened)
        return failure(opened.error().message());
    makePathsAbsolute(album, QFileInfo(parsed.album).absolutePath());
    const CSiteFolder* start = nullptr;
    if (parsed.folderId >= 0) {
        start = album.tree.findFolderById(parsed.folderId);
        if (!start)
            return failure(QStringLiteral("no folder with id %1").arg(parsed.folderId));
    }

    const EnvironmentSettings settings = environmentFor(parsed);
    SiteExporter exporter(album, settings);
    ProgressBar bar;
    QString refusal;
    QString error;
    ExportCallbacks callbacks;
    callbacks.chooseFolder = [&](const QString&) { return std::optional(parsed.to); };
    callbacks.confirmOverwrite = [&](const QString& question) {
        if (!parsed.force)
            refusal = question;
        return parsed.force;
    };
    callbacks.showError = [&](const QString& message) { error = message; };
    callbacks.progress = [&](int done, int total) { bar.show(done, total); };
    callbacks.cancel = &interrupted;
    callbacks.threads = parsed.threads;

    std::signal(SIGINT, onInterrupt);
    const bool wholeAlbum = start == nullptr;
    const bool generated = exporter.exportSite(start, wholeAlbum, callbacks);
    std::signal(SIGINT, SIG_DFL);
    bar.finish();

    printFailureSummary(exporter.lastFailures());
    if (!generated) {
        if (exporter.lastRunCancelled())
            return failure(QStringLiteral("cancelled"));
        if (!refusal.isEmpty())
            return failure(refusal + QStringLiteral(" (use --force to export anyway)"));
        if (!error.isEmpty())
            return failure(error);
        return failure(QStringLiteral("nothing was exported"));
    }
    const QString first =
        wholeAlbum || start == album.tree.root()
            ? exporter.entryPage()
            : exporter.outputFolder() + QStringLiteral("/d%1p0.htm").arg(start->id);
    printOut(first);
    return kSuccess;
}

}  // namespace pictavo::cli
