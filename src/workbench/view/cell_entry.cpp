#include "workbench/view/cell_entry.h"

#include "model/workbook.h"
#include "workbench/view/view_context.h"

namespace spf {

std::string BeginCellEdit(ViewContext& context, const TSheet& sheet, int col, int row) {
    return context.cellEntry().StartEditing(context.workbook(), *sheet.Grid, col, row);
}

bool EndCellEdit(ViewContext& context, TSheet& sheet, int col, int row, const std::string& text) {
    CellEntry& entry = context.cellEntry();
    const CellEntryOutcome outcome = entry.FinishEditing(context.workbook(), sheet.GridName, *sheet.Grid, col,
                                                         row, text, context.autoRecalc);
    if (outcome.changed) context.notifyUndoAvailable();
    if (outcome.recalcRequested) context.startRecalcTimer();
    return outcome.changed;
}

}  // namespace spf
