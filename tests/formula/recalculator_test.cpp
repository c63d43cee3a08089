// Recalculation on small workbooks: what a calculated cell holds, how a
// change travels through the dependants, the two-pass workbook run, the
// nota_10 rule, the ratio-sheet rule and cycles of references.
#include "formula/recalculator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "fixture_book.h"

namespace spf::test {
namespace {

const std::string kDash = "\u2013";

// Counts the cells calculated, by their trace line.
struct CalculationCounter : TraceSink {
    void Write(std::string_view line) override { count += line == "clcCll:"; }
    int count = 0;
};

struct ResultCase {
    const char* formula;
    int cellFormat;
    std::string val;
    std::string shown;
};

TEST(CalculateCell, WritesValueAndShownTextByCellFormat) {
    const std::vector<ResultCase> cases = {
        {"=123456", 1, "123456", "1234,56"},
        {"=123456", 0, "123456", "123456"},
        {"=-5", 2, "-5", "-0,05"},
        {"=0", 2, "0", "0,00"},
        {"=1/0", 2, kDash, kDash},
        {"=1/0", 0, "###", "###"},
        {"=1>0", 2, kDash, kDash},
        {"=1>0", 0, "TRUE", "TRUE"},
        {"=ROKA", 0, "2004", "2004"},
        // Amounts of 16 digits stay exact; beyond 2^53 hundredths the cell
        // fails rather than show a rounded or a small wrong amount.
        {"=SUM(999999999999999,999999999999999)", 2, "1999999999999998", "19999999999999,98"},
        {"=-9007199254740991", 2, "-9007199254740991", "-90071992547409,91"},
        {"=9007199254740992", 2, kDash, kDash},
        {"=9007199254740992", 0, "9007199254740992", "9007199254740992"},
        {"=2^63", 2, kDash, kDash},
        {"=0.3-0.1-0.2", 2, "0", "0,00"},
    };
    for (const ResultCase& c : cases) {
        FixtureBook book;
        book.AddSheet("A");
        book.Formula("A", "C3", c.formula, c.cellFormat);
        book.Calculate("A", "C3");
        EXPECT_EQ(book.Val("A", "C3"), c.val) << c.formula << " format " << c.cellFormat;
        EXPECT_EQ(book.Shown("A", "C3"), c.shown) << c.formula << " format " << c.cellFormat;
    }
}

TEST(CalculateCell, LeavesEditableCellsAlone) {
    FixtureBook book;
    book.AddSheet("A");
    book.Input("A", "C3", 700);
    book.Formula("A", "C3", "=1+1");
    book.Calculate("A", "C3");
    book.recalc.RecalculateSheet(0);
    book.recalc.RecalculateWorkbook();
    EXPECT_EQ(book.Val("A", "C3"), "700");
    EXPECT_EQ(book.Shown("A", "C3"), "7,00");
}

TEST(CalculateCell, SurvivesDependantsThatNoLongerExist) {
    FixtureBook book;
    book.AddSheet("A", 4, 4);
    book.Formula("A", "B2", "=1");
    book.C("A", "B2").Props->Ref = {{"Gone", 1, 1}, {"A", 90, 2}, {"A", 2, 90}, {"A", -1, -1}};
    book.Calculate("A", "B2");
    EXPECT_EQ(book.Val("A", "B2"), "1");
    book.recalc.CalculateCell(0, 50, 50);
    book.recalc.CalculateCell(7, 1, 1);
}

// Sheet A: B3 input, B2 = B3, C2 = B2 + D2, D2 = B2 * 10. Sheet B reads A.
class Propagation : public ::testing::Test {
protected:
    void SetUp() override {
        book.AddSheet("A");
        book.AddSheet("B");
        book.Input("A", "B3", 100);
        book.Formula("A", "B2", "=RANGE('A!B3')");
        // C2 is calculated before D2, so B2 lists C2 before D2 as its readers.
        book.Formula("A", "C2", "=RANGE('A!B2')+RANGE('A!D2')");
        book.Formula("A", "D2", "=RANGE('A!B2')*10");
        book.Formula("B", "C3", "=RANGE('A!C2')+1");
        book.Formula("B", "C4", "=RANGE('A!B3')");
        book.recalc.RecalculateWorkbook();
        book.Input("A", "B3", 5);
    }

    FixtureBook book;
};

TEST_F(Propagation, WorkbookRecalculationFillsTheDependants) {
    EXPECT_EQ(book.Val("A", "C2"), "1100");
    EXPECT_EQ(book.Val("B", "C3"), "1101");
    EXPECT_EQ(book.C("A", "B2").Props->Ref, (std::vector<TReference>{{"A", 3, 2}, {"A", 4, 2}}));
    EXPECT_EQ(book.C("A", "C2").Props->Ref, (std::vector<TReference>{{"B", 3, 3}}));
}

TEST_F(Propagation, ReachesEveryReaderAfterWhatItReads) {
    book.Calculate("A", "B2");
    EXPECT_EQ(book.Val("A", "D2"), "50");
    // C2 reads both B2 and D2: it must see the new D2 although B2 names it first.
    EXPECT_EQ(book.Val("A", "C2"), "55");
    EXPECT_EQ(book.Val("B", "C3"), "56");
    EXPECT_EQ(book.Shown("B", "C3"), "0,56");
}

TEST_F(Propagation, SheetRecalculationDoesNotReachReadersOfInputs) {
    ASSERT_TRUE(book.recalc.RecalculateSheet(book.Index("A")));
    EXPECT_EQ(book.Val("B", "C3"), "56");
    // B!C4 reads the input itself, which is never calculated and passes nothing on.
    EXPECT_EQ(book.Val("B", "C4"), "100");
    ASSERT_TRUE(book.recalc.RecalculateSheet(book.Index("B")));
    EXPECT_EQ(book.Val("B", "C4"), "5");
}

TEST_F(Propagation, CalculatesEachCellOncePerPropagation) {
    CalculationCounter counter;
    book.recalc.context().trace = &counter;
    book.Calculate("A", "B2");
    EXPECT_EQ(counter.count, 4);  // B2, D2, C2, B!C3
}

TEST(SheetRecalculation, PassesTheChangesOnOnceAfterTheWholeSheet) {
    // Ten items, a running total over them and a reader on another sheet:
    // passing each change on at once would calculate the chain again per item.
    FixtureBook book;
    book.AddSheet("A", 8, 14);
    book.AddSheet("B");
    for (int r = 2; r <= 11; ++r) {
        book.Formula("A", "B" + std::to_string(r), "=" + std::to_string(r));
        book.Formula("A", "C" + std::to_string(r),
                     "=RANGE('A!B" + std::to_string(r) + "')+RANGE('A!C" + std::to_string(r - 1) + "')");
    }
    book.Formula("B", "C2", "=RANGE('A!C11')*2");
    book.recalc.RecalculateWorkbook();
    book.recalc.RecalculateWorkbook();
    for (int r = 2; r <= 11; ++r) book.Formula("A", "B" + std::to_string(r), "=" + std::to_string(r * 10));
    CalculationCounter counter;
    book.recalc.context().trace = &counter;
    ASSERT_TRUE(book.recalc.RecalculateSheet(0));
    EXPECT_EQ(book.Val("A", "C11"), "650");
    EXPECT_EQ(book.Val("B", "C2"), "1300");
    // Every content cell of A once, then the running totals and B!C2 once more.
    EXPECT_EQ(counter.count, 7 * 13 + 10 + 1);
}

TEST(Cycles, PropagationEndsAndCalculatesEachCellOnce) {
    FixtureBook book;
    book.AddSheet("A");
    book.AddSheet("B");
    book.Formula("A", "C2", "=RANGE('B!C3')+1");
    book.Formula("B", "C3", "=RANGE('A!C4')+1");
    book.Formula("A", "C4", "=RANGE('A!C2')+1");
    book.Formula("A", "D2", "=RANGE('D2')+1");  // reads itself
    book.recalc.RecalculateWorkbook();
    CalculationCounter counter;
    book.recalc.context().trace = &counter;
    book.Calculate("A", "C2");
    EXPECT_EQ(counter.count, 3);
    counter.count = 0;
    book.Calculate("A", "D2");
    EXPECT_EQ(counter.count, 1);
    ASSERT_TRUE(book.recalc.RecalculateSheet(0));
}

// Formula cells reading random cells of both sheets, cycles included:
// every kind of recalculation must end.
TEST(Cycles, RandomReadsEndAndSettle) {
    FixtureBook book;
    book.AddSheet("A", 6, 8);
    book.AddSheet("nota_10", 6, 8);
    std::mt19937 random(7);
    const auto cellName = [&] {
        return std::string(1, static_cast<char>('A' + random() % 5)) + std::to_string(1 + random() % 7);
    };
    for (const char* sheet : {"A", "nota_10"})
        for (int i = 0; i < 20; ++i) {
            const std::string target = cellName();
            if (random() % 4 == 0) {
                book.Input(sheet, target, static_cast<int64_t>(random() % 100000));
                continue;
            }
            std::string formula = "=SUM(RANGE('A!" + cellName() + "'),RANGE('nota_10!" + cellName() + "'))";
            if (random() % 2) formula += "/2+RANGE('" + cellName() + "')";
            book.Formula(sheet, target, formula, static_cast<int>(random() % 3));
            book.C(sheet, target).Edit = false;
        }
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(book.recalc.RecalculateWorkbook());
        ASSERT_TRUE(book.recalc.RecalculateSheet(0));
        ASSERT_TRUE(book.recalc.RecalculateSheet(1));
        for (int c = 1; c < 6; ++c)
            for (int r = 1; r < 8; ++r) book.recalc.CalculateCell(round % 2, c, r);
    }
}

TEST(WorkbookRecalculation, LeavesEveryFormulaUpToDateWhateverTheOrder) {
    FixtureBook book;
    book.AddSheet("A");
    book.AddSheet("B");
    // C2 reads C3, which is calculated after it.
    book.Formula("A", "C2", "=RANGE('A!C3')");
    book.Formula("A", "C3", "=7");
    // E2 reads E3 reads E4: each against the order of calculation.
    book.Formula("A", "E2", "=RANGE('A!E3')");
    book.Formula("A", "E3", "=RANGE('A!E4')");
    book.Formula("A", "E4", "=RANGE('B!C2')+1");
    // Through a later sheet and back.
    book.Formula("B", "C2", "=RANGE('A!C3')*2");
    book.Formula("A", "F2", "=SUM(RANGE('A!E2'):RANGE('A!E4'))");
    EXPECT_TRUE(book.recalc.RecalculateWorkbook());
    EXPECT_EQ(book.Val("A", "C2"), "7");
    EXPECT_EQ(book.Val("A", "E2"), "15");
    EXPECT_EQ(book.Val("A", "F2"), "45");
    EXPECT_FALSE(book.recalc.PropagationSuspended());

    // After an edit the same holds, and a settled workbook takes one pass.
    book.Formula("A", "C3", "=8");
    EXPECT_TRUE(book.recalc.RecalculateWorkbook());
    EXPECT_EQ(book.Val("A", "E2"), "17");
    EXPECT_EQ(book.Val("A", "F2"), "51");
    CalculationCounter counter;
    book.recalc.context().trace = &counter;
    EXPECT_TRUE(book.recalc.RecalculateWorkbook());
    EXPECT_EQ(counter.count, 2 * 7 * 11);  // every content cell of both sheets once
}

TEST(SheetRecalculation, NormalisesAmountsAndKeepsFailureMarkers) {
    FixtureBook book;
    book.AddSheet("A");
    book.Input("A", "B2", 0);
    book.C("A", "B2").Cells = "1 234,5";
    book.Formula("A", "C2", "=1/0");
    book.Formula("A", "D2", "=1/0", 0);
    ASSERT_TRUE(book.recalc.RecalculateSheet(0));
    EXPECT_EQ(book.Shown("A", "B2"), "1234,50");
    EXPECT_EQ(book.Val("A", "B2"), "123450");
    EXPECT_EQ(book.Shown("A", "C2"), kDash);
    EXPECT_EQ(book.Val("A", "C2"), kDash);
    EXPECT_EQ(book.Shown("A", "D2"), "###");
}

TEST(SheetRecalculation, RatioSheetRecalculatesTheAnalysisSheetsFirst) {
    FixtureBook book;
    book.AddSheet("X");
    book.AddSheet("AF_Wskazniki");
    book.AddSheet("Other");
    book.AddSheet("AF_Bilans");
    book.AddSheet("AF_RZiS");
    book.Input("X", "B2", 100);
    book.Formula("AF_Bilans", "C2", "=RANGE('X!B2')");
    book.Formula("AF_RZiS", "C2", "=RANGE('AF_Bilans!C2')*2");
    book.Formula("AF_Wskazniki", "C2", "=RANGE('AF_RZiS!C2')+1");
    book.Formula("Other", "C2", "=RANGE('AF_RZiS!C2')+1");
    ASSERT_TRUE(book.recalc.RecalculateSheet(book.Index("Other")));
    EXPECT_EQ(book.Val("Other", "C2"), "1");
    ASSERT_TRUE(book.recalc.RecalculateSheet(book.Index("AF_Wskazniki")));
    EXPECT_EQ(book.Val("AF_Wskazniki", "C2"), "201");
    EXPECT_EQ(book.Val("AF_Bilans", "C2"), "100");
    EXPECT_FALSE(book.recalc.RecalculateNamedSheet("af_bilans"));  // the name is exact
}

struct Nota10Case {
    int row;
    const char* result;
    std::string val;
    std::string shown;
};

TEST(Nota10Rule, RoundsTheTaxRowsToWholeUnits) {
    // 40 rows: the rule covers rows 34, 35 and 38.
    const std::vector<Nota10Case> cases = {
        {35, "1234550", "1234600", "12346,00"}, {35, "1234450", "1234400", "12344,00"},
        {34, "1234449", "1234400", "12344,00"}, {38, "-1234550", "-1234600", "-12346,00"},
        {33, "1234550", "1234550", "12345,50"}, {35, "1/0", kDash, kDash},
    };
    for (const Nota10Case& c : cases) {
        FixtureBook book;
        book.AddSheet("nota_10", 8, 40);
        const std::string cell = "E" + std::to_string(c.row);
        book.Formula("nota_10", cell, std::string("=") + c.result);
        book.Calculate("nota_10", cell);
        EXPECT_EQ(book.Val("nota_10", cell), c.val) << cell << " " << c.result;
        EXPECT_EQ(book.Shown("nota_10", cell), c.shown) << cell << " " << c.result;
        ASSERT_TRUE(book.recalc.RecalculateSheet(0));
        EXPECT_EQ(book.Val("nota_10", cell), c.val) << cell << " " << c.result << " after the sheet";
        EXPECT_EQ(book.Shown("nota_10", cell), c.shown) << cell << " " << c.result << " after the sheet";
    }
}

TEST(Nota10Rule, LeavesOtherSheetsAndInputCellsAlone) {
    FixtureBook book;
    book.AddSheet("nota_11", 8, 40);
    book.Formula("nota_11", "E35", "=1234550");
    book.Calculate("nota_11", "E35");
    EXPECT_EQ(book.Val("nota_11", "E35"), "1234550");

    book.AddSheet("nota_10", 8, 40);
    book.Input("nota_10", "E35", 1234550);
    // A calculation in any column of the row applies the rule to column E.
    book.Formula("nota_10", "C35", "=1");
    book.Calculate("nota_10", "C35");
    EXPECT_EQ(book.Val("nota_10", "E35"), "1234550");
}

}  // namespace
}  // namespace spf::test
