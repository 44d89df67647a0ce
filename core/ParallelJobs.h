#pragma once
// runParallel: runs job(0) .. job(count - 1) on a pool of threads, one per
// core by default and never more than there are jobs. Each worker takes the
// next index until none is left or stopRequested() says so (polled before
// every job, from the workers). The calling thread waits for the workers and
// reports progress (jobs finished, count) whenever the number changes, once
// before the first job finishes and once at the end; nothing runs on it.
//
// Shared by the site export's image work and the CD album export, so both
// stop, count and report the same way.

#include <cstddef>
#include <functional>

namespace pictavo {

struct ParallelRunOptions {
    int threads = 0;  // 0: one per core
    std::function<bool()> stopRequested;
    std::function<void(int done, int total)> progress;
};

void runParallel(std::size_t count, const std::function<void(std::size_t index)>& job,
                 const ParallelRunOptions& options);

}  // namespace pictavo
