#include "model/workbook.h"

#include <gtest/gtest.h>

#include "model/display_text.h"
#include "test_sheets.h"

namespace spf {
namespace {

Workbook TwoSheets() {
    Workbook wb;
    for (const char* name : {"NOTA_07", "Aktywa"}) test::AddSheet(wb, name, 6, 10);
    return wb;
}

TEST(Workbook, LookupsByExactAndCaseInsensitiveName) {
    Workbook wb = TwoSheets();
    EXPECT_EQ(wb.FindSheet("nota_07"), 0);
    EXPECT_EQ(wb.FindGrid("nota_07"), nullptr);
    EXPECT_EQ(wb.FindGrid("NOTA_07"), wb.Sheets[0].Grid.get());
    EXPECT_EQ(wb.FindSheet("Pasywa"), -1);
}

TEST(Workbook, RefHoldsEachDependantOnce) {
    TCellProps p;
    p.AddRef({"RZiS_p", 4, 31});
    p.AddRef({"RZiS_p", 4, 31});
    p.AddRef({"RZiS_p", 5, 31});
    EXPECT_EQ(p.Ref.size(), 2u);
}

TEST(CellDisplayText, ChoosesTextByKindAndLanguage) {
    Workbook wb = TwoSheets();
    Grid& g = *wb.Sheets[1].Grid;
    EXPECT_EQ(CellDisplayText(wb, g, 0, 7), "7");
    EXPECT_EQ(CellDisplayText(wb, g, 5, 0), "E");
    g.At(2, 2).Cells = "plain";
    EXPECT_EQ(CellDisplayText(wb, g, 2, 2), "plain");

    TCellProps& t = CellProps(g, 2, 3);
    t.Text1 = "Aktywa razem";
    t.Text2 = "Total assets";
    EXPECT_EQ(CellDisplayText(wb, g, 2, 3), "Aktywa razem");
    wb.LangID = 1;
    EXPECT_EQ(CellDisplayText(wb, g, 2, 3), "Total assets");

    TCellProps& f = CellProps(g, 4, 4);
    f.Text1 = "stale";
    f.Formula = "=ROKA";
    EXPECT_EQ(CellDisplayText(wb, g, 4, 4), "");
    f.Val = "2004";
    EXPECT_EQ(CellDisplayText(wb, g, 4, 4), "2004");

    TCellProps& n = CellProps(g, 4, 5);
    n.Text1 = "older text";
    n.CellFormat = 2;
    g.At(4, 5).Cells = "1234567,89";
    EXPECT_EQ(CellDisplayText(wb, g, 4, 5), "1234567,89");
}

TEST(CellDisplayText, ReplacesPeriodPlaceholders) {
    Workbook wb = TwoSheets();
    wb.Header.RokBiezacy = 2004;
    Grid& g = *wb.Sheets[1].Grid;
    TCellProps& p = CellProps(g, 2, 2);
    p.Text1 = "Stan na {KONIECOKRESU} ({KONIECOKRESUSHORT}), rok {ROKA}";
    p.Text2 = "As at {KONIECOKRESU}";
    EXPECT_EQ(CellDisplayText(wb, g, 2, 2), "Stan na 31 grudnia 2004 (31.12.2004), rok 2004");
    wb.LangID = 1;
    EXPECT_EQ(CellDisplayText(wb, g, 2, 2), "As at 31 December 2004");
    wb.General.OkresInnyNizRok = true;
    wb.General.OkresBiezacy = "01.07.2004-30.06.2005";
    EXPECT_EQ(CellDisplayText(wb, g, 2, 2), "As at 01.07.2004-30.06.2005");
}

}  // namespace
}  // namespace spf
