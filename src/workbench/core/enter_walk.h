// The order in which Enter walks to the next editable cell.
#pragma once

#include <functional>
#include <optional>
#include <utility>

namespace spf {

enum class T_nextcell {
    nc_rightdown,
    nc_downright,
    nc_leftdown,
    nc_downleft,
    nc_leftup,
    nc_upleft,
    nc_rightup,
    nc_upright
};
enum class T_lastcell { lc_newcolrow, lc_stop, lc_first, lc_exit };

struct WalkArea {
    int firstCol = 1, firstRow = 1;  // the first normal cell
    int lastCol = 0, lastRow = 0;    // inclusive
};

using CellPos = std::pair<int, int>;  // column, row

// The first cell after `start` in `order` that `accept` takes (returning the
// cell to land on, which may differ, e.g. the base of a merged block). At the
// end of the area lc_stop and lc_exit end the search, the others go on from
// the first cell. The search also ends when it comes back to `start`.
std::optional<CellPos> NextCellInOrder(T_nextcell order, T_lastcell last, const WalkArea& area, CellPos start,
                                       const std::function<std::optional<CellPos>(int, int)>& accept);

}  // namespace spf
