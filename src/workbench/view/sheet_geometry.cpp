#include "workbench/view/sheet_geometry.h"

#include <algorithm>
#include <cstdlib>

#include "model/grid.h"

namespace spf {

namespace {

std::vector<int> Offsets(const std::vector<int>& sizes, int count, int fallback) {
    std::vector<int> start(static_cast<size_t>(count) + 1, 0);
    for (int i = 0; i < count; ++i) {
        const int size = static_cast<size_t>(i) < sizes.size() ? sizes[static_cast<size_t>(i)] : fallback;
        start[static_cast<size_t>(i) + 1] = start[static_cast<size_t>(i)] + std::max(0, size);
    }
    return start;
}

// The index whose span holds `coord` along one axis, -1 beyond the end.
int IndexAt(const std::vector<int>& start, int fixed, int first, int coord) {
    const int fixedEnd = start[static_cast<size_t>(fixed)];
    const int content = coord >= fixedEnd ? coord - fixedEnd + start[static_cast<size_t>(first)] : coord;
    const auto it = std::upper_bound(start.begin(), start.end(), content);
    const int index = static_cast<int>(it - start.begin()) - 1;
    return index >= static_cast<int>(start.size()) - 1 ? -1 : index;
}

int LastFirst(const std::vector<int>& start, int fixed, int extent) {
    const int count = static_cast<int>(start.size()) - 1;
    if (count <= fixed) return fixed;
    const int room = extent - start[static_cast<size_t>(fixed)];
    int first = count - 1;
    while (first > fixed && start[static_cast<size_t>(count)] - start[static_cast<size_t>(first - 1)] <= room)
        --first;
    return first;
}

int FirstShowing(const std::vector<int>& start, int fixed, int first, int index, int extent) {
    if (index < first) return index;
    const int room = extent - start[static_cast<size_t>(fixed)];
    while (first < index && start[static_cast<size_t>(index) + 1] - start[static_cast<size_t>(first)] > room)
        ++first;
    return first;
}

}  // namespace

void SheetGeometry::rebuild(const Grid& grid, int fixedCols, int fixedRows) {
    colStart_ = Offsets(grid.ColWidths, grid.Columns(), grid.DefaultColWidth);
    rowStart_ = Offsets(grid.RowHeights, grid.Rows(), grid.DefaultRowHeight);
    fixedCols_ = std::clamp(fixedCols, 0, columns());
    fixedRows_ = std::clamp(fixedRows, 0, rows());
    setFirstScrolled(firstCol_, firstRow_);
}

void SheetGeometry::setFirstScrolled(int col, int row) {
    firstCol_ = std::clamp(col, fixedCols_, std::max(fixedCols_, columns()));
    firstRow_ = std::clamp(row, fixedRows_, std::max(fixedRows_, rows()));
}

int SheetGeometry::colX(int col) const {
    if (col < fixedCols_) return colStart_[static_cast<size_t>(col)];
    return colStart_[static_cast<size_t>(col)] - colStart_[static_cast<size_t>(firstCol_)] + fixedWidth();
}

int SheetGeometry::rowY(int row) const {
    if (row < fixedRows_) return rowStart_[static_cast<size_t>(row)];
    return rowStart_[static_cast<size_t>(row)] - rowStart_[static_cast<size_t>(firstRow_)] + fixedHeight();
}

QRect SheetGeometry::cellRect(int col, int row) const {
    if (!contains(col, row)) return {};
    return QRect(colX(col), rowY(row), colWidth(col), rowHeight(row));
}

QRect SheetGeometry::blockRect(const CellBlock& b) const {
    const QRect tl = cellRect(b.left, b.top);
    const QRect br = cellRect(b.right, b.bottom);
    return QRect(tl.topLeft(), QPoint(br.left() + br.width() - 1, br.top() + br.height() - 1));
}

QPoint SheetGeometry::cellAt(const QPoint& pos) const {
    if (columns() == 0 || rows() == 0 || pos.x() < 0 || pos.y() < 0) return {-1, -1};
    const int c = IndexAt(colStart_, fixedCols_, firstCol_, pos.x());
    const int r = IndexAt(rowStart_, fixedRows_, firstRow_, pos.y());
    if (c < 0 || r < 0) return {-1, -1};
    return {c, r};
}

QPoint SheetGeometry::lastFirstScrolled(const QSize& viewport) const {
    return {LastFirst(colStart_, fixedCols_, viewport.width()),
            LastFirst(rowStart_, fixedRows_, viewport.height())};
}

int SheetGeometry::firstShowingCol(int col, int extent) const {
    return FirstShowing(colStart_, fixedCols_, firstCol_, col, extent);
}

int SheetGeometry::firstShowingRow(int row, int extent) const {
    return FirstShowing(rowStart_, fixedRows_, firstRow_, row, extent);
}

int SheetGeometry::columnEdgeAt(const QPoint& pos, int grip) const {
    if (rows() == 0 || pos.y() > fixedHeight() + grip) return -1;
    for (int c = 1; c < columns(); ++c) {
        if (c >= fixedCols_ && c < firstCol_) continue;
        if (std::abs(pos.x() - (colX(c) + colWidth(c))) <= grip) return c;
    }
    return -1;
}

int SheetGeometry::rowEdgeAt(const QPoint& pos, int grip) const {
    if (columns() == 0 || pos.x() > fixedWidth() + grip) return -1;
    for (int r = 1; r < rows(); ++r) {
        if (r >= fixedRows_ && r < firstRow_) continue;
        if (std::abs(pos.y() - (rowY(r) + rowHeight(r))) <= grip) return r;
    }
    return -1;
}

}  // namespace spf
