#include "workbench/core/enter_walk.h"

namespace spf {

namespace {

struct Order {
    bool columnsFirst;  // walk along a column before moving to the next one
    int dx, dy;         // direction along the row and along the column
};

Order OrderOf(T_nextcell order) {
    switch (order) {
        case T_nextcell::nc_rightdown:
            return {false, 1, 1};
        case T_nextcell::nc_downright:
            return {true, 1, 1};
        case T_nextcell::nc_leftdown:
            return {false, -1, 1};
        case T_nextcell::nc_downleft:
            return {true, -1, 1};
        case T_nextcell::nc_leftup:
            return {false, -1, -1};
        case T_nextcell::nc_upleft:
            return {true, -1, -1};
        case T_nextcell::nc_rightup:
            return {false, 1, -1};
        case T_nextcell::nc_upright:
            return {true, 1, -1};
    }
    return {true, 1, 1};
}

}  // namespace

std::optional<CellPos> NextCellInOrder(T_nextcell order, T_lastcell last, const WalkArea& area, CellPos start,
                                       const std::function<std::optional<CellPos>(int, int)>& accept) {
    if (area.lastCol < area.firstCol || area.lastRow < area.firstRow) return std::nullopt;
    const Order o = OrderOf(order);
    const int rowStart = o.dy > 0 ? area.firstRow : area.lastRow;
    const int colStart = o.dx > 0 ? area.firstCol : area.lastCol;
    auto inRows = [&](int r) { return r >= area.firstRow && r <= area.lastRow; };
    auto inCols = [&](int c) { return c >= area.firstCol && c <= area.lastCol; };
    const long cells =
        static_cast<long>(area.lastCol - area.firstCol + 1) * (area.lastRow - area.firstRow + 1);
    auto [c, r] = start;
    for (long step = 0; step <= cells; ++step) {
        if (o.columnsFirst) {
            r += o.dy;
            if (!inRows(r)) {
                r = rowStart;
                c += o.dx;
            }
        } else {
            c += o.dx;
            if (!inCols(c)) {
                c = colStart;
                r += o.dy;
            }
        }
        if (!inCols(c) || !inRows(r)) {
            if (last == T_lastcell::lc_stop || last == T_lastcell::lc_exit) return std::nullopt;
            c = colStart;
            r = rowStart;
        }
        if (CellPos{c, r} == start) return std::nullopt;
        if (auto landing = accept(c, r)) return landing;
    }
    return std::nullopt;
}

}  // namespace spf
