// The built-in ratio sheet as the reader leaves it in every document.
#include <gtest/gtest.h>

#include "model/file/spf_writer.h"
#include "spf_test_support.h"

namespace spf {
namespace {

Workbook WithRatioSheet() { return test::Load("[FileVersion=130]\n[SheetsCount=0]\n"); }

TEST(RatioSheet, HasTheLayoutOfTheAnalysis) {
    const Workbook wb = WithRatioSheet();
    ASSERT_EQ(wb.Sheets.size(), 1u);
    const TSheet& s = wb.Sheets[0];
    const Grid& g = *s.Grid;
    EXPECT_EQ(g.ColWidths, (std::vector<int>{1, 15, 500, 200, 25, 200, 25, 20, 15}));
    EXPECT_EQ(s.MinColWidths, (std::vector<int>{0, 0, 200, 200, 25, 200, 25, 20, 0}));
    EXPECT_EQ(s.MaxColWidths, g.ColWidths);
    ASSERT_EQ(g.Rows(), 66);
    for (int r = 1; r < 66; ++r) EXPECT_EQ(g.RowHeights[r], (r == 38 || r == 43 || r == 45) ? 36 : 20) << r;
    for (int r = 1; r < 66; ++r) EXPECT_FALSE(g.At(1, r).Props->CanAdd || g.At(1, r).Props->CanDel);

    EXPECT_EQ(g.At(2, 2).Props->Text1, "Analiza finansowa - Wskaźniki");
    EXPECT_EQ(g.At(2, 2).Props->Text2, "Financial analysis - RATIOS");
    EXPECT_TRUE(g.At(2, 2).CellBold);
    for (int c = 3; c <= 7; ++c) {
        EXPECT_TRUE(g.At(c, 3).CellBold && g.At(c, 4).CellBold) << c;
        EXPECT_EQ(g.At(c, 4).CellAlignment, Alignment::Center) << c;
    }
    EXPECT_EQ(g.At(2, 65).Props->Text1, "*) bez \"z tytułu dostaw i usług powyżej 12 miesięcy\"");
    EXPECT_EQ(g.At(2, 65).Props->Text2, "*) excluding \"trade receivables due in more than 12 months\"");
}

TEST(RatioSheet, EveryRatioHasMergedFormulaCellsForItsYears) {
    const Workbook wb = WithRatioSheet();
    const Grid& g = *wb.Sheets[0].Grid;
    for (int top = 5; top <= 60; top += 5) {
        EXPECT_TRUE(g.At(2, top).CellBold) << top;
        EXPECT_FALSE(g.At(2, top).Props->Text1.empty()) << top;
        EXPECT_FALSE(g.At(2, top + 2).Props->Text2.empty()) << top;
        EXPECT_FALSE(g.At(2, top + 3).Props->Text1.empty()) << top;
        const bool thirdYear = top >= 50;
        for (int c : {3, 5, 7}) {
            const TCellProps& upper = *g.At(c, top + 2).Props;
            const TCellProps& lower = *g.At(c, top + 3).Props;
            if (c == 7 && !thirdYear) {
                EXPECT_EQ(upper.Val, "-") << top;
                EXPECT_TRUE(upper.Formula.empty()) << top;
                continue;
            }
            EXPECT_EQ(upper.Formula.front(), '=') << c << "," << top;
            EXPECT_EQ(upper.Val, "–");
            EXPECT_EQ(upper.CellFormat, 2);
            EXPECT_EQ(g.At(c, top + 2).CellAlignment, Alignment::Right);
            EXPECT_TRUE(upper.Merged && upper.Base && lower.Merged && !lower.Base) << c << "," << top;
            for (const TCellProps* p : {&upper, &lower})
                EXPECT_TRUE(p->MergTop == top + 2 && p->MergBottom == top + 3 && p->MergLeft == c &&
                            p->MergRight == c);
        }
    }
}

TEST(RatioSheet, ThePreviousYearFormulasAreShiftedOneYearBack) {
    struct Case {
        int row;
        int col;
        const char* formula;
    };
    const Case cases[] = {
        {7, 3,
         "=Range('AF_Bilans!C33')/"
         "Sum(Range('AF_Bilans!C24'):Range('AF_Bilans!C24'),Range('AF_Bilans!E24'):Range('AF_"
         "Bilans!E24'))*200*100"},
        {7, 5,
         "=Range('AF_Bilans!E33')/"
         "Sum(Range('AF_Bilans!E24'):Range('AF_Bilans!E24'),Range('AF_Bilans!G24'):Range('AF_"
         "Bilans!G24'))*200*100"},
        {22, 5,
         "=Range('AF_Bilans!E23')/Range('AF_Bilans!E38')*100-Range('Aktywa!E52')/"
         "Range('AF_Bilans!E38')*100-Range('"
         "Aktywa!E57')/Range('AF_Bilans!E38')*100"},
        {27, 5,
         "=SUM(Range('AF_Bilans!E23'),-Range('Aktywa!E52'),-Range('Aktywa!E57'),-Range('Aktywa!E42'))/"
         "SUM(Range('AF_"
         "Bilans!E38'),-Range('Pasywa!E35'),-Range('Pasywa!E43'))*100"},
        {47, 5,
         "=SUM(RANGE('AF_Bilans!E34'),RANGE('Pasywa!E19'),RANGE('Pasywa!E22'))/RANGE('AF_Bilans!E11')*100"},
        {57, 5, "=RANGE('AF_Bilans!E28')/AKCJE2"},
        {62, 5, "=RANGE('AF_RZiS!E53')/AKCJE2"},
        {52, 7, "=RANGE('AF_RZiS!G19')/RANGE('AF_RZiS!G7')*10000"},
        {57, 7, "=RANGE('AF_Bilans!G28')/AKCJE3"},
        {62, 7, "=RANGE('AF_RZiS!G53')/AKCJE3"},
    };
    const Workbook wb = WithRatioSheet();
    const Grid& g = *wb.Sheets[0].Grid;
    for (const Case& c : cases)
        EXPECT_EQ(g.At(c.col, c.row).Props->Formula, c.formula) << c.col << "," << c.row;
}

TEST(RatioSheet, EditsDoNotSurviveAReload) {
    Workbook wb = WithRatioSheet();
    wb.Sheets[0].Grid->At(3, 7).Props->Formula = "=1";
    std::string bytes = WriteDocumentBytes(wb);
    bytes += "[Cell=(3,7)]\r\n=2\r\n";  // lines after the ratio sheet are lost as well
    ReadResult r = ReadDocumentBytes(bytes, "x.spf");
    ASSERT_TRUE(r) << r.error.Message();
    EXPECT_EQ(r.workbook->Sheets[0].Grid->At(3, 7).Props->Formula.substr(0, 24), "=Range('AF_Bilans!C33')/");
}

}  // namespace
}  // namespace spf
