// Which formula cells are calculated and when: one cell with the cells that
// read it, a sheet, the analysis sheets by name, and the whole workbook.
// One Recalculator belongs to one open workbook and holds its evaluation
// context. Sheets are given by their index in the workbook.
#pragma once

#include <string>
#include <vector>

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

    // Two passes over every sheet without propagation.
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

    EvaluationContext context_;
    bool propagationSuspended_ = false;
    DependantOrder dependants_;
    std::vector<CalculatedCell> starts_;
};

}  // namespace spf
