// Whether the user may type into a cell. Recalculation never computes such a
// cell, and cell entry refuses every other one.
#pragma once

#include "model/grid.h"

namespace spf {

inline bool CellMayBeEdited(const Grid& grid, int col, int row) {
    return grid.Contains(col, row) && grid.At(col, row).Edit;
}

}  // namespace spf
