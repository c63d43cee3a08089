// Where the cells of a sheet grid lie in its viewport: column and row
// offsets from the model's sizes, the fixed header strip, the scrolled
// first column and row, and the reverse mapping from a point to a cell.
// It reads the model and never writes it; sizes missing from a damaged
// sheet's lists count as the defaults.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

#include "workbench/core/merged_block.h"

namespace spf {

class Grid;

class SheetGeometry {
public:
    // Re-reads column widths and row heights.
    void rebuild(const Grid& grid, int fixedCols, int fixedRows);

    int columns() const { return static_cast<int>(colStart_.size()) - 1; }
    int rows() const { return static_cast<int>(rowStart_.size()) - 1; }
    bool contains(int col, int row) const { return col >= 0 && row >= 0 && col < columns() && row < rows(); }
    int fixedCols() const { return fixedCols_; }
    int fixedRows() const { return fixedRows_; }
    int colWidth(int col) const { return colStart_[size_t(col) + 1] - colStart_[size_t(col)]; }
    int rowHeight(int row) const { return rowStart_[size_t(row) + 1] - rowStart_[size_t(row)]; }
    // Pixels taken by the header column and row.
    int fixedWidth() const { return colStart_[size_t(fixedCols_)]; }
    int fixedHeight() const { return rowStart_[size_t(fixedRows_)]; }

    // The first scrolled column and row shown after the headers.
    void setFirstScrolled(int col, int row);
    QPoint firstScrolled() const { return {firstCol_, firstRow_}; }

    int colX(int col) const;
    int rowY(int row) const;
    // Cell rectangle in viewport coordinates; a block's box spans its cells.
    QRect cellRect(int col, int row) const;
    QRect blockRect(const CellBlock& block) const;
    // Column and row under a viewport point, -1 outside.
    QPoint cellAt(const QPoint& pos) const;

    // The largest first scrolled column and row that still fill the viewport.
    QPoint lastFirstScrolled(const QSize& viewport) const;
    // The first scrolled column (row) that shows `col` (`row`) whole.
    int firstShowingCol(int col, int extent) const;
    int firstShowingRow(int row, int extent) const;

    // The column or row whose far edge lies within `grip` pixels of a point
    // of the header strip, or -1.
    int columnEdgeAt(const QPoint& pos, int grip) const;
    int rowEdgeAt(const QPoint& pos, int grip) const;

private:
    std::vector<int> colStart_{0};  // x of each column in content coordinates, and the end
    std::vector<int> rowStart_{0};
    int fixedCols_ = 0, fixedRows_ = 0;
    int firstCol_ = 0, firstRow_ = 0;
};

}  // namespace spf
