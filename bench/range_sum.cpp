// SUM over a whole large sheet: 50 cells, each summing the 27 x 20 000 input
// amounts of another sheet. Prints the first workbook recalculation (which
// also records every dependant), a further one, the recalculation of the
// summing sheet and the peak memory.
#include <sys/resource.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "formula/recalculator.h"
#include "model/workbook.h"

namespace {

using namespace spf;

constexpr int kColumns = 27;  // A .. AA
constexpr int kRows = 20000;
constexpr int kSums = 50;

Workbook BuildWorkbook() {
    Workbook wb;
    wb.Header.RokBiezacy = 2004;
    TSheet data;
    data.GridName = "Dane";
    data.Grid = std::make_unique<Grid>();
    data.Grid->SetColumns(kColumns + 1);
    data.Grid->SetRows(kRows + 1);
    for (int c = 1; c <= kColumns; ++c)
        for (int r = 1; r <= kRows; ++r) {
            Cell& cell = data.Grid->At(c, r);
            cell.Edit = true;
            TCellProps& p = cell.EnsureProps();
            p.CellFormat = 2;
            p.Val = std::to_string(100 + (c * 7919 + r * 104729) % 1000000);
        }
    TSheet sums;
    sums.GridName = "Sumy";
    sums.Grid = std::make_unique<Grid>();
    sums.Grid->SetColumns(3);
    sums.Grid->SetRows(kSums + 1);
    for (int r = 1; r <= kSums; ++r) {
        TCellProps& p = sums.Grid->At(2, r).EnsureProps();
        p.CellFormat = 2;
        p.Formula = "=SUM(RANGE('Dane!A1'):RANGE('Dane!AA" + std::to_string(kRows) + "'))";
    }
    wb.Sheets.push_back(std::move(data));
    wb.Sheets.push_back(std::move(sums));
    return wb;
}

// Processor time of this thread: the machine is shared.
double ThreadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

template <typename F>
double Ms(F&& work) {
    const double start = ThreadMs();
    work();
    return ThreadMs() - start;
}

}  // namespace

int main() {
    Workbook wb = BuildWorkbook();
    FixedClock clock(DaysFromCivil({2005, 3, 7}));
    Recalculator recalc(wb, clock);
    std::printf("range_sum_cells_read %d cells\n", kColumns * kRows * kSums);
    std::printf("range_sum_workbook_first_ms %.0f ms\n", Ms([&] { recalc.RecalculateWorkbook(); }));
    std::printf("range_sum_workbook_ms %.0f ms\n", Ms([&] { recalc.RecalculateWorkbook(); }));
    std::printf("range_sum_sheet_ms %.0f ms\n", Ms([&] { recalc.RecalculateSheet(1); }));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("range_sum_peak_memory %.0f MB\n", static_cast<double>(usage.ru_maxrss) / 1024);
    const std::string& total = wb.Sheets[1].Grid->At(2, 1).Cells;
    std::fprintf(stderr, "range sum: %s\n", total.c_str());
    return 0;
}
