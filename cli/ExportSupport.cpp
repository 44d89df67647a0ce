#include "cli/ExportSupport.h"

#include "album/AlbumPaths.h"
#include "album/file/AlbumFile.h"
#include "cli/Command.h"
#include "shell/settings/SettingsStore.h"

#include <QFileInfo>

#include <QByteArray>
#include <QRegularExpression>

#include <unistd.h>
#include <csignal>
#include <cstdio>

namespace pictavo::cli {

namespace {

std::atomic<bool> interrupted{false};

extern "C" void onInterrupt(int) {
    interrupted.store(true);
}

bool isSiteOnlyOption(const QString& arg) {
    return arg == QLatin1String("--folder") || arg == QLatin1String("--thumb-size") ||
           arg == QLatin1String("--threads") || arg == QLatin1String("--check") ||
           arg == QLatin1String("--full");
}

}  // namespace

QString parseExportArgs(const QStringList& args, ExportCommandKind kind, ExportArgs& out) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size())
                return std::nullopt;
            return args.at(++i);
        };
        if (kind == ExportCommandKind::CdAlbum && isSiteOnlyOption(arg)) {
            return QStringLiteral("unknown option %1").arg(arg);
        } else if (arg == QLatin1String("--force")) {
            out.force = true;
        } else if (arg == QLatin1String("--check")) {
            out.check = true;
        } else if (arg == QLatin1String("--full")) {
            out.full = true;
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

std::optional<int> startExportCommand(const QStringList& args, ExportCommandKind kind,
                                      const char* name, void (*printHelp)(), ExportArgs& out,
                                      Album& album) {
    if (wantsHelp(args)) {
        printHelp();
        return kSuccess;
    }
    if (const QString problem = parseExportArgs(args, kind, out); !problem.isEmpty())
        return usageError(name, problem);
    if (Status opened = openAlbumFile(album, out.album); !opened)
        return failure(opened.error().message());
    makePathsAbsolute(album, QFileInfo(out.album).absolutePath());
    return std::nullopt;
}

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

EnvironmentSettings environmentWith(const std::optional<QSize>& thumbSize,
                                    const std::optional<QSize>& exportMax) {
    EnvironmentSettings settings;
    SettingsStore().loadEnvironment(settings);
    if (thumbSize) {
        settings.ThumbnailMaxSizeX = thumbSize->width();
        settings.ThumbnailMaxSizeY = thumbSize->height();
    }
    if (exportMax) {
        settings.ExportImgMaxSizeX = exportMax->width();
        settings.ExportImgMaxSizeY = exportMax->height();
    }
    return settings;
}

ProgressBar::ProgressBar() : enabled_(isatty(STDERR_FILENO) != 0) {}

void ProgressBar::show(int done, int total) {
    if (!enabled_ || total == 0)
        return;
    constexpr int kWidth = 30;
    const int filled = kWidth * done / total;
    std::fprintf(stderr, "\rimages %d/%d [%s%s]", done, total, QByteArray(filled, '#').constData(),
                 QByteArray(kWidth - filled, '.').constData());
    std::fflush(stderr);
    shown_ = true;
}

void ProgressBar::finish() {
    if (shown_)
        std::fputc('\n', stderr);
    shown_ = false;
}

QString stoppedEarly(const QString& folder) {
    return QStringLiteral("the export stopped early; what was written is left in %1").arg(folder);
}

InterruptGuard::InterruptGuard() {
    interrupted.store(false);
    previous_ = std::signal(SIGINT, onInterrupt);
}

InterruptGuard::~InterruptGuard() {
    // Whatever handled SIGINT before the run (a caller's handler, or SIG_IGN
    // when started in the background) handles it again afterwards.
    std::signal(SIGINT, previous_ == SIG_ERR ? SIG_DFL : previous_);
}

const std::atomic<bool>* InterruptGuard::flag() const {
    return &interrupted;
}

ExportCallbacks CommandLineAnswers::callbacks(ProgressBar& bar, const InterruptGuard& interrupt) {
    ExportCallbacks callbacks;
    callbacks.chooseFolder = [this](const QString&) { return std::optional(folder_); };
    callbacks.confirmOverwrite = [this](const QString& question) {
        if (!force_)
            refusal_ = question;
        return force_;
    };
    callbacks.showError = [this](const QString& message) { error_ = message; };
    callbacks.progress = [&bar](int done, int total) { bar.show(done, total); };
    callbacks.cancel = interrupt.flag();
    return callbacks;
}

QString CommandLineAnswers::whyNothing(const QString& fallback) const {
    if (!refusal_.isEmpty())
        return refusal_ + QStringLiteral(" (use --force to export anyway)");
    if (!error_.isEmpty())
        return error_;
    return fallback;
}

}  // namespace pictavo::cli
