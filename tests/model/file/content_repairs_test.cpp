#include "model/file/content_repairs.h"

#include <gtest/gtest.h>

#include "model/colors.h"
#include "spf_test_support.h"

namespace spf {
namespace {

using test::kHead;
using test::Load;

std::string Sheet(const std::string& name, int columns, int rows, const std::string& cells) {
    return "[GridName=" + name + "]\n[Columns=" + std::to_string(columns) +
           "]\n[Rows=" + std::to_string(rows) + "]\n" + cells;
}

const TCellProps& P(const Workbook& wb, const char* sheet, int c, int r) {
    return *wb.FindGrid(sheet)->At(c, r).Props;
}

TEST(ContentRepairs, Nota03AmountsOfUnlabelledRowsBecomeText) {
    const Workbook wb =
        Load(std::string(kHead) +
             Sheet("nota_03", 6, 8,
                   "[Cell=(2,5)]\nGrunty\n[Cell=(4,5)]\n[CellFormat=2]\n[Cell=(4,6)]\n[CellFormat=2]\n"
                   "[Cell=(5,6)]\n[CellFormat=1]\n[Cell=(4,4)]\n[CellFormat=2]\n"));
    EXPECT_EQ(P(wb, "nota_03", 4, 5).CellFormat, 2);  // labelled row
    EXPECT_EQ(P(wb, "nota_03", 4, 6).CellFormat, 0);
    EXPECT_EQ(P(wb, "nota_03", 5, 6).CellFormat, 0);
    EXPECT_EQ(P(wb, "nota_03", 4, 4).CellFormat, 2);  // above row 5
}

TEST(ContentRepairs, Nota17LabelsAndDashes) {
    const Workbook wb = Load(std::string(kHead) +
                             Sheet("nota_17", 4, 12,
                                   "[Cell=(2,7)]\nStan, w tym: nieprzeterminowane\n[Cell=(2,8)]\n[Indent=3]\n"
                                   "[Cell=(2,9)]\n- powyżej roku\n[Cell=(2,6)]\n- przed\n"
                                   "[Cell=(2,11)]\nnieprzeterminowane\n"));
    EXPECT_EQ(P(wb, "nota_17", 2, 7).Text1, "Stan na koniec roku, w tym:\r\n  – nieprzeterminowane");
    EXPECT_EQ(P(wb, "nota_17", 2, 7).Indent, 2);
    EXPECT_EQ(P(wb, "nota_17", 2, 9).Text1, "– powyżej roku");
    EXPECT_EQ(P(wb, "nota_17", 2, 6).Text1, "- przed");  // rows before 7 stay
    // The last row has no row below to take the indent from.
    EXPECT_EQ(P(wb, "nota_17", 2, 11).Indent, 0);
    EXPECT_EQ(P(wb, "nota_17", 2, 11).Text1, "Stan na koniec roku, w tym:\r\n  – nieprzeterminowane");
}

TEST(ContentRepairs, Nota10TaxFormulasFollowTheirLabels) {
    const Workbook wb = Load(std::string(kHead) +
                             Sheet("nota_10", 6, 50,
                                   "[Cell=(2,22)]\nKoszty podatkowe nie zaliczone do kosztów rachunkowych\n"
                                   "[Cell=(2,27)]\nPrzychody księgowe nie zaliczane do podatkowych\n"
                                   "[Cell=(2,44)]\nPodstawa opodatkowania\n"
                                   "[Cell=(2,46)]\nPodatek dochodowy bieżący\n"));
    const Grid& g = *wb.FindGrid("nota_10");
    const std::string base =
        "=RANGE('nota_10!E6')+RANGE('nota_10!E7')-RANGE('nota_10!E22')-RANGE('nota_10!E27')+RANGE('nota_10!"
        "E37')-"
        "RANGE('nota_10!E40')";
    EXPECT_EQ(g.At(5, 44).Props->Formula, base);
    EXPECT_EQ(g.At(5, 44).HintCell, base);
    EXPECT_EQ(g.At(5, 46).Props->Formula, "=IF(RANGE('nota_10!E44')>0,RANGE('nota_10!E44')*PODATEK/100,0)");

    // Without the labels of the target rows no formula is written.
    const Workbook bare = Load(std::string(kHead) + Sheet("nota_10", 6, 50, "[Cell=(2,22)]\nKoszty\n"));
    EXPECT_EQ(bare.FindGrid("nota_10")->At(5, 41).Props->Formula, "");
}

TEST(ContentRepairs, Nota25Nota13AndTheNotesListHeadings) {
    const std::string amount = "[CellAlignment=R]\n[CellFormat=2]\n[Val=100]\n1,00\n[Edit=1]\n";
    std::string nota25, nota13;
    for (int r = 6; r <= 11; ++r) nota25 += "[Cell=(4," + std::to_string(r) + ")]\n" + amount;
    for (int r = 37; r <= 40; ++r) nota13 += "[Cell=(3," + std::to_string(r) + ")]\n" + amount;
    const Workbook wb =
        Load(std::string("[FileVersion=130]\n[SheetsCount=3]\n") + Sheet("nota_25", 6, 12, nota25) +
             Sheet("nota_13", 5, 41, nota13) + Sheet("Wykaz_not", 6, 5, "[Cell=(2,3)]\n[CellBold=1]\n"));
    const Grid& n25 = *wb.FindGrid("nota_25");
    for (int r = 6; r <= 10; ++r) {
        EXPECT_EQ(n25.At(4, r).CellAlignment, Alignment::Left) << r;
        EXPECT_EQ(n25.At(4, r).Props->CellFormat, 0) << r;
        EXPECT_EQ(n25.At(4, r).Props->Val, "100") << r;
    }
    const Cell& cleared = n25.At(4, 11);
    EXPECT_TRUE(cleared.Cells.empty() && !cleared.Edit && cleared.Props->Val.empty() &&
                cleared.Props->CellFormat == 0);

    const Grid& n13 = *wb.FindGrid("nota_13");
    EXPECT_EQ(n13.At(3, 38).Props->CellFormat, 0);
    EXPECT_EQ(n13.At(3, 39).CellAlignment, Alignment::Left);
    EXPECT_TRUE(n13.At(3, 37).Cells.empty() && !n13.At(3, 37).Edit);
    EXPECT_TRUE(n13.At(3, 40).Props->Val.empty());

    const Grid& list = *wb.FindGrid("Wykaz_not");
    for (int c = 2; c <= 4; ++c) {
        EXPECT_TRUE(list.At(c, 3).CellItalic);
        EXPECT_TRUE(list.At(c, 3).HasFontColor);
        EXPECT_EQ(list.At(c, 3).FontColor, kPurpleColor);
    }
    EXPECT_TRUE(list.At(2, 3).CellBold);
    EXPECT_FALSE(list.At(5, 3).CellItalic);
}

// Sheets too small for the addressed cells are left alone rather than overrun.
TEST(ContentRepairs, SmallSheetsOfTheRepairedNamesAreSafe) {
    std::string doc = "[FileVersion=130]\n[SheetsCount=6]\n";
    for (const char* name : {"nota_03", "nota_17", "nota_10", "nota_25", "nota_13", "Wykaz_not"})
        doc += Sheet(name, 2, 2, "[Cell=(1,1)]\nnieprzeterminowane\n");
    const Workbook wb = Load(doc);
    EXPECT_EQ(wb.Sheets.size(), 7u);
}

}  // namespace
}  // namespace spf
