#pragma once
// RunReport: the failures of one export run (unreadable sources, failed
// copies, conversions and thumbnails, pages that could not be written).
// Pages keep their quiet fallbacks; this report is how the caller learns
// what went wrong. add() may be called from any thread.

#include <QString>

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
        failures_.push_back({path, message});
    }
    std::vector<RunFailure> failures() const {
        const std::lock_guard lock(mutex_);
        return failures_;
    }
    void clear() {
        const std::lock_guard lock(mutex_);
        failures_.clear();
    }
    bool empty() const {
        const std::lock_guard lock(mutex_);
        return failures_.empty();
    }

private:
    mutable std::mutex mutex_;
    std::vector<RunFailure> failures_;
};

}  // namespace pictavo
