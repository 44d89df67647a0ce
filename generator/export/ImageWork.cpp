#include "generator/export/ImageWork.h"

#include "core/ParallelJobs.h"

namespace pictavo {

ImageWorkResults runImageWork(const std::vector<SourceJob>& jobs, int thumbnailCount,
                              const ImageWorkOptions& options, RunReport& report) {
    std::vector<ImageJobResult> results(jobs.size());
    ParallelRunOptions run;
    run.threads = options.threads;
    run.progress = options.progress;
    // Ctrl-C / Cancel, or a write error that every further file would meet.
    run.stopRequested = [&] {
        return report.stopped() ||
               (options.job.cancel && options.job.cancel->load(std::memory_order_relaxed));
    };
    runParallel(
        jobs.size(),
        [&](std::size_t i) {
            if (options.jobStarted)
                options.jobStarted(jobs[i].source);
            results[i] = runImageJob(jobs[i], options.job, report);
        },
        run);

    ImageWorkResults out;
    out.cancelled = options.job.cancel && options.job.cancel->load();
    out.stopped = report.stopped();
    out.thumbnailUrls.resize(std::size_t(thumbnailCount));
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        for (const auto& [number, url] : results[i].thumbnails)
            out.thumbnailUrls[std::size_t(number)] = url;
        if (results[i].displaySize)
            out.displaySizes.insert(jobs[i].source, *results[i].displaySize);
    }
    out.jobs = std::move(results);
    return out;
}

}  // namespace pictavo
