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
#include "workbench/core/note_visibility.h"

namespace {

using namespace spf;

// Processor time of this thread: the machine is shared.
double ThreadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The example as the application holds it once loaded: labels written, figures calculated.
Workbook LoadedExample(const Clock& clock) {
    ReadResult read = ReadDocument(SPF_EXAMPLE_FILE);
    if (!read.workbook) {
        std::fprintf(stderr, "%s: %s\n", SPF_EXAMPLE_FILE, read.error.Message().c_str());
        std::exit(1);
    }
    Workbook wb = std::move(*read.workbook);
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
    std::printf("rollover_example_ms %.2f ms\n", Median(rollover));

    Workbook wb = LoadedExample(clock);
    std::vector<double> check;
    size_t found = 0;
    for (int i = 0; i < 9; ++i) {
        const double start = ThreadMs();
        found = CheckConsistency(wb).size();
        check.push_back(ThreadMs() - start);
    }
    std::printf("consistency_check_example_ms %.2f ms\n", Median(check));
    std::printf("consistency_check_example_disagreements %zu count\n", found);
    return 0;
}
