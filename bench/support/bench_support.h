// What the benchmark programs share: the median of timed runs and the example
// statement read and recalculated as the figures start from.
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "formula/recalculator.h"
#include "model/file/spf_reader.h"
#include "model/workbook.h"

namespace spf::bench {

inline double Median(std::vector<double> times) {
    if (times.empty()) return 0;
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The example statement, read; a benchmark without it has nothing to measure.
inline Workbook ReadExample() {
    ReadResult read = ReadDocument(SPF_EXAMPLE_FILE);
    if (!read.workbook) {
        std::fprintf(stderr, "%s: %s\n", SPF_EXAMPLE_FILE, read.error.Message().c_str());
        std::exit(1);
    }
    return std::move(*read.workbook);
}

// The example with every figure calculated.
inline Workbook RecalculatedExample(const Clock& clock) {
    Workbook wb = ReadExample();
    Recalculator(wb, clock).RecalculateWorkbook();
    return wb;
}

}  // namespace spf::bench
