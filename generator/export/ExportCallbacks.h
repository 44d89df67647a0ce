#pragma once
// How an export asks the user and reports back: the GUI answers with dialogs,
// the command-line tool with its options. Shared by the site export and the
// CD photo album export.

#include <QString>

#include <atomic>
#include <functional>
#include <optional>

namespace pictavo {

struct ExportCallbacks {
    // Shows the proposed output folder; gives the chosen one, or nothing to
    // cancel. Unset: the proposed folder is used.
    std::function<std::optional<QString>(const QString& proposed)> chooseFolder;
    // Asks nonEmptyFolderQuestion(); true goes on. Unset: no.
    std::function<bool(const QString& question)> confirmOverwrite;
    // Shows an error message (the folder cannot be created).
    std::function<void(const QString& message)> showError;
    // Image work progress, on the calling thread.
    std::function<void(int done, int total)> progress;
    // Work on one source file starts; called from any thread.
    std::function<void(const QString& path)> fileStarted;
    // Set from any thread (or a signal handler) to stop the run.
    const std::atomic<bool>* cancel = nullptr;
    int threads = 0;  // 0: all cores
};

}  // namespace pictavo
