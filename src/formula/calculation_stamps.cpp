#include "formula/calculation_stamps.h"

namespace spf {

namespace {

size_t CellCount(const Grid& grid) {
    return static_cast<size_t>(grid.Columns()) * static_cast<size_t>(grid.Rows());
}

size_t Position(const Grid& grid, const CalculatedCell& cell) {
    return static_cast<size_t>(cell.row) * static_cast<size_t>(grid.Columns()) +
           static_cast<size_t>(cell.col);
}

}  // namespace

void CalculationStamps::Mark(const Workbook& workbook, const CalculatedCell& cell, uint64_t stamp) {
    if (stamps_.size() < workbook.Sheets.size()) stamps_.resize(workbook.Sheets.size());
    const Grid& grid = *workbook.Sheets[static_cast<size_t>(cell.sheet)].Grid;
    auto& stamps = stamps_[static_cast<size_t>(cell.sheet)];
    if (stamps.size() != CellCount(grid)) stamps.assign(CellCount(grid), 0);
    stamps[Position(grid, cell)] = stamp;
}

uint64_t CalculationStamps::Of(const Workbook& workbook, const CalculatedCell& cell) const {
    if (static_cast<size_t>(cell.sheet) >= stamps_.size()) return 0;
    const Grid& grid = *workbook.Sheets[static_cast<size_t>(cell.sheet)].Grid;
    const auto& stamps = stamps_[static_cast<size_t>(cell.sheet)];
    return stamps.size() == CellCount(grid) ? stamps[Position(grid, cell)] : 0;
}

}  // namespace spf
