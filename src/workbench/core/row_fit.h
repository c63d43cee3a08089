// The row-height fit of a sheet: every content row grows to the wrapped texts
// of its cells, a merged block's text to the rows of the block. Measuring a
// text is the caller's, who knows the fonts.
#pragma once

#include <functional>
#include <string>

namespace spf {

class Grid;
class Workbook;

// Two pixels on every side of a cell's text.
inline constexpr int kMeasureMargin = 4;

// Height in pixels of `text` wrapped at word boundaries into `width` pixels,
// in the font of the cell (col, row); `mergedBlock` when the cell is the last
// of a merged block whose text is measured.
using WrappedTextHeight =
    std::function<int(int col, int row, bool mergedBlock, int width, const std::string& text)>;

// Sets the heights of rows 1 .. Rows-1 (the header row keeps its own). A cell
// whose measuring fails leaves its row as far as it was fitted.
void FitRowHeights(const Workbook& workbook, Grid& grid, const WrappedTextHeight& measure);

}  // namespace spf
