// The cells a change reaches through the dependants of the cells (their Ref
// entries and the readers of large ranges over them), in
// the order they must be calculated: each once, and after the cells of the
// same propagation that it reads. A cycle of references is cut where the
// walk comes back to a cell already taken, so propagation always ends.
#pragma once

#include <cstdint>
#include <vector>

#include "formula/evaluation_context.h"
#include "formula/sheet_index.h"
#include "model/workbook.h"

namespace spf {

class DependantOrder {
public:
    // Whether a start cell, just calculated, is calculated again when the
    // change of another start cell (or a cycle) reaches it.
    enum class Starts { NeverAgain, AgainWhenReached };

    // Every cell that reads one of the start cells, directly or through
    // other cells. Editable cells are never calculated and pass nothing on,
    // so the walk stops at them; so it does at cells outside their sheet and
    // at dependants of a sheet that is gone.
    const std::vector<CalculatedCell>& Collect(const Workbook& workbook, const RangeDependants& ranges,
                                               const std::vector<CalculatedCell>& starts, Starts again);

private:
    struct Frame {
        CalculatedCell cell;
        bool start = false;     // a start cell's own frame only passes its change on
        size_t nextReader = 0;  // position for RangeDependants::NextReader
    };

    void RefreshMarks(const Workbook& workbook);
    // Marks the cell as taken; false when it was taken already.
    bool Take(const Workbook& workbook, const CalculatedCell& cell);
    void Walk(const Workbook& workbook, const RangeDependants& ranges);

    SheetIndex sheets_;
    std::vector<std::vector<uint32_t>> marks_;  // per sheet, per cell: generation taken
    uint32_t generation_ = 0;
    std::vector<Frame> stack_;
    std::vector<CalculatedCell> order_;
};

}  // namespace spf
