// What happens when the user types into a cell and leaves it: the undo
// record, the value and grid text, normalised amounts and the language text.
// The sheet view and the command-line tool both go through this class.
#pragma once

#include <string>

#include "model/amounts.h"
#include "model/workbook.h"

namespace spf {

struct CellEntryOutcome {
    bool changed = false;          // an undo record was added: enable "Cofnij"
    bool recalcRequested = false;  // start the deferred recalculation of the sheet
    // What became of a text typed into an amount cell. NotAnAmount: the text
    // could not be read and the cell was emptied, value and all; the user
    // should be told. Untouched for text cells and unchanged edits.
    AmountReading amount = AmountReading::Untouched;
};

class CellEntry {
public:
    // The editor's starting text (the shown text, placeholders replaced);
    // remembered to tell a real change from leaving the cell as it was.
    std::string StartEditing(const Workbook& workbook, const Grid& grid, int col, int row);

    // The end-of-editing rule for the cell (col, row) of the sheet sheetName.
    CellEntryOutcome FinishEditing(Workbook& workbook, const std::string& sheetName, Grid& grid, int col,
                                   int row, const std::string& text, bool autoRecalc);

    const std::string& EditStartText() const { return editStartText_; }

private:
    std::string editStartText_;
};

}  // namespace spf
