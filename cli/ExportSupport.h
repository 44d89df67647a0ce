#pragma once
// What the export commands (export, cd-export) share: option values, the
// answers to the export's questions taken from the command line, the
// progress bar and Ctrl-C handling.

#include "album/Album.h"
#include "cli/Command.h"
#include "generator/export/ExportCallbacks.h"
#include "properties/EnvironmentSettings.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <atomic>
#include <optional>

namespace pictavo::cli {

// The options of the export commands. The CD export takes --to, --force and
// --export-max (kCdExportOptions); the site export all of them
// (kSiteExportOptions).
inline constexpr OptionSpec kSiteExportOptions[] = {
    {"--to", true},         {"--folder", true},  {"--force", false}, {"--thumb-size", true},
    {"--export-max", true}, {"--threads", true}, {"--check", false},  {"--full", false},
};
inline constexpr OptionSpec kCdExportOptions[] = {
    {"--to", true},
    {"--force", false},
    {"--export-max", true},
};

struct ExportArgs {
    QString album;
    QString to;
    int folderId = -1;
    bool force = false;
    std::optional<QSize> thumbSize;
    std::optional<QSize> exportMax;
    int threads = 0;
    bool check = false;  // check the links of the written site
    bool full = false;   // redo all image work, taking nothing over
};

// Fills out from args; gives the usage problem, or an empty text.
QString readExportArgs(const ParsedArgs& args, ExportArgs& out);

// The start of an export command: reads the options and opens the album
// (relative file paths taken from the album's folder). Gives the exit code
// when the command ends here.
std::optional<int> startExportCommand(const ParsedArgs& args, const char* name, ExportArgs& out,
                                      Album& album);

// "WxH" with both sides at least minimum, or nothing.
std::optional<QSize> parseSize(const QString& text, int minimum);

// The user's environment settings with the sizes given on the command line
// put in their place.
EnvironmentSettings environmentWith(const std::optional<QSize>& thumbSize,
                                    const std::optional<QSize>& exportMax);

// A one-line progress bar on stderr when it is a terminal; nothing otherwise.
class ProgressBar {
public:
    ProgressBar();
    void show(int done, int total);
    void finish();

private:
    bool enabled_;
    bool shown_ = false;
};

// The message for a run that ended at an error every further file would
// meet: what was written stays in folder.
QString stoppedEarly(const QString& folder);

// While it lives, Ctrl-C sets the flag instead of ending the program, so a
// run stops cleanly between files.
class InterruptGuard {
public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;
    const std::atomic<bool>* flag() const;

private:
    void (*previous_)(int) = nullptr;
};

// Answers an export's questions: the folder is --to, a non-empty folder is
// written only with --force. Remembers why a run was refused.
class CommandLineAnswers {
public:
    CommandLineAnswers(QString folder, bool force) : folder_(std::move(folder)), force_(force) {}

    ExportCallbacks callbacks(ProgressBar& bar, const InterruptGuard& interrupt);
    // The message for a run that produced nothing: the refusal, the error,
    // or fallback.
    QString whyNothing(const QString& fallback) const;

private:
    QString folder_;
    bool force_;
    QString refusal_;
    QString error_;
};

}  // namespace pictavo::cli
