#pragma once
// The parallel image work of an export run: runs every job of an
// ImageWorkPlan on a pool of threads (all cores by default), one job per
// source, and gathers the thumbnail URLs and display sizes the writing pass
// answers with.
//
// Progress (jobs done of total) is reported on the calling thread, which
// waits for the workers. Cancellation: the flag is checked between jobs and
// inside long loops; files already written stay, nothing is left half
// written.

#include "generator/export/ImageJob.h"
#include "generator/export/ImageWorkPlan.h"
#include "generator/export/RunReport.h"

#include <QHash>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

namespace pictavo {

struct ImageWorkOptions {
    ImageJobSettings job;
    int threads = 0;  // 0: one per core
    std::function<void(int done, int total)> progress;
    // A job starts on its source; called on the worker threads.
    std::function<void(const QString& source)> jobStarted;
};

struct ImageWorkResults {
    std::vector<QString> thumbnailUrls;  // by number; empty: use the fallback
    QHash<QString, QSize> displaySizes;  // by source path as planned
    bool cancelled = false;
    bool stopped = false;              // a write error that every further file would meet
    std::vector<ImageJobResult> jobs;  // by job, as given
};

// Runs jobs (from ImageWorkPlan::jobs(), perhaps fewer) of a plan of
// thumbnailCount thumbnails.
ImageWorkResults runImageWork(const std::vector<SourceJob>& jobs, int thumbnailCount,
                              const ImageWorkOptions& options, RunReport& report);

}  // namespace pictavo
