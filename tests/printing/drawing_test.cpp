// What a printed row, the stamp box and the signature block draw, and where.
#include <gtest/gtest.h>

#include "layout_fixture.h"
#include "model/cell_props.h"
#include "printing/layout/entry_measuring.h"
#include "printing/layout/statement_blocks.h"
#include "printing/layout/table_drawing.h"

namespace spf::print::test {
namespace {

class Drawing : public LayoutFixture {
protected:
    // The entry measured at 10 points, ready for drawing at CurrentY 0.
    void Measure(TGridProperties& e) {
        e.FontSize = 10;
        ComputeBlockHeights(queue, e);
    }
    const std::vector<DrawnText>& Texts() const { return canvas.pages.back().texts; }
    const std::vector<DrawnLine>& Lines() const { return canvas.pages.back().lines; }
};

TEST_F(Drawing, RowCellsByFormatAndAlignment) {
    struct Case {
        int format;
        Alignment alignment;
        const char* text;
        bool wholeZloty;
        const char* printed;
        HAlign h;
        VAlign v;
    };
    const Case cases[] = {
        {0, Alignment::Left, "Przychody", false, "Przychody", HAlign::Left, VAlign::Top},
        {0, Alignment::Center, "Nota", false, "Nota", HAlign::Center, VAlign::Top},
        {0, Alignment::Right, "2004", false, "2004", HAlign::Right, VAlign::Top},
        {1, Alignment::Left, "1234", false, "1 234,00", HAlign::Right, VAlign::Bottom},
        {1, Alignment::Left, "", false, "0,00", HAlign::Right, VAlign::Bottom},
        {1, Alignment::Left, "\xE2\x80\x93", false, "\xE2\x80\x93", HAlign::Right, VAlign::Bottom},
        {1, Alignment::Left, "1234,50", true, "1 235", HAlign::Right, VAlign::Bottom},
        {2, Alignment::Right, "1234567,80", false, "1 234 567,80", HAlign::Center, VAlign::Top},
        {2, Alignment::Left, "-", false, "-", HAlign::Center, VAlign::Top},
        {3, Alignment::Left, "7", false, "7", HAlign::Right, VAlign::Bottom},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printed);
        canvas = FakePageCanvas{};
        queue.Clear();
        queue.WholeZloty = c.wholeZloty;
        TGridProperties& e = Table("w", 1);
        Cell& cell = GridOf(e).At(3, 1);
        cell.Cells = c.text;
        cell.CellAlignment = c.alignment;
        cell.Props->CellFormat = c.format;
        cell.Props->Text1 = c.text;
        Measure(e);
        DrawRow(queue, e, 0);
        ASSERT_EQ(Texts().size(), 3u);
        const DrawnText& t = Texts()[1];
        EXPECT_EQ(t.text, c.printed);
        EXPECT_EQ(t.h, c.h);
        EXPECT_EQ(t.v, c.v);
        EXPECT_EQ(t.box, (Box{14300, -25, 16150, 500}));
        EXPECT_EQ(queue.CurrentY, 500);
    }
}

TEST_F(Drawing, IndentMarkers) {
    struct Case {
        const char* text;
        const char* marker;  // empty: no marker box
        const char* rest;
    };
    const Case cases[] = {
        {"a) Przychody netto", "a)", "Przychody netto"},
        {"IV. Zapasy", "IV.", "Zapasy"},
        {"- odsetki", "\xE2\x80\x93", "odsetki"},
        {"\xE2\x80\x93", "\xE2\x80\x93", ""},
        {"-", "\xE2\x80\x93", ""},
        // A short first word that is no list marker stays in the text, and so
        // does a first word longer than five characters.
        {"Inne koszty", "", "Inne koszty"},
        {"Kapita\xC5\x82 podstawowy", "", "Kapita\xC5\x82 podstawowy"},
        {"abcde) sześć", "", "abcde) sześć"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        canvas = FakePageCanvas{};
        queue.Clear();
        TGridProperties& e = Table("w", 1);
        TCellProps& p = GridOf(e).At(2, 1).EnsureProps();
        p.Text1 = c.text;
        p.Indent = 2;
        Measure(e);
        DrawRow(queue, e, 0);
        std::vector<DrawnText> cell;
        for (const DrawnText& t : Texts())
            if (t.box.left < 14300) cell.push_back(t);
        const bool marked = *c.marker != 0;
        ASSERT_EQ(cell.size(), marked ? 2u : 1u);
        if (marked) {
            EXPECT_EQ(cell[0].text, c.marker);
            EXPECT_EQ(cell[0].h, HAlign::Right);
            EXPECT_EQ(cell[0].box, (Box{0, -25, 500, 500}));
        }
        EXPECT_EQ(cell.back().text, c.rest);
        EXPECT_EQ(cell.back().box, (Box{500, -25, 14300, 500}));
    }
}

TEST_F(Drawing, BordersAndTheRatioSheetRule) {
    TGridProperties& e = Table("w", 10);
    Grid& g = GridOf(e);
    TCellProps& boxed = g.At(3, 1).EnsureProps();
    boxed.CellLeftWidth = boxed.CellRightWidth = boxed.CellTopWidth = boxed.CellBottomWidth = 1;
    g.At(2, 2).EnsureProps().CellBottomWidth = 3;
    e.RatioSheet = true;
    Measure(e);
    for (int i = 0; i < 10; ++i) DrawRow(queue, e, i);
    const std::vector<DrawnLine> expected = {
        {14300, 0, 14300, 500},
        {16150, 0, 16150, 500},
        {14300, 0, 16150, 0},
        {14300, 500, 16150, 500},
        {0, 1000, 14300, 1000},
        // Rows 5 and 10 of the ratio sheet are ruled under the first column.
        {0, 2500, 14300, 2500},
        {0, 5000, 14300, 5000},
    };
    EXPECT_EQ(Lines(), expected);
    for (const DrawnText& t : Texts()) EXPECT_EQ(t.v, VAlign::Center) << t.text;
}

TEST_F(Drawing, MergedBlockPrintsOnceAcrossItsCells) {
    TGridProperties& e = Table("w", 3);
    Grid& g = GridOf(e);
    for (int col : {3, 4})
        for (int row : {2, 3}) {
            TCellProps& p = g.At(col, row).EnsureProps();
            p.CellFormat = 0;
            p.Text1 = "ukryty";
            p.Merged = true;
            p.MergLeft = 3, p.MergTop = 2, p.MergRight = 4, p.MergBottom = 3;
            p.CellBottomWidth = 1;  // only the base cell's borders count
        }
    TCellProps& base = *g.At(3, 2).Props;
    base.Base = true;
    base.Text1 = "Razem";
    base.CellBottomWidth = 0;
    base.CellLeftWidth = base.CellTopWidth = 1;
    Measure(e);
    for (int i = 0; i < 3; ++i) DrawRow(queue, e, i);
    const DrawnText* block = canvas.Find("Razem");
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->box, (Box{14300, 500 - 25, 18000, 1500}));
    EXPECT_EQ(canvas.Find("ukryty"), nullptr);
    EXPECT_EQ(Lines(), (std::vector<DrawnLine>{{14300, 500, 14300, 1500}, {14300, 500, 18000, 500}}));
    EXPECT_EQ(queue.CurrentY, 1500);
}

TEST_F(Drawing, StampBox) {
    for (int lang : {0, 1}) {
        canvas = FakePageCanvas{};
        queue.Clear();
        book.LangID = lang;
        TGridProperties& e = Table("w", 1);
        e.StampHeight = 2500;
        queue.CurrentY = 3000;  // the box is drawn at the top whatever the position
        DrawStampBox(queue, e);
        ASSERT_EQ(Texts().size(), 1u);
        const DrawnText& t = Texts()[0];
        // 6 points: a dot is 60 wide, so 100 dots make the 6000 line; the box
        // reaches from the top margin (1000) to the stamp depth.
        EXPECT_EQ(t.text, std::string(100, '.') +
                              (lang ? "\r\n(entity stamp)\r\n " : "\r\n(piecz\xC4\x85tka jednostki)\r\n "));
        EXPECT_EQ(t.font.size, 6);
        EXPECT_EQ(t.box, (Box{0, 0, 6000, 1500}));
        EXPECT_EQ(queue.CurrentY, 3000 + 1500);
    }
}

TEST_F(Drawing, SignatureBlock) {
    queue.PlaceName = "Krak\xC3\xB3w";
    queue.PreparationDate = "31.03.2004";
    queue.PreparerName = "Jan Kowalski";
    TGridProperties& e = Table("w", 1);
    e.SignatureHeight = 3000;
    e.FontSize = 10;
    queue.CurrentY = 6000;
    DrawSignatureBlock(queue, e);
    // Small type is 6 points (dot 60, line 240); the first band runs 6000..7500,
    // the second 7500..9000. Place 3000 wide, date 2000, each widened by 100
    // after the dots were made; the label "Sporządzono " is 720, so x0 = 820.
    struct Expected {
        std::string text;
        int size;
        HAlign h;
        VAlign v;
        Box box;
    };
    const std::string head(83, '.');
    const Expected expected[] = {
        {"Sporz\xC4\x85"
         "dzono",
         6,
         HAlign::Left,
         VAlign::Bottom,
         {0, 6000, 820, 7500}},
        {std::string(50, '.'), 6, HAlign::Center, VAlign::Bottom, {820, 6000, 3920, 7500}},
        {"dnia", 6, HAlign::Left, VAlign::Bottom, {3920, 6000, 4320, 7500}},
        {std::string(33, '.'), 6, HAlign::Center, VAlign::Bottom, {4320, 6000, 6420, 7500}},
        {"Krak\xC3\xB3w", 10, HAlign::Center, VAlign::Bottom, {820, 6000, 3920, 7452}},
        {"31.03.2004", 10, HAlign::Center, VAlign::Bottom, {4320, 6000, 6420, 7452}},
        {"(miejscowo\xC5\x9B\xC4\x87)", 6, HAlign::Center, VAlign::Top, {820, 7452, 3920, 7860}},
        {head, 6, HAlign::Center, VAlign::Bottom, {12000, 6000, 18000, 7500}},
        {"(data)", 6, HAlign::Center, VAlign::Top, {12000, 7452, 18000, 7860}},
        {std::string(100, '.') + "\r\n(nazwisko i imi\xC4\x99, podpis osoby sporz\xC4\x85"
                                 "dzaj\xC4\x85"
                                 "cej)",
         6,
         HAlign::Center,
         VAlign::Bottom,
         {0, 7500, 6420, 9000}},
        {"Jan Kowalski", 10, HAlign::Center, VAlign::Bottom, {0, 7500, 6420, 8712}},
        {head + "\r\n(nazwisko i imi\xC4\x99, podpis kierownika jednostki)",
         6,
         HAlign::Center,
         VAlign::Bottom,
         {12000, 7500, 18000, 9000}},
    };
    ASSERT_EQ(Texts().size(), std::size(expected));
    for (size_t k = 0; k < std::size(expected); ++k) {
        SCOPED_TRACE(k);
        const DrawnText& t = Texts()[k];
        EXPECT_EQ(t.text, expected[k].text);
        EXPECT_EQ(t.font.size, expected[k].size);
        EXPECT_EQ(t.h, expected[k].h);
        EXPECT_EQ(t.v, expected[k].v);
        EXPECT_EQ(t.box, expected[k].box);
    }
    EXPECT_EQ(queue.CurrentY, 6000);
}

TEST_F(Drawing, SignatureLabelsInEnglish) {
    book.LangID = 1;
    TGridProperties& e = Table("w", 1);
    e.SignatureHeight = 3000;
    e.FontSize = 10;
    DrawSignatureBlock(queue, e);
    // The labels without their dotted lines (place, date and name are empty here).
    std::vector<std::string> labels;
    for (const DrawnText& t : Texts()) {
        const size_t start = t.text.find_first_not_of(".\r\n");
        if (start != std::string::npos) labels.push_back(t.text.substr(start));
    }
    // "dnia" and the head of the entity's label stay Polish.
    const std::vector<std::string> expected = {
        "Prepared", "dnia",          "(place)",
        "(date)",   "(prepared by)", "(nazwisko i imi\xC4\x99, podpis kierownika jednostki)"};
    EXPECT_EQ(labels, expected);
}

}  // namespace
}  // namespace spf::print::test
