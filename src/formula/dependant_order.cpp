#include "formula/dependant_order.h"

#include <algorithm>

#include "formula/edit_permission.h"

namespace spf {

void DependantOrder::RefreshMarks(const Workbook& workbook) {
    sheets_.Refresh(workbook);
    marks_.resize(workbook.Sheets.size());
}

bool DependantOrder::Take(const Workbook& workbook, const CalculatedCell& cell) {
    const Grid& grid = *workbook.Sheets[static_cast<size_t>(cell.sheet)].Grid;
    auto& marks = marks_[static_cast<size_t>(cell.sheet)];
    const size_t size = static_cast<size_t>(grid.Columns()) * static_cast<size_t>(grid.Rows());
    if (marks.size() != size) marks.assign(size, 0);  // rows were added or deleted
    uint32_t& mark = marks[static_cast<size_t>(cell.row) * static_cast<size_t>(grid.Columns()) +
                           static_cast<size_t>(cell.col)];
    if (mark == generation_) return false;
    mark = generation_;
    return true;
}

void DependantOrder::Walk(const Workbook& workbook, const RangeDependants& ranges) {
    // Depth first; a cell is finished after everything that reads it, so the
    // reversed finishing order calculates readers after what they read.
    while (!stack_.empty()) {
        Frame& top = stack_.back();
        const TReference* reader = ranges.NextReader(workbook.Sheets[static_cast<size_t>(top.cell.sheet)],
                                                     top.cell.col, top.cell.row, top.nextReader);
        if (!reader) {
            if (!top.start) order_.push_back(top.cell);
            stack_.pop_back();
            continue;
        }
        const TReference& ref = *reader;
        const int refSheet = sheets_.Find(ref.SheetName);
        if (refSheet < 0) continue;
        const Grid& grid = *workbook.Sheets[static_cast<size_t>(refSheet)].Grid;
        if (!grid.Contains(ref.Col, ref.Row) || CellMayBeEdited(grid, ref.Col, ref.Row)) continue;
        const CalculatedCell next{refSheet, ref.Col, ref.Row};
        if (Take(workbook, next)) stack_.push_back({next});
    }
}

const std::vector<CalculatedCell>& DependantOrder::Collect(const Workbook& workbook,
                                                           const RangeDependants& ranges,
                                                           const std::vector<CalculatedCell>& starts,
                                                           Starts again) {
    RefreshMarks(workbook);
    if (++generation_ == 0) {  // wrapped: forget every old mark
        for (auto& marks : marks_) std::fill(marks.begin(), marks.end(), 0);
        generation_ = 1;
    }
    order_.clear();
    stack_.clear();
    const auto valid = [&](const CalculatedCell& c) {
        if (c.sheet < 0 || c.sheet >= static_cast<int>(workbook.Sheets.size())) return false;
        const Grid* grid = workbook.Sheets[static_cast<size_t>(c.sheet)].Grid.get();
        return grid && grid->Contains(c.col, c.row);
    };
    if (again == Starts::NeverAgain)
        for (const CalculatedCell& start : starts)
            if (valid(start)) Take(workbook, start);
    for (const CalculatedCell& start : starts) {
        if (!valid(start)) continue;
        stack_.push_back({start, true});
        Walk(workbook, ranges);
    }
    std::reverse(order_.begin(), order_.end());
    return order_;
}

}  // namespace spf
