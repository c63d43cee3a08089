// Which formula cells are calculated and when: one cell with the cells that
// read it, a sheet, the analysis sheets by name, and the whole workbook.
// One Recalculator belongs to one open workbook and holds its evaluation
// context. Sheets are given by their index in the workbook.
#pragma once

#include <string>
#include <vector>

#include "formula/calculation_stamps.h"
#include "formula/dependant_order.h"
#include "formula/evaluation_context.h"

namespace spf {

// The shown text of a failed amount, and the Val it leaves.
inline constexpr std::string_view kFailedAmount = "\u2013";

class Recalculator {
public:
    Recalculator(Workbook& workbook, const Clock& clock) : context_(workbook, clock) {}

    EvaluationContext& context() { return context_; }

    // Calculates one cell (an editable one never) and, unless a workbook
    // recalculation is running, every cell that reads it, each once.
    void CalculateCell(int sheet, int col, int row);

    // The selected rectangle, column by column, each column top to bottom.
    void CalculateCells(int sheet, int left, int top, int right, int bottom);

    // The recalculation of the shown sheet (the deferred timer and the
    // sheet view call it). A ratio sheet first recalculates AF_Bilans and
    // AF_RZiS. False when a failure stopped it; what was calculated stays.
    bool RecalculateSheet(int sheet);

    // The same loop over the sheet with that exact GridName.
    bool RecalculateNamedSheet(const std::string& gridName);

    // Leaves every formula cell at the value a further recalculation would
    // give: one pass over every sheet in workbook order, then, while a cell
    // changed after a cell that reads it was calculated, the cells reached
    // from such cells, in dependency order. A cycle of references that never
    // settles is cut after a few rounds.
    bool RecalculateWorkbook();

    bool PropagationSuspended() const { return propagationSuspended_; }

private:
    // Calculates the cell itself; false when it stopped before passing the
    // change on (an editable cell, a cell outside its sheet).
    bool CalculateOne(int sheet, int col, int row);
    // The sheet's cells in order, then one propagation from all of them.
    void SheetLoop(int sheet);
    void Propagate(DependantOrder::Starts again);
    bool ValidSheet(int sheet) const;

    // A cell whose value or shown text a calculation changed, and its stamp.
    struct Change {
        CalculatedCell cell;
        uint64_t at = 0;
    };
    // CalculateOne that stamps the cell and notes the cells it changed.
    void CalculateNoting(int sheet, int col, int row);
    // Whether a formula cell reading the changed cell was calculated before the change.
    bool MissedByAReader(const Change& change);

    EvaluationContext context_;
    bool propagationSuspended_ = false;
    DependantOrder dependants_;
    std::vector<CalculatedCell> starts_;
    CalculationStamps stamps_;
    std::vector<Change> changes_;
};

}  // namespace spf
