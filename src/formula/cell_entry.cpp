#include "formula/cell_entry.h"

#include "formula/undo_record.h"
#include "model/amounts.h"
#include "model/display_text.h"

namespace spf {

std::string CellEntry::StartEditing(const Workbook& workbook, const Grid& grid, int col, int row) {
    editStartText_ = CellDisplayText(workbook, grid, col, row);
    return editStartText_;
}

CellEntryOutcome CellEntry::FinishEditing(Workbook& workbook, const std::string& sheetName, Grid& grid,
                                          int col, int row, const std::string& text, bool autoRecalc) {
    CellEntryOutcome outcome;
    if (!grid.Contains(col, row)) return outcome;
    Cell& cell = grid.At(col, row);
    // Leaving a cell as it was stores nothing: its grid text may still hold
    // the other language, and writing it back would overwrite this one's text.
    if (text == editStartText_) return outcome;
    const std::string valBefore = cell.Props ? cell.Props->Val : std::string();
    workbook.UndoJournal.push_back(CellUndoRecord{sheetName, col, row, valBefore, editStartText_}.Format());
    outcome.changed = true;
    workbook.Saved = false;
    TCellProps& props = cell.EnsureProps();
    props.Val = text;
    cell.Cells = text;
    if (props.CellFormat > 0 && props.CellFormat != 3) {
        outcome.amount = FormatujLiczbe(grid, col, row);
        // Totals read Val: a text that is no amount must not stay there
        // behind the emptied cell.
        if (outcome.amount == AmountReading::Blank || outcome.amount == AmountReading::NotAnAmount)
            props.Val.clear();
    }
    // An edit inside a merged block waits for the next showing of the sheet.
    outcome.recalcRequested = autoRecalc && !props.Merged;
    SetLanguageText(workbook, grid, col, row, cell.Cells);
    return outcome;
}

}  // namespace spf
