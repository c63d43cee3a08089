#include "model/grid.h"

#include <string>

namespace spf {

TCellProps& Cell::EnsureProps() {
    if (!Props) Props = std::make_unique<TCellProps>();
    return *Props;
}

Grid::Grid() = default;

void Grid::SetColumns(int columns) {
    if (columns < 0) columns = 0;
    columns_ = columns;
    for (auto& row : cells_) row.resize(static_cast<size_t>(columns));
    ColWidths.resize(static_cast<size_t>(columns), DefaultColWidth);
    WriteHeaders();
}

void Grid::SetRows(int rows) {
    if (rows < 0) rows = 0;
    const size_t old = cells_.size();
    cells_.resize(static_cast<size_t>(rows));
    for (size_t r = old; r < cells_.size(); ++r) cells_[r].resize(static_cast<size_t>(columns_));
    RowHeights.resize(static_cast<size_t>(rows), DefaultRowHeight);
    WriteHeaders();
}

void Grid::InsertRow(int before) {
    cells_.insert(cells_.begin() + before, std::vector<Cell>(static_cast<size_t>(columns_)));
    RowHeights.insert(RowHeights.begin() + before, DefaultRowHeight);
    WriteHeaders();
}

void Grid::DeleteRow(int row) {
    cells_.erase(cells_.begin() + row);
    RowHeights.erase(RowHeights.begin() + row);
    WriteHeaders();
}

void Grid::WriteHeaders() {
    for (int c = 1; c < columns_ && !cells_.empty(); ++c)
        cells_[0][static_cast<size_t>(c)].Cells = std::string(1, static_cast<char>(64 + c));
    for (int r = 1; r < Rows() && columns_ > 0; ++r)
        cells_[static_cast<size_t>(r)][0].Cells = std::to_string(r);
}

}  // namespace spf
