#include "formula/nota10_rule.h"

#include "formula/edit_permission.h"
#include "formula/expression/float_checks.h"
#include "formula/expression/number_text.h"
#include "formula/formula_error.h"
#include "formula/round_amount.h"
#include "model/amounts.h"
#include "model/sheet_names.h"
#include "model/text_utils.h"

namespace spf {

bool Nota10RuleApplies(const TSheet& sheet, int row) {
    if (sheet.GridName != sheets::kNota10 || !sheet.Grid) return false;
    const Grid& grid = *sheet.Grid;
    const int rows = grid.Rows();
    if (row != rows - 5 && row != rows - 6 && row != rows - 2) return false;
    return grid.Contains(kNota10AmountColumn, row) && !CellMayBeEdited(grid, kNota10AmountColumn, row);
}

void ApplyNota10Rule(TSheet& sheet, int row) {
    if (!Nota10RuleApplies(sheet, row)) return;
    Cell& cell = sheet.Grid->At(kNota10AmountColumn, row);
    if (!cell.Props) return;  // no Val to round
    // Val and the shown text are rounded each on its own: a shown text that
    // is not an amount yet (never calculated, or a failure marker) must not
    // keep the value from being rounded, or the text made from it next would
    // show a different amount than the one the statements read.
    if (const auto value = ParseCommaNumber(Trim(cell.Props->Val)))
        cell.Props->Val = expr::NumberText(expr::RoundHalfEven(*value / 100) * 100);
    try {
        cell.Cells = RoundAmountText(cell.Cells);
    } catch (const FormulaError&) {
        // Not an amount: the cell keeps what it shows.
    }
}

}  // namespace spf
