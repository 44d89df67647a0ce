#include "core/ParallelJobs.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace pictavo {

namespace {

int threadCount(int requested, std::size_t jobs) {
    const int cores = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    const int wanted = requested > 0 ? requested : cores;
    return std::max(1, static_cast<int>(std::min<std::size_t>(std::size_t(wanted), jobs)));
}

}  // namespace

void runParallel(std::size_t count, const std::function<void(std::size_t index)>& job,
                 const ParallelRunOptions& options) {
    std::atomic<std::size_t> next{0};
    std::mutex mutex;
    std::condition_variable changed;
    int done = 0;
    int running = count > 0 ? threadCount(options.threads, count) : 0;

    const auto stopping = [&] { return options.stopRequested && options.stopRequested(); };
    const auto worker = [&] {
        for (std::size_t i = next++; i < count && !stopping(); i = next++) {
            job(i);
            const std::lock_guard lock(mutex);
            ++done;
            changed.notify_one();
        }
        const std::lock_guard lock(mutex);
        --running;
        changed.notify_one();
    };

    std::vector<std::jthread> threads;
    for (int t = running; t > 0; --t)
        threads.emplace_back(worker);

    const int total = static_cast<int>(count);
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

}  // namespace pictavo
