// The row-height fit with a stand-in for the fonts: every character is 10
// pixels wide and every line 10 pixels high.
#include "workbench/core/row_fit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "model/workbook.h"
#include "test_sheets.h"

namespace spf {
namespace {

int TenPixelLetters(int, int, bool, int width, const std::string& text) {
    if (text.empty()) return 0;
    const int perLine = std::max(1, width / 10);
    return 10 * ((static_cast<int>(text.size()) + perLine - 1) / perLine);
}

// Four rows of three 50-pixel content columns; the default row height is 24.
struct Sheet {
    Workbook book;
    Grid& g;
    Sheet() : g(*test::AddSheet(book, "nota_01", 4, 5).Grid) {
        g.ColWidths = {1, 50, 50, 50};
        g.RowHeights = {1, 99, 99, 99, 99};
    }
    // A text cell shows the text of the language in use.
    void text(int c, int r, const std::string& s) { g.At(c, r).EnsureProps().Text1 = s; }
    void merge(int left, int top, int right, int bottom) {
        for (int r = top; r <= bottom; ++r)
            for (int c = left; c <= right; ++c) {
                TCellProps& p = g.At(c, r).EnsureProps();
                p.Merged = true;
                p.MergLeft = left, p.MergTop = top, p.MergRight = right, p.MergBottom = bottom;
            }
    }
    std::vector<int> fit(const WrappedTextHeight& measure = TenPixelLetters) {
        FitRowHeights(book, g, measure);
        return g.RowHeights;
    }
};

TEST(RowFit, RowsGrowToTheirLongestWrappedText) {
    Sheet s;
    s.text(1, 1, "abcdef");              // 46 pixels: 4 letters a line, 2 lines
    s.text(1, 2, std::string(12, 'x'));  // 3 lines
    s.text(3, 2, "x");                   // a shorter cell does not shrink the row
    s.text(1, 3, std::string(12, 'x'));
    s.g.At(1, 3).EnsureProps().Indent = 1;  // 20 pixels less: 2 letters a line, 6 lines
    s.g.ColWidths[2] = 0;
    s.text(2, 4, std::string(40, 'x'));  // hidden column: no room needed
    // Lines shorter than the default height keep 4 pixels below it.
    EXPECT_EQ(s.fit(), (std::vector<int>{1, 24, 34, 64, 20}));
}

TEST(RowFit, MergedBlockAddsWhatItsRowsLackToItsLastRow) {
    Sheet s;
    s.merge(1, 1, 2, 2);                 // 100 pixels wide: 9 letters a line
    s.text(3, 1, std::string(12, 'x'));  // row 1 grows to 34 on its own
    // 5 lines need 54 pixels; row 1 and the rest of row 2 before the block give 34.
    s.text(1, 1, std::string(40, 'x'));
    std::vector<std::tuple<int, int, bool>> measured;
    const auto heights = s.fit([&](int c, int r, bool block, int width, const std::string& text) {
        if (!text.empty()) measured.emplace_back(c, r, block);
        return TenPixelLetters(c, r, block, width, text);
    });
    EXPECT_EQ(heights, (std::vector<int>{1, 34, 24, 20, 20}));
    // The block's text is measured once, at its last cell.
    EXPECT_EQ(measured, (std::vector<std::tuple<int, int, bool>>{{3, 1, false}, {2, 2, true}}));

    s.text(1, 1, std::string(60, 'x'));  // 7 lines: 74 pixels
    EXPECT_EQ(s.fit(), (std::vector<int>{1, 34, 44, 20, 20}));
}

TEST(RowFit, ACellThatCannotBeMeasuredKeepsItsRowAsFarAsFitted) {
    Sheet s;
    s.text(1, 1, std::string(12, 'x'));
    s.text(2, 1, "bad");
    s.text(3, 1, "x");
    s.text(1, 2, "bad");
    const auto heights = s.fit([](int c, int r, bool block, int width, const std::string& text) {
        if (text == "bad") throw std::runtime_error("no font");
        return TenPixelLetters(c, r, block, width, text);
    });
    EXPECT_EQ(heights, (std::vector<int>{1, 34, 20, 20, 20}));
}

}  // namespace
}  // namespace spf
