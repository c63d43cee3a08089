#include "formula/dependant_order.h"

#include <algorithm>

#include "formula/edit_permission.h"

namespace spf {

void DependantOrder::RefreshSheets(const Workbook& workbook) {
    const size_t n = workbook.Sheets.size();
    bool same = sheetIdentity_.size() == n;
    for (size_t i = 0; same && i < n; ++i) same = sheetIdentity_[i] == workbook.Sheets[i].Grid.get();
    if (same) return;
    sheetIdentity_.assign(n, nullptr);
    sheetIndex_.clear();
    for (size_t i = 0; i < n; ++i) {
        sheetIdentity_[i] = workbook.Sheets[i].Grid.get();
        if (workbook.Sheets[i].Grid) sheetIndex_[workbook.Sheets[i].GridName] = static_cast<int>(i);
    }
    marks_.assign(n, {});
}

int DependantOrder::SheetIndex(const std::string& name) const {
    const auto it = sheetIndex_.find(name);
    return it == sheetIndex_.end() ? -1 : it->second;
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

const std::vector<CalculatedCell>& DependantOrder::Collect(const Workbook& workbook, int sheet, int col, int row) {
    RefreshSheets(workbook);
    if (++generation_ == 0) {  // wrapped: forget every old mark
        for (auto& marks : marks_) std::fill(marks.begin(), marks.end(), 0);
        generation_ = 1;
    }
    order_.clear();
    stack_.clear();

    const CalculatedCell start{sheet, col, row};
    const Grid* startGrid = workbook.Sheets[static_cast<size_t>(sheet)].Grid.get();
    if (!startGrid || !startGrid->Contains(col, row)) return order_;
    Take(workbook, start);
    stack_.push_back({start});
    // Depth first; a cell is finished after everything that reads it, so the
    // reversed finishing order calculates readers after what they read.
    while (!stack_.empty()) {
        Frame& top = stack_.back();
        const Cell& cell = workbook.Sheets[static_cast<size_t>(top.cell.sheet)].Grid->At(top.cell.col, top.cell.row);
        const std::vector<TReference>* refs = cell.Props ? &cell.Props->Ref : nullptr;
        if (!refs || top.nextRef >= refs->size()) {
            order_.push_back(top.cell);
            stack_.pop_back();
            continue;
        }
        const TReference& ref = (*refs)[top.nextRef++];
        const int refSheet = SheetIndex(ref.SheetName);
        if (refSheet < 0) continue;
        const Grid& grid = *workbook.Sheets[static_cast<size_t>(refSheet)].Grid;
        if (!grid.Contains(ref.Col, ref.Row) || CellMayBeEdited(grid, ref.Col, ref.Row)) continue;
        const CalculatedCell next{refSheet, ref.Col, ref.Row};
        if (Take(workbook, next)) stack_.push_back({next});
    }
    order_.pop_back();  // the start cell, finished last
    std::reverse(order_.begin(), order_.end());
    return order_;
}

}  // namespace spf
