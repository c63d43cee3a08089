// "Sprawdź poprawność danych": amount cells that formulas cannot read become zero.
#include "period/core/number_cell_repair.h"

#include <gtest/gtest.h>

#include "model/workbook.h"
#include "test_sheets.h"

namespace spf {
namespace {

TEST(SprawdzPoprawnosc, ZeroesOnlyAmountCellsThatHoldNoNumber) {
    struct Case {
        int format;
        const char* val;
        const char* text;
        const char* formula;
        const char* valAfter;
        const char* textAfter;
    };
    const Case cases[] = {
        {2, "\u2013", "\u2013", "=1/0", "0", "0,00"},  // a failed computation, formula or not
        {1, "###", "###", "", "0", "0,00"},
        {2, "", "", "", "0", "0,00"},
        {2, "abc", "abc", "", "0", "0,00"},
        {2, "123456", "1234,56", "", "123456", "1234,56"},
        {2, "1234,5", "1234,5", "", "1234,5", "1234,5"},
        {0, "abc", "abc", "", "abc", "abc"},
        // Format 3 shows its text as written: a signature line, a note
        // reference or a heading is kept, not turned into 0,00.
        {3, "", "Warszawa, 5.03.2006 r.", "", "", "Warszawa, 5.03.2006 r."},
        {3, "", "12a", "", "", "12a"},
    };
    Workbook wb;
    Grid& g = *test::AddSheet(wb, "nota_07", 4, static_cast<int>(std::size(cases)) + 2).Grid;
    test::AddSheet(wb, "Pusty", 1, 1);  // a sheet without content cells
    int row = 1;
    for (const Case& c : cases) {
        Cell& cell = g.At(3, row++);
        cell.Cells = c.text;
        cell.EnsureProps().CellFormat = c.format;
        cell.Props->Val = c.val;
        cell.Props->Formula = c.formula;
    }
    EXPECT_EQ(SprawdzPoprawnosc(wb), 4);
    row = 1;
    for (const Case& c : cases) {
        const Cell& cell = g.At(3, row++);
        EXPECT_EQ(cell.Props->Val, c.valAfter) << "row " << row - 1;
        EXPECT_EQ(cell.Cells, c.textAfter) << "row " << row - 1;
        EXPECT_EQ(cell.Props->Formula, c.formula) << "row " << row - 1;
    }
    EXPECT_EQ(SprawdzPoprawnosc(wb), 0) << "a second run finds nothing";
}

}  // namespace
}  // namespace spf
