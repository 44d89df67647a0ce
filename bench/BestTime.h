#pragma once
// The timing the benchmarks share: the best wall time of several runs.

#include <algorithm>
#include <chrono>
#include <functional>

namespace pictavo::bench {

// Best wall time of runs calls of work, in milliseconds.
inline double bestMs(int runs, const std::function<void()>& work) {
    using Clock = std::chrono::steady_clock;
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        best =
            std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

}  // namespace pictavo::bench
