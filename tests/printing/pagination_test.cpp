// Where tables land: kept edge rows, page breaks, continuation pages, the
// signature block, orientation demands and the font sizes of a layout pass.
#include <gtest/gtest.h>

#include "layout_fixture.h"
#include "test_sheets.h"

namespace spf::print::test {
namespace {

class Pagination : public LayoutFixture {
protected:
    // A table without caption that fills the first page down to 500 × rows.
    void Filler(int rows) {
        if (rows > 0) Table("f", rows);
    }
    int TopOn(size_t page, const std::string& text) const {
        for (const DrawnText& t : canvas.pages.at(page).texts)
            if (t.text == text) return t.box.top;
        return -1;
    }
};

struct ShortTableCase {
    int fillerRows;
    int page;      // where the whole table lands
    int labelTop;  // top of the first row's text box
};

TEST_F(Pagination, ShortTableStaysWhole) {
    // Five rows with three kept at each edge: the table only starts where it
    // fits whole, and once started it is not cut, even when it only just fits.
    for (const ShortTableCase& c : {ShortTableCase{46, 0, 23926 - 25}, ShortTableCase{47, 0, 24426 - 25},
                                    ShortTableCase{48, 1, 926 - 25}}) {
        SCOPED_TRACE(c.fillerRows);
        canvas = FakePageCanvas{};
        queue.Clear();
        Filler(c.fillerRows);
        Table("s", 5, "Pi\xC4\x99\xC4\x87 wierszy");
        Run();
        EXPECT_EQ(static_cast<int>(canvas.pages.size()), c.page + 1);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(PageOf("s" + std::to_string(i)), c.page) << i;
        EXPECT_EQ(TopOf("s0"), c.labelTop);
    }
}

struct BreakCase {
    int fillerRows;
    int captionPage;
    int firstRowOnNextPage;  // 40: the table is not split
};

TEST_F(Pagination, KeptRowsBoundTheBreakOfALongTable) {
    // 40 rows, three kept at each edge: the caption travels with rows 0..2 and
    // rows 37..39 go together, so a break falls between rows 3 and 37.
    for (const BreakCase& c :
         {BreakCase{49, 0, 3}, BreakCase{50, 1, 40}, BreakCase{13, 0, 37}, BreakCase{11, 0, 40}}) {
        SCOPED_TRACE(c.fillerRows);
        canvas = FakePageCanvas{};
        queue.Clear();
        Filler(c.fillerRows);
        Table("w", 40, "Tabela");
        Run();
        EXPECT_EQ(PageOf("\r\nTabela"), c.captionPage);
        for (int i = 0; i < 40; ++i)
            EXPECT_EQ(PageOf("w" + std::to_string(i)), c.captionPage + (i < c.firstRowOnNextPage ? 0 : 1))
                << i;
    }
}

TEST_F(Pagination, ContinuationPageRepeatsCaptionAndLeadingRows) {
    struct Case {
        int fillerRows, keepRows, repeatRows, breakRow;
        std::vector<int> rowsOnTop;  // the rows that open the continuation page
    };
    // With one kept row a break before row 1 repeats row 0 once, not the five asked for.
    for (const Case& c : {Case{13, 3, 2, 37, {0, 1, 37, 38, 39}}, Case{51, 1, 5, 1, {0, 1, 2}}}) {
        SCOPED_TRACE(c.fillerRows);
        canvas = FakePageCanvas{};
        queue.Clear();
        queue.KeepRows = c.keepRows;
        Filler(c.fillerRows);
        Table("w", 40, "Tabela").RepeatRows = c.repeatRows;
        Run();
        ASSERT_GE(canvas.pages.size(), 2u);
        const RecordedPage& next = canvas.pages[1];
        ASSERT_FALSE(next.texts.empty());
        const DrawnText& caption = next.texts.front();
        EXPECT_EQ(caption.text, "Tabela - ci\xC4\x85g dalszy z poprzedniej strony");
        EXPECT_EQ(caption.font.style, FontStyle::Italic);
        EXPECT_EQ(caption.v, VAlign::Bottom);
        EXPECT_EQ(caption.box, (Box{0, 1, FakePageCanvas::kWidth, 925}));
        for (size_t k = 0; k < c.rowsOnTop.size(); ++k)
            EXPECT_EQ(TopOn(1, "w" + std::to_string(c.rowsOnTop[k])), 926 + 500 * static_cast<int>(k) - 25)
                << k;
        EXPECT_EQ(PageOf("w" + std::to_string(c.breakRow - 1)), 0);
    }
}

TEST_F(Pagination, EnglishContinuationCaption) {
    book.LangID = 1;
    Filler(13);
    Table("w", 40, "Notes");
    Run();
    EXPECT_EQ(PageOf("Notes - continuation from previous page"), 1);
}

TEST_F(Pagination, TablesFollowEachOther) {
    struct Case {
        const char* name;
        int fillerRows;
        bool newPage;
        int page, labelTop;
    };
    const Case cases[] = {
        {"an empty line between tables without caption", 2, false, 0, 1000 + 500 - 25},
        {"a new page when asked for", 2, true, 1, -25},
        {"no blank page before a table that asks for a new one first", 0, true, 0, -25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        canvas = FakePageCanvas{};
        queue.Clear();
        Filler(c.fillerRows);
        Table("s", 2).NewPage = c.newPage;
        Run();
        EXPECT_EQ(static_cast<int>(canvas.pages.size()), c.page + 1);
        EXPECT_EQ(PageOf("s0"), c.page);
        EXPECT_EQ(TopOf("s0"), c.labelTop);
    }
}

TEST_F(Pagination, SignatureBlockLowOnThePageMovesToItsBottom) {
    struct Case {
        int fillerRows;
        int blockTop;
    };
    // Ten rows under a caption end 5926 below where the table starts; two
    // thirds of the page are 18000.
    for (const Case& c : {Case{0, 5926}, Case{24, 17926}, Case{30, 27000 - 3000}}) {
        SCOPED_TRACE(c.fillerRows);
        canvas = FakePageCanvas{};
        queue.Clear();
        Filler(c.fillerRows);
        Table("w", 10, "Bilans").SignatureHeight = 3000;
        Table("n", 2);
        Run();
        const DrawnText* label = canvas.Find(
            "Sporz\xC4\x85"
            "dzono");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->box, (Box{0, c.blockTop, 820, c.blockTop + 1500}));
        EXPECT_EQ(PageOf("n0"), 1) << "the next table starts on a new page";
        EXPECT_EQ(TopOf("n0"), -25);
    }
}

TEST_F(Pagination, CommentNeedsRoomEvenWithoutKeptRows) {
    // Without kept rows nothing else checks that the comment fits under the
    // last row; it then opens the next page under the continuation caption.
    struct Case {
        int fillerRows;
        int commentPage;
        int commentTop;
    };
    for (const Case& c : {Case{38, 0, 24927}, Case{40, 1, 927}}) {
        SCOPED_TRACE(c.fillerRows);
        canvas = FakePageCanvas{};
        queue.Clear();
        queue.KeepRows = 0;
        Filler(c.fillerRows);
        TGridProperties& e = Table("w", 10, "Tabela");
        e.CommentLabel = "Komentarz:";
        e.CommentText = "Uwaga";
        Run();
        size_t page = 0;
        const DrawnText* comment = canvas.Find("\r\nKomentarz:\r\nUwaga", &page);
        ASSERT_NE(comment, nullptr);
        EXPECT_EQ(static_cast<int>(page), c.commentPage);
        EXPECT_EQ(comment->box, (Box{0, c.commentTop, FakePageCanvas::kWidth, c.commentTop + 1299}));
        EXPECT_EQ(PageOf("w9"), 0);
    }
}

TEST_F(Pagination, OrientationDemands) {
    using O = PageOrientation;
    struct Case {
        const char* name;
        O defaultOrientation;
        OrientationDemand first, second;
        int firstRows;
        int secondPage;
        O secondOrientation;
        int secondTextWidth;
    };
    const Case cases[] = {
        {"landscape after portrait takes a new page", O::Portrait, OrientationDemand::None,
         OrientationDemand::Landscape, 2, 1, O::Landscape, 23300},
        // Turning the page would misplace the landscape table already on it.
        {"no demand keeps a landscape page", O::Portrait, OrientationDemand::Landscape,
         OrientationDemand::None, 2, 0, O::Landscape, 23300},
        {"no demand on a fresh page takes the default", O::Landscape, OrientationDemand::Portrait,
         OrientationDemand::None, 0, 0, O::Landscape, 23300},
        // A landscape table that does not fit under another goes on to a landscape page.
        {"landscape going on to the next page", O::Portrait, OrientationDemand::Landscape,
         OrientationDemand::Landscape, 34, 1, O::Landscape, 23300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        canvas = FakePageCanvas{};
        canvas.defaultOrientation = c.defaultOrientation;
        queue.Clear();
        if (c.firstRows > 0) Table("f", c.firstRows).Orientation = c.first;
        Table("s", 5).Orientation = c.second;
        Run();
        size_t page = 0;
        const DrawnText* s0 = canvas.Find("s0", &page);
        ASSERT_NE(s0, nullptr);
        EXPECT_EQ(static_cast<int>(page), c.secondPage);
        EXPECT_EQ(canvas.pages[page].orientation, c.secondOrientation);
        EXPECT_EQ(s0->box.right, c.secondTextWidth);
        if (c.firstRows > 0) {
            EXPECT_EQ(canvas.pages[0].orientation,
                      c.first == OrientationDemand::Landscape ? O::Landscape : O::Portrait);
        }
    }
}

TEST_F(Pagination, TablesThatMayNotSplitShrinkToOnePage) {
    struct Case {
        int rows;
        bool allowSplit;
        int size;
        int pages;
    };
    // 60 rows fit one page at 8 points, not at 9; 1000 rows fit nowhere and
    // stop at the smallest size, running off the page.
    for (const Case& c : {Case{60, false, 8, 1}, Case{60, true, 10, 2}, Case{1000, false, kMinFontSize, 1}}) {
        SCOPED_TRACE(c.rows);
        canvas = FakePageCanvas{};
        queue.Clear();
        queue.AllowSplit = c.allowSplit;
        queue.SameFontSize = false;
        TGridProperties& e = Table("w", c.rows, "Tabela");
        Run();
        EXPECT_EQ(e.FontSize, c.size);
        if (!c.allowSplit) {
            EXPECT_EQ(e.FitPageSize, c.size);
        }
        EXPECT_EQ(static_cast<int>(canvas.pages.size()), c.pages);
        EXPECT_EQ(PageOf("w" + std::to_string(c.rows - 1)), c.pages - 1);
    }
}

TEST_F(Pagination, SameFontSizeTakesTheSmallestPrintedSize) {
    struct Case {
        bool same, wideSelected;
        int narrowSize, wideSize, queueSize;
    };
    // Thirteen amount columns leave the text column an amount wide at 6 points.
    for (const Case& c :
         {Case{true, true, 6, 6, 6}, Case{false, true, 10, 6, 10}, Case{true, false, 10, 10, 10}}) {
        SCOPED_TRACE(testing::Message() << c.same << c.wideSelected);
        canvas = FakePageCanvas{};
        queue.Clear();
        queue.FontSize = 10;
        queue.SameFontSize = c.same;
        TGridProperties& narrow = Table("n", 3);
        const Grid& wideSheet = *spf::test::AddSheet(book, "Szeroka", 16, 4).Grid;
        TGridProperties& wideRange = queue.AddEntry(book, wideSheet, 2, 1, 15, 3);
        wideRange.ColumnKinds.assign(14, kAmountColumn);
        wideRange.ColumnKinds[0] = kTextColumn;
        wideRange.Selected = c.wideSelected;
        Run();
        EXPECT_EQ(wideRange.FitWidthSize, 6);
        EXPECT_EQ(narrow.FontSize, c.narrowSize);
        EXPECT_EQ(wideRange.FontSize, c.wideSize);
        EXPECT_EQ(queue.FontSize, c.queueSize);
    }
}

}  // namespace
}  // namespace spf::print::test
