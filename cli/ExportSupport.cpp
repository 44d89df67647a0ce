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
#include <string_view>

namespace pictavo::cli {

namespace {

std::atomic<bool> interrupted{false};

extern "C" void onInterrupt(int) {
    interrupted.store(true);
}

}  // namespace

QString readExportArgs(const ParsedArgs& args, ExportArgs& out) {
    if (args.positional().size() != 1)
        return args.positional().isEmpty()
                   ? QStringLiteral("expected an album path")
                   : QStringLiteral("unexpected argument '%1'").arg(args.positional().at(1));
    out.album = args.positional().first();
    out.to = args.value("--to").value_or(QString());
    if (out.to.isEmpty())
        return QStringLiteral("expected --to DIR");
    out.force = args.has("--force");
    out.check = args.has("--check");
    out.full = args.has("--full");
    if (const std::optional<QString> id = args.value("--folder")) {
        bool ok = false;
        out.folderId = id->toInt(&ok);
        if (!ok || out.folderId < 0)
            return QStringLiteral("--folder needs a folder id");
    }
    for (const char* option : {"--thumb-size", "--export-max"}) {
        const bool thumb = option == std::string_view("--thumb-size");
        if (const std::optional<QString> text = args.value(option)) {
            const std::optional<QSize> size = parseSize(*text, thumb ? 1 : 0);
            if (!size)
                return QLatin1String(option) + QStringLiteral(" needs WIDTHxHEIGHT");
            (thumb ? out.thumbSize : out.exportMax) = size;
        }
    }
    if (const std::optional<QString> threads = args.value("--threads")) {
        bool ok = false;
        out.threads = threads->toInt(&ok);
        if (!ok || out.threads < 1)
            return QStringLiteral("--threads needs a positive number");
    }
    return {};
}

std::optional<int> startExportCommand(const ParsedArgs& args, const char* name, ExportArgs& out,
                                      Album& album) {
    if (const QString problem = readExportArgs(args, out); !problem.isEmpty())
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
