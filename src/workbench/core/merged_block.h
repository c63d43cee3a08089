// The merged block a cell belongs to, as a rectangle of cell indices, checked
// against the grid so that a damaged rectangle never reaches outside it.
#pragma once

namespace spf {

class Grid;

struct CellBlock {
    int left = 0, top = 0, right = 0, bottom = 0;  // inclusive
    bool contains(int col, int row) const {
        return col >= left && col <= right && row >= top && row <= bottom;
    }
    bool single() const { return left == right && top == bottom; }
};

// The cell's block when its properties say Merged and the rectangle holds
// the cell inside the grid; the cell alone otherwise.
CellBlock BlockOf(const Grid& grid, int col, int row);
// Whether the cell is drawn as part of a merged block.
bool IsMergedCell(const Grid& grid, int col, int row);

}  // namespace spf
