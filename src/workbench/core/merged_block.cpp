#include "workbench/core/merged_block.h"

#include "model/grid.h"

namespace spf {

bool IsMergedCell(const Grid& grid, int col, int row) {
    if (!grid.Contains(col, row)) return false;
    const TCellProps* p = grid.At(col, row).Props.get();
    return p && p->Merged && p->MergLeft <= col && col <= p->MergRight && p->MergTop <= row &&
           row <= p->MergBottom && p->MergLeft >= 0 && p->MergTop >= 0 && p->MergRight < grid.Columns() &&
           p->MergBottom < grid.Rows();
}

CellBlock BlockOf(const Grid& grid, int col, int row) {
    if (!IsMergedCell(grid, col, row)) return {col, row, col, row};
    const TCellProps& p = *grid.At(col, row).Props;
    return {p.MergLeft, p.MergTop, p.MergRight, p.MergBottom};
}

}  // namespace spf
