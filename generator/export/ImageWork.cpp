#include "generator/export/ImageWork.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace pictavo {

namespace {

int threadCount(int requested, std::size_t jobs) {
    const int cores = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    const int wanted = requested > 0 ? requested : cores;
    return std::max(1, std::min<int>(wanted, static_cast<int>(jobs)));
}

}  // namespace

ImageWorkResults runImageWork(const std::vector<SourceJob>& jobs, int thumbnailCount,
                              const ImageWorkOptions& options, RunReport& report) {
    const int total = static_cast<int>(jobs.size());
    std::vector<ImageJobResult> results(jobs.size());

    std::atomic<std::size_t> next{0};
    std::mutex mutex;
    std::condition_variable changed;
    int done = 0;
    int running = threadCount(options.threads, jobs.size());

    // Ctrl-C / Cancel, or a write error that every further file would meet.
    auto stopRequested = [&] {
        return report.stopped() ||
               (options.job.cancel && options.job.cancel->load(std::memory_order_relaxed));
    };
    auto worker = [&] {
        for (std::size_t i = next++; i < jobs.size() && !stopRequested(); i = next++) {
            if (options.jobStarted)
                options.jobStarted(jobs[i].source);
            results[i] = runImageJob(jobs[i], options.job, report);
            const std::lock_guard lock(mutex);
            ++done;
            changed.notify_one();
        }
        const std::lock_guard lock(mutex);
        --running;
        changed.notify_one();
    };

    std::vector<std::jthread> threads;
    if (total > 0) {
        const int count = running;
        for (int t = 0; t < count; ++t)
            threads.emplace_back(worker);
    } else {
        running = 0;
    }
    {
        std::unique_lock lock(mutex);
        int reported = -1;
        while (true) {
            const bool finished = running == 0;  // no count changes after this
            if (done != reported && options.progress) {
                reported = done;
                lock.unlock();
                options.progress(reported, total);
                lock.lock();
            }
            if (finished)
                break;
            changed.wait_for(lock, std::chrono::milliseconds(200));
        }
    }
    threads.clear();

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
