// Single cells: formulas that failed and amounts finer than the grosz.
#include <cmath>

#include "formula/formula_pipeline.h"
#include "formula/recalculator.h"
#include "model/text_utils.h"
#include "model/workbook.h"
#include "period/core/consistency_rules.h"
#include "period/core/sheet_figures.h"

namespace spf {

namespace {

// The analysis sheets compute ratios and dynamics in floating point, and
// show "–" for a ratio over zero (a year not filled in), both by design.
bool IsAnalysis(const std::string& sheetName) { return StartsWith(sheetName, "AF_"); }

bool Failed(const std::string& sheetName, const Cell& cell, std::string_view val) {
    if (val == kFormulaFailed || Trim(cell.Cells) == kFormulaFailed) return true;
    return val == kFailedAmount && !IsAnalysis(sheetName);
}

}  // namespace

void CheckCellValues(const Workbook& workbook, Findings& findings) {
    for (const TSheet& sheet : workbook.Sheets) {
        if (!sheet.Grid) continue;
        const Grid& g = *sheet.Grid;
        for (int r = 1; r < g.Rows(); ++r)
            for (int c = 1; c < g.Columns(); ++c) {
                const Cell& cell = g.At(c, r);
                if (!cell.Props) continue;
                const std::string_view val = Trim(cell.Props->Val);
                if (Failed(sheet.GridName, cell, val)) {
                    findings.Add({sheet.GridName, c, r, "formuła nie dała wyniku", std::nullopt, std::nullopt,
                                  std::string(val.empty() ? Trim(cell.Cells) : val)});
                    continue;
                }
                if (!IsAmountCell(cell) || IsAnalysis(sheet.GridName)) continue;
                const auto hundredths = HundredthsIn(cell);
                if (!hundredths || std::fabs(*hundredths - std::round(*hundredths)) < 1e-6) continue;
                findings.Add({sheet.GridName, c, r, "kwota z więcej niż dwoma miejscami po przecinku",
                              std::llround(*hundredths), std::nullopt,
                              HundredthsValueAsAmount(std::string(val), ',')});
            }
    }
}

}  // namespace spf
