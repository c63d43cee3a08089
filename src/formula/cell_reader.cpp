#include "formula/cell_reader.h"

#include "model/display_text.h"
#include "model/text_utils.h"

namespace spf {

std::string_view CellValueText(const Workbook& workbook, const Grid& grid, int col, int row,
                               std::string& shown) {
    // The properties pointer loaded once: read through the cell at each use,
    // a whole-sheet sum ran ten times slower.
    const TCellProps* props = grid.At(col, row).Props.get();
    std::string_view value;
    if (props) {
        value = props->Val;
        if (!props->Formula.empty() && StartsWith(value, "=")) value.remove_prefix(1);
    } else {
        shown = CellDisplayText(workbook, grid, col, row);
        value = shown;
    }
    value = Trim(value);
    return value.empty() ? std::string_view("0") : value;
}

std::optional<TReference> CalculatedDependant(const EvaluationContext& context) {
    const auto& calc = context.calculated;
    const Workbook& wb = context.workbook();
    if (!calc || calc->sheet < 0 || calc->sheet >= static_cast<int>(wb.Sheets.size())) return std::nullopt;
    return TReference{wb.Sheets[static_cast<size_t>(calc->sheet)].GridName, calc->col, calc->row};
}

CellReader::CellReader(EvaluationContext& context)
    : context_(context), dependant_(CalculatedDependant(context)) {}

std::string_view CellReader::Read(int sheet, int col, int row) {
    Workbook& wb = context_.workbook();
    Grid& grid = *wb.Sheets[static_cast<size_t>(sheet)].Grid;
    Cell& cell = grid.At(col, row);
    // A formula that reads its own cell does not depend on itself.
    if (cell.Props && dependant_ && !(*context_.calculated == CalculatedCell{sheet, col, row}))
        cell.Props->AddRef(*dependant_);
    return CellValueText(wb, grid, col, row, shown_);
}

}  // namespace spf
