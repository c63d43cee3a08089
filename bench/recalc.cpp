// Recalculation speed: the two-pass workbook recalculation with every input
// filled, and the sheet recalculation that follows one edit on the heaviest
// sheet. Runs on the template beside the program, and on a generated
// workbook of the same shape with more formulas: 53 sheets, thousands of
// formula cells, sums over ranges, cross-sheet reads, chains of totals.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "formula/recalculator.h"
#include "model/amounts.h"
#include "model/file/spf_reader.h"
#include "model/workbook.h"

namespace {

using namespace spf;

const char* const kSheets[] = {
    "RZiS_p",         "RZiS_k",    "Aktywa",    "Pasywa",      "Pasywa_kw", "Przeplywy_mb", "Przeplywy_mp",
    "Zestawienie_zm", "Noty_d_zm", "Wykaz_not", "nota_01",     "nota_01a",  "nota_02",      "nota_03",
    "nota_04",        "nota_05",   "nota_06",   "nota_07",     "nota_08",   "nota_09",      "nota_10",
    "nota_11a",       "nota_11b",  "nota_12",   "nota_13",     "nota_14",   "nota_15",      "nota_15a",
    "nota_16",        "nota_17",   "nota_18",   "nota_19",     "nota_20",   "nota_21",      "nota_21a",
    "nota_22",        "nota_23",   "nota_24",   "nota_24a",    "nota_25",   "nota_26",      "nota_27",
    "nota_28",        "nota_29",   "nota_30",   "nota_31",     "nota_32",   "nota_33",      "nota_34",
    "nota_35",        "AF_Bilans", "AF_RZiS",   "AF_Wskazniki"};
constexpr int kSheetCount = sizeof kSheets / sizeof kSheets[0];
constexpr int kFirstNote = 10;
constexpr int kFirstAnalysis = 50;
constexpr int kFirstRow = 5;
constexpr int kLastRow = 64;  // content rows, in groups of four items and a subtotal
constexpr int kTotalRow = 65;
constexpr int kRows = 67;
constexpr int kColumns = 8;

std::string Ref(const std::string& sheet, char col, int row) {
    return "RANGE('" + sheet + "!" + col + std::to_string(row) + "')";
}

void SetFormula(Grid& g, int c, int r, std::string formula) {
    TCellProps& p = g.At(c, r).EnsureProps();
    p.Formula = std::move(formula);
    p.CellFormat = 2;
}

void SetInput(Grid& g, int c, int r, int64_t hundredths) {
    Cell& cell = g.At(c, r);
    cell.Edit = true;
    cell.Cells = FormatHundredths(hundredths);
    TCellProps& p = cell.EnsureProps();
    p.CellFormat = 2;
    p.Val = std::to_string(hundredths);
}

// The item a statement or analysis row reads from another sheet, if any.
std::string Source(int sheet, int row, char col) {
    const int k = row - kFirstRow;
    if (k % 5 != 0) return {};
    if (sheet < kFirstNote) return Ref(kSheets[kFirstNote + (sheet * 4 + k / 5) % 40], col, kTotalRow);
    if (sheet == kFirstAnalysis || sheet == kFirstAnalysis + 1)
        return Ref(kSheets[(k / 5) % 7], col, kFirstRow + (k / 5) * 5 % 60 + 4);
    return {};
}

void BuildSheet(Workbook& wb, int index) {
    TSheet sheet;
    sheet.GridName = kSheets[index];
    sheet.Grid = std::make_unique<Grid>();
    Grid& g = *sheet.Grid;
    g.SetColumns(kColumns);
    g.SetRows(kRows);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) g.At(c, r).EnsureProps();
    const std::string& name = sheet.GridName;
    for (int r = kFirstRow; r <= kLastRow; ++r) {
        for (char col : {'D', 'E'}) {
            const int c = col - 'A' + 1;
            if ((r - kFirstRow) % 5 == 4) {
                SetFormula(g, c, r, "=SUM(" + Ref(name, col, r - 4) + ":" + Ref(name, col, r - 1) + ")");
            } else if (std::string source = Source(index, r, col); !source.empty()) {
                SetFormula(g, c, r, "=" + source);
            } else {
                SetInput(g, c, r, 0);
            }
        }
        SetFormula(g, 6, r, "=" + Ref(name, 'D', r) + "-" + Ref(name, 'E', r));
    }
    for (char col : {'D', 'E'}) {
        std::string sum = "=Sum(";
        for (int r = kFirstRow + 4; r <= kLastRow; r += 5)
            sum += Ref(name, col, r) + ":" + Ref(name, col, r) + (r + 5 <= kLastRow ? "," : ")");
        SetFormula(g, col - 'A' + 1, kTotalRow, sum);
    }
    wb.Sheets.push_back(std::move(sheet));
}

// Ratios over the analysis sheets, in the style of the built-in ratio sheet.
void AddRatios(Grid& g) {
    for (int block = 0; block < 12; ++block) {
        const int r = 7 + block * 5;
        for (char target : {'C', 'E'}) {
            // The amounts of the generated sheets stand in D, E and F.
            const char col = static_cast<char>(target + 1);
            const char next = static_cast<char>(col + 1);
            SetFormula(g, target - 'A' + 1, r,
                       "=Range('AF_Bilans!" + std::string(1, col) + std::to_string(9 + block) +
                           "')/Sum(Range('AF_Bilans!" + col + "24'):Range('AF_Bilans!" + col +
                           "24'),Range('AF_Bilans!" + next + "24'):Range('AF_Bilans!" + next +
                           "24'))*200*100-RANGE('AF_RZiS!D" + std::to_string(14 + block) + "')/AKCJE1");
        }
    }
}

Workbook BuildWorkbook() {
    Workbook wb;
    wb.Header.RokBiezacy = 2004;
    for (int i = 0; i < kSheetCount; ++i) BuildSheet(wb, i);
    AddRatios(*wb.Sheets.back().Grid);
    return wb;
}

void FillInputs(Workbook& wb) {
    int64_t n = 0;
    for (auto& sheet : wb.Sheets) {
        Grid& g = *sheet.Grid;
        for (int c = 1; c < g.Columns(); ++c)
            for (int r = 1; r < g.Rows(); ++r)
                if (g.At(c, r).Edit && g.At(c, r).Props && g.At(c, r).Props->CellFormat > 0)
                    SetInput(g, c, r, 100 + (++n * 7919) % 1000000);
    }
}

int FormulaCells(const Workbook& wb) {
    int n = 0;
    for (const auto& sheet : wb.Sheets)
        for (int c = 0; c < sheet.Grid->Columns(); ++c)
            for (int r = 0; r < sheet.Grid->Rows(); ++r) {
                const Cell& cell = sheet.Grid->At(c, r);
                n += cell.Props && !cell.Props->Formula.empty();
            }
    return n;
}

// Processor time of this thread: the machine is shared, and wall time
// would mostly measure the neighbours.
double ThreadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

template <typename F>
double MedianMs(int runs, F&& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = ThreadMs();
        work(i);
        times.push_back(ThreadMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The first input amount of a sheet, or none.
bool FirstInput(const Grid& g, int& col, int& row) {
    for (col = 1; col < g.Columns(); ++col)
        for (row = 1; row < g.Rows(); ++row)
            if (g.At(col, row).Edit) return true;
    return false;
}

// Prints the figures of one workbook, each name with the given suffix.
void Measure(Workbook& wb, const std::string& suffix) {
    FillInputs(wb);
    FixedClock clock(DaysFromCivil({2005, 3, 7}));
    Recalculator recalc(wb, clock);
    const char* sfx = suffix.c_str();

    std::printf("recalc_formula_cells%s %d cells\n", sfx, FormulaCells(wb));
    // The first run after loading also records every dependant.
    std::printf("recalc_workbook_first%s_ms %.2f ms\n", sfx,
                MedianMs(1, [&](int) { recalc.RecalculateWorkbook(); }));
    std::printf("recalc_workbook%s_ms %.2f ms\n", sfx,
                MedianMs(9, [&](int) { recalc.RecalculateWorkbook(); }));

    // A workbook recalculation that has a change to carry: an input of the
    // first sheet, which the totals of later sheets read.
    {
        Grid& first = *wb.Sheets.front().Grid;
        int col = 0, row = 0;
        if (FirstInput(first, col, row))
            std::printf("recalc_workbook_after_edit%s_ms %.2f ms\n", sfx, MedianMs(9, [&](int i) {
                            SetInput(first, col, row, 7000 + i);
                            recalc.RecalculateWorkbook();
                        }));
    }

    double heaviest = 0;
    std::string heaviestName;
    for (int s = 0; s < static_cast<int>(wb.Sheets.size()); ++s) {
        Grid& g = *wb.Sheets[static_cast<size_t>(s)].Grid;
        int col = 0, row = 0;
        const bool hasInput = FirstInput(g, col, row);
        const double ms = MedianMs(9, [&](int i) {
            if (hasInput) SetInput(g, col, row, 5000 + i);
            recalc.RecalculateSheet(s);
        });
        if (ms > heaviest) {
            heaviest = ms;
            heaviestName = wb.Sheets[static_cast<size_t>(s)].GridName;
        }
    }
    std::printf("recalc_after_edit%s_ms %.2f ms\n", sfx, heaviest);
    std::fprintf(stderr, "heaviest sheet%s: %s\n", sfx, heaviestName.c_str());
}

}  // namespace

int main() {
    const std::string templatePath = std::string(SPF_PROGRAM_DIR) + "/empty.spf";
    if (ReadResult read = ReadDocument(templatePath))
        Measure(*read.workbook, "");
    else
        std::fprintf(stderr, "no template: %s\n", read.error.Message().c_str());
    Workbook generated = BuildWorkbook();
    Measure(generated, "_generated");
    return 0;
}
