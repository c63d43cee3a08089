#include "view_fixture.h"

#include <QApplication>

#include "model/amounts.h"
#include "model/colors.h"
#include "workbench/core/sheet_grid_setup.h"
#include "workbench/view/sheet_fit.h"

namespace spf::test {

TSheet& AddSheet(Workbook& workbook, const std::string& name, const std::vector<int>& colWidths, int rows) {
    TSheet& sheet = AddSheet(workbook, name, static_cast<int>(colWidths.size()), rows);
    Grid& g = *sheet.Grid;
    g.ColWidths = colWidths;
    for (int r = 0; r < rows; ++r) g.RowHeights[static_cast<size_t>(r)] = r == 0 ? 1 : 20;
    sheet.MinColWidths.assign(colWidths.size(), 0);
    sheet.MaxColWidths.assign(colWidths.size(), 1000);
    for (size_t c = 0; c < colWidths.size(); ++c)
        if (colWidths[c] < 20) sheet.MaxColWidths[c] = colWidths[c];
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < g.Columns(); ++c) g.At(c, r).EnsureProps();
    return sheet;
}

void SetText(Grid& grid, int col, int row, const std::string& polish, const std::string& english) {
    Cell& cell = grid.At(col, row);
    cell.Cells = polish;
    cell.EnsureProps().Text1 = polish;
    cell.Props->Text2 = english;
}

void SetAmount(Grid& grid, int col, int row, const std::string& cells, bool input, int format) {
    Cell& cell = grid.At(col, row);
    cell.Cells = cells;
    cell.Edit = input;
    cell.CellAlignment = Alignment::Right;
    if (input) cell.CellColor = kInputColor;
    TCellProps& p = cell.EnsureProps();
    p.CellFormat = format;
    if (auto n = NormaliseAmount(cells)) p.Val = std::to_string(n->hundredths);
}

void SetFormula(Grid& grid, int col, int row, const std::string& formula, int format) {
    Cell& cell = grid.At(col, row);
    cell.CellAlignment = format > 0 ? Alignment::Right : Alignment::Left;
    cell.HintCell = formula;
    TCellProps& p = cell.EnsureProps();
    p.Formula = formula;
    p.CellFormat = format;
}

void Merge(Grid& grid, int left, int top, int right, int bottom) {
    for (int r = top; r <= bottom; ++r)
        for (int c = left; c <= right; ++c) {
            TCellProps& p = grid.At(c, r).EnsureProps();
            p.Merged = true;
            p.Base = c == left && r == top;
            p.MergLeft = left;
            p.MergTop = top;
            p.MergRight = right;
            p.MergBottom = bottom;
        }
}

void SetBorders(Grid& grid, int col, int row, int left, int top, int right, int bottom, int32_t color) {
    TCellProps& p = grid.At(col, row).EnsureProps();
    p.CellLeftWidth = left;
    p.CellTopWidth = top;
    p.CellRightWidth = right;
    p.CellBottomWidth = bottom;
    p.CellLeftColor = p.CellTopColor = p.CellRightColor = p.CellBottomColor = color;
}

void AddStatementSheet(Workbook& workbook, const std::string& name, int itemRows) {
    const int first = 5, total = first + itemRows, comment = total + 1;
    TSheet& sheet = AddSheet(workbook, name, {1, 15, 300, 40, 110, 110, 15}, comment + 3);
    Grid& g = *sheet.Grid;
    SetText(g, 2, 2, "Bilans na dzień {KONIECOKRESU}", "Balance sheet as at {KONIECOKRESU}");
    g.At(2, 2).CellBold = true;
    SetText(g, 2, 3, "Rok obrotowy {ROKA}", "Financial year {ROKA}");
    SetText(g, 2, 4, "Wyszczególnienie", "Item");
    SetText(g, 4, 4, "Rok bieżący", "Current year");
    SetText(g, 5, 4, "Rok poprzedni", "Previous year");
    for (int c = 2; c <= 5; ++c) SetBorders(g, c, 4, 0, 1, 0, 1);
    const char* captions[][2] = {
        {"A. Aktywa trwałe", "A. Fixed assets"},
        {"I. Wartości niematerialne i prawne", "I. Intangible assets"},
        {"1. Koszty zakończonych prac rozwojowych", "1. Costs of completed development work"},
        {"– inne", "– other"}};
    for (int i = 0; i < itemRows; ++i) {
        const int r = first + i;
        SetText(g, 2, r, captions[i % 4][0], captions[i % 4][1]);
        g.At(2, r).Props->Indent = i % 4;
        SetAmount(g, 4, r, "0,00", true);
        SetAmount(g, 5, r, "0,00", true);
        SetBorders(g, 4, r, 1, 0, 0, 0);
        SetBorders(g, 5, r, 1, 0, 1, 0);
    }
    TCellProps& marker = *g.At(1, total - 1).Props;
    marker.CanAdd = marker.CanDel = true;
    g.At(1, total - 1).HintCell = "Dodaj/usuń wiersz";
    SetText(g, 2, total, "Aktywa razem", "Total assets");
    g.At(2, total).CellBold = true;
    for (int c = 4; c <= 5; ++c) {
        const std::string col(1, static_cast<char>('A' + c - 1));
        SetFormula(g, c, total,
                   "=SUM(RANGE('" + name + "!" + col + std::to_string(first) + "'):RANGE('" + name + "!" +
                       col + std::to_string(total - 1) + "'))");
        SetBorders(g, c, total, 1, 1, c == 5 ? 1 : 0, 2);
    }
    SetText(g, 2, comment, "Komentarz", "Comment");
    Merge(g, 2, comment + 1, 5, comment + 1);
    for (int c = 2; c <= 5; ++c) {
        g.At(c, comment + 1).Edit = true;
        SetBorders(g, c, comment + 1, 1, 1, 1, 1);
    }
}

void AddNotesListSheet(Workbook& workbook) {
    TSheet& sheet = AddSheet(workbook, "Wykaz_not", {1, 15, 30, 70, 400, 15}, 8);
    Grid& g = *sheet.Grid;
    SetText(g, 2, 2, "Wybór not", "Notes");
    const char* titles[] = {"Przychody netto ze sprzedaży", "Koszty według rodzaju", "Podatek dochodowy"};
    for (int k = 0; k < 3; ++k) {
        const int r = 4 + k;
        g.At(2, r).Props->NoteSel = k == 1 ? 2 : 1;
        g.At(3, r).Cells = k == 1 ? "" : "Nota " + std::to_string(k + 1 - (k > 1));
        g.At(3, r).Props->CellFormat = 3;
        g.At(4, r).Cells = titles[k];
        g.At(4, r).Props->CellFormat = 3;
    }
}

void AddRatioSheet(Workbook& workbook) {
    TSheet& sheet = AddSheet(workbook, "AF_Wskazniki", {1, 15, 260, 120, 15}, 16);
    Grid& g = *sheet.Grid;
    SetText(g, 2, 2, "Wskaźniki finansowe", "Financial ratios");
    Merge(g, 2, 5, 3, 5);
    SetText(g, 2, 5, "Wskaźniki płynności", "Liquidity ratios");
    SetText(g, 2, 6, "Wskaźnik bieżącej płynności", "Current ratio");
    SetText(g, 2, 7, "aktywa obrotowe", "current assets");
    SetText(g, 2, 8, "zobowiązania krótkoterminowe", "short-term liabilities");
    SetAmount(g, 3, 7, "1,50", false);
    SetText(g, 2, 10, "Wskaźniki rentowności", "Profitability ratios");
    SetText(g, 2, 11, "Rentowność sprzedaży", "Return on sales");
    SetText(g, 2, 12, "zysk netto", "net profit");
    SetText(g, 2, 13, "przychody netto", "net revenue");
}

Workbook MakeFixtureBook() {
    Workbook wb;
    wb.Header.RokBiezacy = 2004;
    AddStatementSheet(wb);
    AddNotesListSheet(wb);
    AddRatioSheet(wb);
    wb.DocumentOpen = true;
    return wb;
}

ViewHarness::ViewHarness(Workbook wb) : workbook(document.workbook()), context(document) {
    workbook = std::move(wb);
    ConfigureSheetGrids(workbook);
    document.resetRecalculation();
    context.setRecalculate([this](SheetView& view) { document.recalculateSheet(view.sheetIndex()); });
}

ViewHarness::~ViewHarness() = default;

SheetView& ViewHarness::show(const std::string& sheetName, int width, int height) {
    const int index = workbook.FindSheet(sheetName);
    view_ = std::make_unique<SheetView>(context, index);
    view_->resize(width, height);
    context.setActiveView(view_.get());
    view_->show();
    QApplication::processEvents();
    FitWindow(*view_);
    return *view_;
}

void FixtureBookTest::init() {
    harness = std::make_unique<ViewHarness>(MakeFixtureBook());
    book = &harness->workbook;
}

void FixtureBookTest::cleanup() {
    book = nullptr;
    harness.reset();
}

}  // namespace spf::test
