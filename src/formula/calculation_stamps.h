// When each cell was last calculated, as a count of calculations: a cell
// that reads another and was calculated before that one changed has missed
// the change.
#pragma once

#include <cstdint>
#include <vector>

#include "formula/evaluation_context.h"
#include "model/workbook.h"

namespace spf {

class CalculationStamps {
public:
    // A stamp later than every one given before.
    uint64_t Next() { return ++clock_; }

    // The cell must exist.
    void Mark(const Workbook& workbook, const CalculatedCell& cell, uint64_t stamp);

    // The cell's last stamp; 0 when it was never marked, or not since rows
    // were added or deleted.
    uint64_t Of(const Workbook& workbook, const CalculatedCell& cell) const;

private:
    std::vector<std::vector<uint64_t>> stamps_;  // per sheet, per cell
    uint64_t clock_ = 0;
};

}  // namespace spf
