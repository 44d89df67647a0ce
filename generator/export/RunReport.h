#pragma once
// RunReport: the failures of one export run (unreadable sources, failed
// copies, conversions and thumbnails, pages that could not be written).
// Pages keep their quiet fallbacks; this report is how the caller learns
// what went wrong. add() may be called from any thread.
//
// An error that every further file would meet too (Error::affectsEveryFile:
// disk full, read-only output) is recorded once and stops the run: the
// export checks stopped() between files, and later failures are dropped.

#include "core/Result.h"

#include <QString>

#include <atomic>
#include <mutex>
#include <vector>

namespace pictavo {

struct RunFailure {
    QString path;     // the file concerned
    QString message;  // what went wrong, readable
};

class RunReport {
public:
    void add(const QString& path, const QString& message) {
        const std::lock_guard lock(mutex_);
        if (!stopped_.load())
            failures_.push_back({path, message});
    }
    void add(const QString& path, const Error& error) {
        const std::lock_guard lock(mutex_);
        if (stopped_.load())
            return;
        failures_.push_back({path, error.message()});
        if (error.affectsEveryFile())
            stopped_.store(true);
    }
    bool stopped() const { return stopped_.load(std::memory_order_relaxed); }
    std::vector<RunFailure> failures() const {
        const std::lock_guard lock(mutex_);
        return failures_;
    }
    void clear() {
        const std::lock_guard lock(mutex_);
        failures_.clear();
        stopped_.store(false);
    }
    bool empty() const {
        const std::lock_guard lock(mutex_);
        return failures_.empty();
    }

private:
    mutable std::mutex mutex_;
    std::vector<RunFailure> failures_;
    std::atomic<bool> stopped_{false};
};

}  // namespace pictavo
