#include "layout_fixture.h"

#include "model/cell_props.h"
#include "test_sheets.h"

namespace spf::print::test {

TGridProperties& LayoutFixture::Table(const std::string& prefix, int rows, const std::string& title) {
    Grid& grid = *spf::test::AddSheet(book, prefix, 6, rows + 1).Grid;
    for (int r = 1; r <= rows; ++r) {
        grid.At(2, r).Cells = prefix + std::to_string(r - 1);
        for (int c : {3, 4}) {
            grid.At(c, r).Cells = "100";
            grid.At(c, r).EnsureProps().CellFormat = 1;
        }
    }
    TGridProperties& e = queue.AddEntry(book, grid, 2, 1, 4, rows);
    e.ColumnKinds = {kTextColumn, kAmountColumn, kAmountColumn};
    e.Title = title;
    return e;
}

int LayoutFixture::PageOf(const std::string& text) const {
    size_t page = 0;
    return canvas.Find(text, &page) ? static_cast<int>(page) : -1;
}

int LayoutFixture::TopOf(const std::string& text) const {
    const DrawnText* t = canvas.Find(text);
    return t ? t->box.top : -1;
}

}  // namespace spf::print::test
