#include "workbench/view/mouse_feedback.h"

#include "model/grid.h"
#include "workbench/view/grid_look.h"

namespace spf {

namespace {

const TCellProps* PropsAt(const Grid& grid, int col, int row) {
    return grid.Contains(col, row) ? grid.At(col, row).Props.get() : nullptr;
}

}  // namespace

CursorKind CursorForCell(const Grid& grid, const GridLook& look, int col, int row) {
    if (col < 1 || row < 2 || !grid.Contains(col, row)) return CursorKind::Normal;
    const TCellProps* props = PropsAt(grid, col, row);
    if (col == 1) {
        if (!props) return CursorKind::Normal;
        return props->CanAdd || props->CanDel ? CursorKind::Hand : CursorKind::Normal;
    }
    if (col == 2 && props && props->NoteSel > 0) return CursorKind::Hand;
    const TCellProps* box = PropsAt(grid, 2, row);
    if (box && box->NoteSel == 1) return CursorKind::Hand;
    return look.effectiveEditable(col, row) ? CursorKind::Text : CursorKind::Normal;
}

}  // namespace spf
