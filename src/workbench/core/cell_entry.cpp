#include "workbench/core/cell_entry.h"

#include "model/workbook.h"

namespace spf {

std::string BeginCellEdit(CellEntryHost& host, const TSheet& sheet, int col, int row) {
    return host.cellEntry().StartEditing(host.workbook(), *sheet.Grid, col, row);
}

bool EndCellEdit(CellEntryHost& host, TSheet& sheet, int col, int row, const std::string& text) {
    const CellEntryOutcome outcome = host.cellEntry().FinishEditing(
        host.workbook(), sheet.GridName, *sheet.Grid, col, row, text, host.autoRecalc);
    if (outcome.changed) host.notifyUndoAvailable();
    if (outcome.recalcRequested) host.startRecalcTimer();
    if (outcome.amount == AmountReading::NotAnAmount) host.notifyNotAnAmount();
    return outcome.changed;
}

}  // namespace spf
