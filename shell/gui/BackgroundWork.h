#pragma once
// BackgroundWork: runs a long job on a worker thread while a modal progress
// dialog shows "done of total: current item" with a Cancel button, and the
// program's windows keep repainting. run() returns when the job has
// returned, saying whether the user cancelled.
//
// The job must not touch widgets or the album model: the model is edited
// on the GUI thread only. It reports through its WorkProgress and hands its
// result back as its return value, which runWithResult() delivers to the
// caller on the GUI thread. While the job runs, input to every window other
// than the progress dialog is held back, also before the dialog shows (it
// appears only when the job lasts longer than the show delay, so that a
// short job does not flash a window).
//
// Threading: run() on the GUI thread; WorkProgress from the worker (its
// reads from any thread).

#include <QString>

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <type_traits>
#include <utility>

class QWidget;

namespace pictavo {

class WorkProgress {
public:
    // The number of items the job will work through (0: not known).
    void setTotal(int total) { total_ = total; }
    // The job starts on its next item, called item: "n of total: item".
    void advance(const QString& item);
    // For jobs that work on several items at once: finished items are
    // counted apart from the one named (the last one started).
    void setFinished(int finished) { position_ = finished + 1; }
    void setItem(const QString& item);
    // Polled by the job; it returns early once this is true.
    bool isCancelled() const { return cancelled_; }
    // The same as a flag, for work that polls an atomic (the exports).
    const std::atomic<bool>* cancelFlag() const { return &cancelled_; }

    void cancel() { cancelled_ = true; }
    int total() const { return total_; }
    // The number of the item being worked on (1 for the first), 0 before.
    int position() const { return position_; }
    QString currentItem() const;

private:
    std::atomic<int> total_{0};
    std::atomic<int> position_{0};
    std::atomic<bool> cancelled_{false};
    mutable std::mutex mutex_;
    QString item_;
};

struct WorkOutcome {
    bool cancelled = false;
};

template <typename T>
struct WorkResult {
    bool cancelled = false;
    T value{};
};

class BackgroundWork {
public:
    // parent: the window the dialog is centred on. title: its caption
    // (empty: the program's name).
    explicit BackgroundWork(QWidget* parent = nullptr, QString title = {});

    // How long a job runs before the dialog shows, in milliseconds.
    void setShowDelay(int milliseconds) { showDelay_ = milliseconds; }

    // Runs job and returns when it has returned. An exception thrown by
    // the job is thrown again here, on the GUI thread.
    WorkOutcome run(const std::function<void(WorkProgress&)>& job);

    template <typename Job>
    auto runWithResult(Job&& job) -> WorkResult<std::invoke_result_t<Job&, WorkProgress&>> {
        using Value = std::invoke_result_t<Job&, WorkProgress&>;
        std::optional<Value> value;
        const WorkOutcome outcome =
            run([&](WorkProgress& progress) { value.emplace(job(progress)); });
        return {outcome.cancelled, std::move(*value)};
    }

private:
    QWidget* parent_;
    QString title_;
    int showDelay_ = 400;
};

}  // namespace pictavo
