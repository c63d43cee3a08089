#include "model/workbook.h"

#include "model/text_utils.h"

namespace spf {

Grid* Workbook::FindGrid(const std::string& name) {
    return const_cast<Grid*>(static_cast<const Workbook*>(this)->FindGrid(name));
}

const Grid* Workbook::FindGrid(const std::string& name) const {
    const Grid* found = nullptr;
    for (const auto& sheet : Sheets)
        if (sheet.Grid && sheet.GridName == name) found = sheet.Grid.get();
    return found;
}

int Workbook::FindSheet(const std::string& name) const {
    int found = -1;
    for (size_t i = 0; i < Sheets.size(); ++i)
        if (EqualsIgnoreCase(Sheets[i].GridName, name)) found = static_cast<int>(i);
    return found;
}

void Workbook::Close(DateDays today) {
    UndoJournal.clear();
    Sheets.clear();
    Header.Reset(today);
    General.Reset();
    DocumentOpen = false;
    Saved = true;
}

void Workbook::EnsureAllProps() {
    for (auto& sheet : Sheets) {
        if (!sheet.Grid) continue;
        Grid& g = *sheet.Grid;
        for (int r = 0; r < g.Rows(); ++r)
            for (int c = 0; c < g.Columns(); ++c) g.At(c, r).EnsureProps();
    }
}

TCellProps& CellProps(Grid& grid, int col, int row) { return grid.At(col, row).EnsureProps(); }

void SetLanguageText(int langId, Grid& grid, int col, int row, const std::string& text) {
    TCellProps& p = CellProps(grid, col, row);
    (langId == 1 ? p.Text2 : p.Text1) = text;
}

void SetLanguageText(const Workbook& workbook, Grid& grid, int col, int row, const std::string& text) {
    SetLanguageText(workbook.LangID, grid, col, row, text);
}

void ClearCell(Grid& grid, int col, int row) {
    Cell& cell = grid.At(col, row);
    cell.Cells.clear();
    cell.Edit = false;
    cell.HintCell.clear();
    TCellProps& p = cell.EnsureProps();
    p.CellFormat = 0;
    p.Val.clear();
    p.Formula.clear();
}

}  // namespace spf
