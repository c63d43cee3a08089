// The sheet grid's side of cell entry: the editor's starting text and the
// end of an edit, on the core cell-entry rule, plus what the window does
// about it ("Cofnij" enabled, the recalculation timer).
#pragma once

#include <string>

#include "formula/cell_entry.h"

namespace spf {

struct TSheet;
class Workbook;

// What the sheet grids of one window share for cell entry: the workbook, the
// edit start text and the two reactions to a change, which the window's
// toolkit side provides.
class CellEntryHost {
public:
    explicit CellEntryHost(Workbook& workbook) : workbook_(workbook) {}
    virtual ~CellEntryHost() = default;
    CellEntryHost(const CellEntryHost&) = delete;
    CellEntryHost& operator=(const CellEntryHost&) = delete;

    Workbook& workbook() const { return workbook_; }
    // Cell entry, with the text the editor started with (one for the window).
    CellEntry& cellEntry() { return cellEntry_; }

    // "Przeliczaj formuły automatycznie".
    bool autoRecalc = true;

    // An edit changed a cell and appended an undo record: "Cofnij" becomes available.
    virtual void notifyUndoAvailable() = 0;
    // The deferred recalculation of the shown sheet; a pending start does not queue a second run.
    virtual void startRecalcTimer() = 0;
    // The text typed into an amount cell was no amount and the cell was emptied.
    virtual void notifyNotAnAmount() {}

private:
    Workbook& workbook_;
    CellEntry cellEntry_;
};

// The cell's shown text, remembered as the window's edit start text.
std::string BeginCellEdit(CellEntryHost& host, const TSheet& sheet, int col, int row);

// Stores the text the editor reported for (col, row). Returns true when the
// text differed from the start text, so the document changed.
bool EndCellEdit(CellEntryHost& host, TSheet& sheet, int col, int row, const std::string& text);

}  // namespace spf
