// Next year's statement: the figures of each sheet group, the general data,
// and the whole rollover on the example statement.
#include "period/core/rollover.h"

#include <gtest/gtest.h>

#include "formula/recalculator.h"
#include "model/colors.h"
#include "model/file/spf_reader.h"
#include "model/workbook.h"
#include "test_paths.h"
#include "test_sheets.h"

namespace spf {
namespace {

DateDays Date(int day, int month, int year) { return DaysFromCivil({year, month, day}); }

void Amount(Grid& g, int col, int row, const std::string& text, bool editable = true) {
    Cell& cell = g.At(col, row);
    cell.Cells = text;
    cell.Edit = editable;
    cell.CellColor = editable ? kInputColor : kSheetColor;
    cell.EnsureProps().CellFormat = 2;
    cell.Props->Val = text;
}

void Text(Grid& g, int col, int row, const std::string& text) {
    Cell& cell = g.At(col, row);
    cell.Cells = text;
    cell.Edit = true;
    cell.EnsureProps().CellFormat = 0;
}

void Formula(Grid& g, int col, int row, const std::string& formula, const std::string& value) {
    Amount(g, col, row, value, false);
    g.At(col, row).Props->Formula = formula;
}

struct Shown {
    std::string text;
    bool editable;
    std::string formula;
};

Shown At(const Workbook& wb, const char* sheet, int col, int row) {
    const Cell& c = wb.FindGrid(sheet)->At(col, row);
    return {c.Cells, c.Edit, c.Props ? c.Props->Formula : ""};
}

bool operator==(const Shown& a, const Shown& b) {
    return a.text == b.text && a.editable == b.editable && a.formula == b.formula;
}
void PrintTo(const Shown& s, std::ostream* os) {
    *os << "[" << s.text << "] edit " << s.editable << " formula [" << s.formula << "]";
}

// One small sheet of every group; rows 4.. hold the cases, the last row is
// never touched.
Workbook GroupsBook() {
    Workbook wb;
    Grid& rzis = *test::AddSheet(wb, "rzis_P", 7, 10).Grid;  // groups compare names in lower case
    Formula(rzis, 4, 4, "=ROKA", "2005");
    Formula(rzis, 5, 4, "=ROKB", "2004");
    Amount(rzis, 4, 5, "1000,00");
    Amount(rzis, 5, 5, "500,00");
    Amount(rzis, 4, 6, "200,00");
    rzis.At(5, 6).EnsureProps();  // an empty previous-year cell: the row stays
    Formula(rzis, 4, 7, "=[D5]+[D6]", "1200,00");
    Formula(rzis, 5, 7, "=[E5]+[E6]", "500,00");
    Amount(rzis, 4, 8, "7,00");
    Amount(rzis, 5, 8, "3,00");  // the last row minus one is rolled
    Amount(rzis, 4, 9, "9,00");
    Amount(rzis, 5, 9, "8,00");  // the last row is not

    Grid& note = *test::AddSheet(wb, "nota_01", 7, 9).Grid;
    Text(note, 4, 5, "Meble kuchenne");
    Text(note, 5, 5, "Meble biurowe");
    Amount(note, 4, 6, "150,00");
    Amount(note, 5, 6, "120,00");
    Amount(note, 4, 7, "40,00");
    Formula(note, 5, 7, "=[D7]", "40,00");

    Grid& equity = *test::AddSheet(wb, "Zestawienie_zm", 6, 8).Grid;
    Amount(equity, 3, 5, "900,00");
    Amount(equity, 4, 5, "800,00");
    Formula(equity, 3, 6, "=[C5]", "900,00");
    Formula(equity, 4, 6, "=[D5]", "800,00");
    equity.At(4, 6).Edit = true;  // an input that a formula fills first

    Grid& other = *test::AddSheet(wb, "nota_25", 7, 9).Grid;
    Text(other, 3, 5, "Pożar magazynu");
    Text(other, 4, 5, "Odszkodowanie w 2006 r.");
    Amount(other, 4, 6, "70,00");
    Formula(other, 5, 6, "=[D6]", "70,00");
    Amount(other, 2, 7, "5,00");  // column 2 is left alone

    Grid& analysis = *test::AddSheet(wb, "AF_Bilans", 9, 8).Grid;
    Formula(analysis, 3, 5, "=[Aktywa!D79]", "300,00");
    Formula(analysis, 5, 5, "=[Aktywa!E79]", "250,00");
    Amount(analysis, 7, 5, "200,00");
    return wb;
}

TEST(RollFiguresOver, EachGroupMovesItsFigures) {
    Workbook wb = GroupsBook();
    RollFiguresOver(wb);
    struct Case {
        const char* sheet;
        int col, row;
        Shown expected;
        const char* why;
    };
    const Case cases[] = {
        {"rzis_P", 4, 4, {"2005", false, "=ROKA"}, "the year heading keeps its formula"},
        {"rzis_P", 5, 4, {"2005", false, "=ROKB"}, "row 4 has its text copied, formula and colour kept"},
        {"rzis_P", 4, 5, {"0,00", true, ""}, "this year's input starts again"},
        {"rzis_P", 5, 5, {"1000,00", true, ""}, "this year's figure is last year's"},
        {"rzis_P", 4, 6, {"200,00", true, ""}, "an empty previous-year cell keeps the row"},
        {"rzis_P", 5, 6, {"", false, ""}, "an empty previous-year cell keeps the row"},
        {"rzis_P", 4, 7, {"1200,00", false, "=[D5]+[D6]"}, "a total stays a formula"},
        {"rzis_P", 5, 7, {"1200,00", true, ""}, "last year's total becomes an input"},
        {"rzis_P", 5, 8, {"7,00", true, ""}, "rows up to Rows-2"},
        {"rzis_P", 5, 9, {"8,00", true, ""}, "the last row is not touched"},
        {"nota_01", 4, 5, {"Meble kuchenne", true, ""}, "a description stays"},
        {"nota_01", 5, 5, {"Meble kuchenne", true, ""}, "the previous-year column is copied"},
        {"nota_01", 4, 6, {"0,00", true, ""}, "this year's amount starts again"},
        {"nota_01", 5, 6, {"150,00", true, ""}, "last year's amount"},
        {"nota_01", 4, 7, {"40,00", true, ""}, "a row whose previous year is no input stays"},
        {"nota_01", 5, 7, {"40,00", false, "=[D7]"}, "a row whose previous year is no input stays"},
        {"Zestawienie_zm", 3, 5, {"0,00", true, ""}, "equity: this year's input"},
        {"Zestawienie_zm", 4, 5, {"900,00", true, ""}, "equity: last year's figure"},
        {"Zestawienie_zm", 3, 6, {"900,00", false, "=[C5]"}, "equity: a formula stays"},
        {"Zestawienie_zm", 4, 6, {"900,00", true, ""}, "equity: the copy loses its formula"},
        {"nota_25", 3, 5, {"Pożar magazynu", true, ""}, "a text typed into a note stays"},
        {"nota_25", 4, 5, {"Odszkodowanie w 2006 r.", true, ""}, "a text typed into a note stays"},
        {"nota_25", 4, 6, {"0,00", true, ""}, "an amount of another sheet starts again"},
        {"nota_25", 5, 6, {"70,00", false, "=[D6]"}, "a formula stays"},
        {"nota_25", 2, 7, {"5,00", true, ""}, "columns before 3 stay"},
        {"AF_Bilans", 7, 5, {"250,00", true, ""}, "the year before last is last year's previous year"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(At(wb, c.sheet, c.col, c.row), c.expected) << c.sheet << " " << c.why;
    EXPECT_EQ(wb.FindGrid("rzis_P")->At(5, 5).CellColor, kInputColor);
    EXPECT_EQ(wb.FindGrid("rzis_P")->At(5, 5).Props->Val, "1000,00");
}

TEST(AdvanceGeneralData, NextYearsHeader) {
    Workbook wb;
    DocumentHeader& h = wb.Header;
    h.RokBiezacy = 2007;
    h.DataSporzadzenia = Date(29, 2, 2008);
    h.AFBO = Date(1, 1, 2007);
    h.AFBZ = Date(31, 12, 2007);
    h.Podatek1 = 19;
    h.Podatek2 = 27;
    h.AFAkcje1 = 300;
    h.AFAkcje2 = 200;
    h.AFAkcje3 = 100;
    wb.General.OkresInnyNizRok = true;
    wb.General.OkresBiezacy = "01.07.2006 - 30.06.2007";
    wb.General.OkresPoprzedni = "01.07.2005 - 30.06.2006";
    ASSERT_TRUE(AdvanceGeneralData(wb));
    EXPECT_EQ(h.RokBiezacy, 2008);
    EXPECT_EQ(h.DataSporzadzenia, Date(28, 2, 2009));
    EXPECT_EQ(h.AFBO, Date(1, 1, 2008));
    EXPECT_EQ(h.AFBZ, Date(31, 12, 2008));
    EXPECT_EQ(h.Podatek1, 19);
    EXPECT_EQ(h.Podatek2, 19);
    EXPECT_EQ(h.AFAkcje1, 300);
    EXPECT_EQ(h.AFAkcje2, 300);
    EXPECT_EQ(h.AFAkcje3, 200);
    EXPECT_EQ(wb.General.OkresPoprzedni, "01.07.2006 - 30.06.2007");
    EXPECT_EQ(wb.General.OkresBiezacy, "01.07.2007 - 30.06.2008");

    h.RokBiezacy = 9999;
    EXPECT_FALSE(AdvanceGeneralData(wb));
    EXPECT_EQ(h.RokBiezacy, 9999);
}

TEST(RolloverFileName, DoubleUnderscoreBeforeTheExtension) {
    struct Case {
        const char* name;
        const char* proposed;
    };
    const Case cases[] = {
        {"firma2005.spf", "firma2005__.spf"},
        {"/home/ania/Firma 2005.SPF", "/home/ania/Firma 2005__.SPF"},
        {"", "__"},
        {"firma", "firma__"},
        {"/dane.2005/firma", "/dane.2005/firma__"},
        {"raport.v2.spf", "raport.v2__.spf"},
    };
    for (const Case& c : cases) EXPECT_EQ(RolloverFileName(c.name), c.proposed) << c.name;
}

class ExampleRollover : public ::testing::Test {
protected:
    void SetUp() override {
        ReadResult read = ReadDocument(SPF_SOURCE_DIR "/examples/przyklad.spf");
        ASSERT_TRUE(read.workbook);
        wb = std::move(*read.workbook);
    }
    std::string Text(const char* sheet, int col, int row) { return wb.FindGrid(sheet)->At(col, row).Cells; }
    std::string Val(const char* sheet, int col, int row) {
        return wb.FindGrid(sheet)->At(col, row).Props->Val;
    }

    Workbook wb;
    FixedClock clock{Date(1, 2, 2007)};
};

TEST_F(ExampleRollover, TwiceShiftsTheFiguresTwiceAndTheYearByTwo) {
    Recalculator recalc(wb, clock);
    recalc.RecalculateWorkbook();
    const int year = wb.Header.RokBiezacy;
    const std::string assets = Text("Aktywa", 4, 79);
    ASSERT_NE(assets, "0,00");

    ASSERT_TRUE(Rollover(wb, recalc, clock));
    EXPECT_EQ(wb.Header.RokBiezacy, year + 1);
    EXPECT_EQ(Text("Aktywa", 5, 79), assets);
    EXPECT_EQ(Text("Aktywa", 4, 79), "0,00");
    EXPECT_EQ(Text("Aktywa", 4, 4), std::to_string(year + 1));
    EXPECT_EQ(Text("Aktywa", 5, 4), std::to_string(year));
    // Amounts are back in hundredths after the sheets' own recalculation.
    EXPECT_EQ(Val("Aktywa", 5, 79), std::to_string(std::stoll(Val("Aktywa", 5, 79))));
    EXPECT_EQ(Text("AF_RZiS", 4, 3), "Dynamika " + std::to_string(year + 1) + "/" + std::to_string(year));
    EXPECT_EQ(Text("AF_Wskazniki", 3, 4), std::to_string(year + 1));
    // Last year's net profit of the cash flow is kept as a figure, not read again.
    const Cell& profit = wb.FindGrid("Przeplywy_mp")->At(5, 6);
    EXPECT_TRUE(profit.Edit);
    EXPECT_EQ(profit.Props->Formula, "");

    ASSERT_TRUE(Rollover(wb, recalc, clock));
    EXPECT_EQ(wb.Header.RokBiezacy, year + 2);
    EXPECT_EQ(Text("Aktywa", 5, 79), "0,00");
    EXPECT_EQ(Text("Aktywa", 5, 4), std::to_string(year + 1));
    const Grid& first = *wb.Sheets[0].Grid;
    EXPECT_NE(first.At(2, first.Rows() - 3).Cells.find(std::to_string(year + 3) + " r."), std::string::npos)
        << first.At(2, first.Rows() - 3).Cells;
}

}  // namespace
}  // namespace spf
