// The cells a change reaches through the dependants (Ref) of the cells, in
// the order they must be calculated: each once, and after the cells of the
// same propagation that it reads. A cycle of references is cut where the
// walk comes back to a cell already taken, so propagation always ends.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "formula/evaluation_context.h"
#include "model/workbook.h"

namespace spf {

class DependantOrder {
public:
    // Every cell that reads (sheet, col, row), directly or through other
    // cells, without the start cell itself. Editable cells are never
    // calculated and pass nothing on, so the walk stops at them; so it does
    // at cells outside their sheet and at dependants of a sheet that is gone.
    const std::vector<CalculatedCell>& Collect(const Workbook& workbook, int sheet, int col, int row);

private:
    struct Frame {
        CalculatedCell cell;
        size_t nextRef = 0;
    };

    void RefreshSheets(const Workbook& workbook);
    int SheetIndex(const std::string& name) const;
    // Marks the cell as taken; false when it was taken already.
    bool Take(const Workbook& workbook, const CalculatedCell& cell);

    std::vector<const void*> sheetIdentity_;          // grids the name index was built for
    std::unordered_map<std::string, int> sheetIndex_;  // GridName -> index, the last match wins
    std::vector<std::vector<uint32_t>> marks_;         // per sheet, per cell: generation taken
    uint32_t generation_ = 0;
    std::vector<Frame> stack_;
    std::vector<CalculatedCell> order_;
};

}  // namespace spf
