// The merged block of a cell, with the damaged rectangles a file may carry.
#include "workbench/core/merged_block.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "model/workbook.h"
#include "test_sheets.h"

namespace spf {
namespace {

struct BlockCase {
    const char* name;
    bool merged;
    int left, top, right, bottom;  // the rectangle stored with cell (2, 2)
    bool expectMerged;
};

void PrintTo(const BlockCase& c, std::ostream* os) { *os << c.name; }

class BlockCases : public ::testing::TestWithParam<BlockCase> {};

TEST_P(BlockCases, OfCellTwoTwo) {
    const BlockCase& c = GetParam();
    Workbook book;
    Grid& g = *test::AddSheet(book, "nota_01", 5, 5).Grid;  // cells 0..4
    TCellProps& p = g.At(2, 2).EnsureProps();
    p.Merged = c.merged;
    p.MergLeft = c.left, p.MergTop = c.top, p.MergRight = c.right, p.MergBottom = c.bottom;

    EXPECT_EQ(IsMergedCell(g, 2, 2), c.expectMerged);
    const CellBlock block = BlockOf(g, 2, 2);
    if (c.expectMerged) {
        EXPECT_EQ(block.left, c.left);
        EXPECT_EQ(block.top, c.top);
        EXPECT_EQ(block.right, c.right);
        EXPECT_EQ(block.bottom, c.bottom);
    } else {
        EXPECT_TRUE(block.single());
        EXPECT_TRUE(block.contains(2, 2));
    }
}

INSTANTIATE_TEST_SUITE_P(Rectangles, BlockCases,
                         ::testing::Values(BlockCase{"Block", true, 1, 2, 3, 3, true},
                                           BlockCase{"NotMerged", false, 1, 2, 3, 3, false},
                                           BlockCase{"RectangleWithoutTheCell", true, 3, 3, 4, 4, false},
                                           BlockCase{"ReachesPastTheLastColumn", true, 1, 1, 5, 2, false},
                                           BlockCase{"ReachesPastTheLastRow", true, 2, 2, 2, 5, false},
                                           BlockCase{"NegativeCorner", true, -1, 0, 2, 2, false}),
                         [](const ::testing::TestParamInfo<BlockCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(MergedBlock, CellOutsideTheGridIsNoBlock) {
    Workbook book;
    const Grid& g = *test::AddSheet(book, "nota_01", 3, 3).Grid;
    EXPECT_FALSE(IsMergedCell(g, 3, 1));
    EXPECT_TRUE(BlockOf(g, 3, 1).single());
}

}  // namespace
}  // namespace spf
