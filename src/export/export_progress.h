// How far an export has got, for a progress bar with the estimated end.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace spf {

using WallClock = std::chrono::system_clock;

struct ExportProgress {
    int64_t done = 0;   // content cells visited
    int64_t total = 0;  // content cells of the exported sheets
    WallClock::time_point estimatedEnd;
};

// Called for every visited cell; false stops the export (nothing is written).
using ProgressCallback = std::function<bool(const ExportProgress&)>;

// start + (now - start) * (total + 1) / done: the time the cells still to be
// visited take at the pace so far. Before the first cell, start itself.
WallClock::time_point EstimatedEnd(WallClock::time_point start, WallClock::time_point now, int64_t done,
                                   int64_t total);

}  // namespace spf
