#include "period/core/sheet_figures.h"

#include <cmath>

#include "formula/expression/number_text.h"
#include "model/amounts.h"
#include "model/text_utils.h"
#include "model/workbook.h"

namespace spf {

std::string_view Caption(const Grid& grid, int row) {
    if (!grid.Contains(2, row)) return {};
    const Cell& cell = grid.At(2, row);
    if (cell.Props && !Trim(cell.Props->Text1).empty()) return Trim(cell.Props->Text1);
    return Trim(cell.Cells);
}

int RowStartingWith(const Grid& grid, std::string_view prefix, int from) {
    for (int r = from; r < grid.Rows(); ++r)
        if (StartsWith(Caption(grid, r), prefix)) return r;
    return -1;
}

std::optional<double> HundredthsIn(const Cell& cell) {
    if (!cell.Props) return std::nullopt;
    const std::string_view val = Trim(cell.Props->Val);
    if (const auto whole = expr::WholeNumberValue(val)) return static_cast<double>(*whole);
    return ParseCommaNumber(val);
}

std::optional<int64_t> AmountAt(const Grid& grid, int col, int row) {
    if (!grid.Contains(col, row)) return std::nullopt;
    const auto value = HundredthsIn(grid.At(col, row));
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return std::llround(*value);
}

}  // namespace spf
