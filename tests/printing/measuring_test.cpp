// Column widths by kind, and row heights from wrapped, indented and merged cells.
#include <gtest/gtest.h>

#include "layout_fixture.h"
#include "model/cell_props.h"
#include "printing/layout/entry_measuring.h"
#include "test_sheets.h"

namespace spf::print::test {
namespace {

using Measuring = LayoutFixture;

TEST_F(Measuring, ColumnWidthsByKind) {
    // At 10 points an amount column is "999 999 999 999,99" (18 characters)
    // plus the inner margin, a note column "Nota" plus the margin; the text
    // column takes what is left of the usable width.
    struct Case {
        PageOrientation orientation;
        std::vector<int> kinds, widths, lefts;
    };
    const Case cases[] = {
        {PageOrientation::Portrait,
         {kTextColumn, kAmountColumn, kNoteColumn, kWideAmountColumn, kHiddenColumn},
         {12000, 1850, 450, 3700, 0},
         {0, 12000, 13850, 14300, 18000}},
        {PageOrientation::Landscape,
         {kTextColumn, kAmountColumn, kNoteColumn, kWideAmountColumn, kHiddenColumn},
         {21000, 1850, 450, 3700, 0},
         {0, 21000, 22850, 23300, 27000}},
        // Several text columns share the width the others leave.
        {PageOrientation::Portrait,
         {kTextColumn, kAmountColumn, kTextColumn, kAmountColumn, kTextColumn},
         {4768, 1850, 4766, 1850, 4766},
         {0, 4768, 6618, 11384, 13234}},
        {PageOrientation::Portrait,
         {kTextColumn, kHiddenColumn, kHiddenColumn, kHiddenColumn, kAmountColumn},
         {16150, 0, 0, 0, 1850},
         {0, 16150, 16150, 16150, 16150}},
    };
    const Grid& sheet = *spf::test::AddSheet(book, "Kolumny", 8, 3).Grid;
    for (const Case& c : cases) {
        TGridProperties& e = queue.AddEntry(book, sheet, 2, 1, 6, 2);
        e.ColumnKinds = c.kinds;
        e.FontSize = 10;
        e.Orientation = c.orientation == PageOrientation::Landscape ? OrientationDemand::Landscape
                                                                    : OrientationDemand::Portrait;
        ComputeColumnWidths(queue, e);
        EXPECT_EQ(e.PrintColWidths, c.widths);
        EXPECT_EQ(e.PrintColLefts, c.lefts);
    }
}

TEST_F(Measuring, RowHeightsFollowWrappedText) {
    TGridProperties& e = Table("w", 4);
    Grid& g = GridOf(e);
    std::string words;  // 30 words of 5 characters: 179 characters, two lines of the 14300 column
    for (int k = 0; k < 30; ++k) words += k ? " abcde" : "abcde";
    g.At(2, 1).Cells = words;
    g.At(2, 2).Cells = "a\r\nb\r\nc";  // three forced lines
    // 140 characters fit the 14200 of room in one line, not the 13950 left beside an indent step.
    TCellProps& indented = g.At(2, 3).EnsureProps();
    indented.Text1 = std::string(69, 'x') + " " + std::string(70, 'y');
    indented.Indent = 1;
    g.At(3, 4).Cells = words;  // an amount cell is one line, whatever its text
    e.FontSize = 10;
    ComputeRowHeights(queue, e);
    EXPECT_EQ(e.PrintRowHeights, (std::vector<int>{900, 1300, 900, 500}));
    EXPECT_EQ(e.RowsHeight, 3600);
}

TEST_F(Measuring, MergedBlockGivesItsTopRowWhatItsRowsLack) {
    // The amount columns of rows 0 and 1 are one block, 3700 wide: with the
    // margins 36 characters a line, so 20 words of five need 4 lines (1700);
    // the two rows hold 1000, so row 0 grows by 700.
    TGridProperties& e = Table("w", 3);
    Grid& g = GridOf(e);
    for (int col : {3, 4})
        for (int row : {1, 2}) {
            TCellProps& p = g.At(col, row).EnsureProps();
            p.CellFormat = 0;
            p.Merged = true;
            p.MergLeft = 3, p.MergTop = 1, p.MergRight = 4, p.MergBottom = 2;
        }
    g.At(3, 1).Props->Base = true;
    std::string words;
    for (int k = 0; k < 20; ++k) words += k ? " abcde" : "abcde";
    g.At(3, 1).Cells = words;
    g.At(3, 1).Props->Text1 = words;
    e.FontSize = 10;
    ComputeRowHeights(queue, e);
    EXPECT_EQ(e.PrintRowHeights, (std::vector<int>{1200, 500, 500}));

    // A damaged rectangle reaching outside the sheet counts as no block: the
    // text wraps in its own 1850, three words a line, seven lines.
    for (int col : {3, 4})
        for (int row : {1, 2}) g.At(col, row).Props->MergRight = 40;
    ComputeRowHeights(queue, e);
    EXPECT_EQ(e.PrintRowHeights, (std::vector<int>{2900, 500, 500}));
}

}  // namespace
}  // namespace spf::print::test
