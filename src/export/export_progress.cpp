#include "export/export_progress.h"

namespace spf {

WallClock::time_point EstimatedEnd(WallClock::time_point start, WallClock::time_point now, int64_t done,
                                   int64_t total) {
    if (done <= 0) return start;
    // In floating point: elapsed nanoseconds times a cell count of a large
    // workbook would overflow 64 bits.
    const double elapsed = static_cast<double>((now - start).count());
    const double scaled = elapsed * static_cast<double>(total + 1) / static_cast<double>(done);
    return start + WallClock::duration(static_cast<WallClock::rep>(scaled));
}

}  // namespace spf
