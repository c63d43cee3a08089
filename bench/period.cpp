// The rollover of the example statement (the four recalculation passes and
// every sheet's own recalculation included) and the consistency check of the
// filled example after a workbook recalculation.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "formula/recalculator.h"
#include "model/file/spf_reader.h"
#include "model/workbook.h"
#include "period/core/consistency_check.h"
#include "period/core/rollover.h"
#include "support/bench_support.h"
#include "workbench/core/note_visibility.h"

namespace {

using namespace spf;

// Processor time of this thread: the machine is shared.
double ThreadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The example as the application holds it once loaded: labels written, figures calculated.
Workbook LoadedExample(const Clock& clock) {
    Workbook wb = bench::ReadExample();
    UpdateNoteVisibility(wb);
    Recalculator(wb, clock).RecalculateWorkbook();
    return wb;
}

}  // namespace

int main() {
    const FixedClock clock(DaysFromCivil({2006, 3, 15}));
    constexpr int kRuns = 5;

    std::vector<double> rollover;
    for (int i = 0; i < kRuns; ++i) {
        Workbook wb = LoadedExample(clock);
        Recalculator recalc(wb, clock);
        const double start = ThreadMs();
        Rollover(wb, recalc, clock);
        rollover.push_back(ThreadMs() - start);
    }
    std::printf("rollover_example_ms %.2f ms\n", bench::Median(rollover));

    Workbook wb = LoadedExample(clock);
    std::vector<double> check;
    size_t found = 0;
    for (int i = 0; i < 9; ++i) {
        const double start = ThreadMs();
        found = CheckConsistency(wb).size();
        check.push_back(ThreadMs() - start);
    }
    std::printf("consistency_check_example_ms %.2f ms\n", bench::Median(check));
    std::printf("consistency_check_example_disagreements %zu count\n", found);
    return 0;
}
