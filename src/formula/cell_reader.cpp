#include "formula/cell_reader.h"

#include "model/display_text.h"
#include "model/text_utils.h"

namespace spf {

CellReader::CellReader(EvaluationContext& context) : context_(context) {
    const auto& calc = context_.calculated;
    const Workbook& wb = context_.workbook();
    if (calc && calc->sheet >= 0 && calc->sheet < static_cast<int>(wb.Sheets.size()))
        dependant_ = TReference{wb.Sheets[static_cast<size_t>(calc->sheet)].GridName, calc->col, calc->row};
}

std::string_view CellReader::Read(int sheet, int col, int row) {
    Workbook& wb = context_.workbook();
    Grid& grid = *wb.Sheets[static_cast<size_t>(sheet)].Grid;
    Cell& cell = grid.At(col, row);
    std::string_view value;
    if (cell.Props) {
        // A formula that reads its own cell does not depend on itself.
        if (dependant_ && !(*context_.calculated == CalculatedCell{sheet, col, row}))
            hint_ = cell.Props->AddRef(*dependant_, hint_);
        value = cell.Props->Val;
        if (!cell.Props->Formula.empty() && StartsWith(value, "=")) value.remove_prefix(1);
    } else {
        shown_ = CellDisplayText(wb, grid, col, row);
        value = shown_;
    }
    value = Trim(value);
    return value.empty() ? std::string_view("0") : value;
}

}  // namespace spf
