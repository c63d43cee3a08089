// The explanatory notes on the filled example, changed the way an accountant
// changes it: the notes follow whichever profit and loss variant is filled,
// their check rows catch a figure typed on one side only, exchange
// differences are netted, the deferred tax reaches the income tax and the tax
// rows stay in whole zloty.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/amounts.h"
#include "model/text_utils.h"
#include "template_files.h"

namespace spf::test {
namespace {

constexpr int D = 4, E = 5, F = 6;

struct Typed {
    const char* sheet;
    int col;
    int row;
    const char* text;
};

// Types each amount as cell entry stores it, then recalculates to rest.
Workbook ExampleWith(const std::vector<Typed>& typed) {
    Workbook wb = LoadExample();
    for (const Typed& t : typed) {
        Grid* g = wb.FindGrid(t.sheet);
        if (!g) {
            ADD_FAILURE() << "no sheet " << t.sheet;
            continue;
        }
        g->At(t.col, t.row).Cells = t.text;
        FormatujLiczbe(*g, t.col, t.row);
    }
    EXPECT_TRUE(RecalculateToRest(wb));
    return wb;
}

// The check rows ("Różnica ...") of the notes that are not zero.
std::vector<std::string> FailingChecks(const Workbook& wb) {
    std::vector<std::string> failing;
    for (const TSheet& s : wb.Sheets) {
        if (!StartsWith(s.GridName, "nota_")) continue;
        for (int r = 4; r < s.Grid->Rows(); ++r) {
            if (!StartsWith(PropsAt(wb, s.GridName, 2, r).Text1, "Różnica")) continue;
            for (int c = 3; c < s.Grid->Columns() - 1; ++c) {
                const TCellProps& p = PropsAt(wb, s.GridName, c, r);
                if (!p.Formula.empty() && p.Val != "0")
                    failing.push_back(s.GridName + " " + char('A' + c - 1) + std::to_string(r) + " = " +
                                      p.Val);
            }
        }
    }
    return failing;
}

TEST(ExplanatoryNotes, FollowTheCostOfSalesVariantWhenItAloneIsFilled) {
    // The comparative variant cleared: its financial lines still read the
    // notes, so only its typed lines tell which variant is in use.
    std::vector<Typed> cleared;
    for (int row : {6, 7, 8, 9, 10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 23, 24, 25, 27, 28, 29, 51})
        for (int col : {D, E}) cleared.push_back({"RZiS_p", col, row, "0"});
    const Workbook before = ExampleWith({});
    const Workbook wb = ExampleWith(cleared);
    EXPECT_NE(Amount(wb, "RZiS_p", D, 49), Amount(wb, "RZiS_k", D, 44));
    EXPECT_EQ(Amount(wb, "nota_10", E, 6), Amount(wb, "RZiS_k", D, 44)) << "profit before tax";
    EXPECT_EQ(Amount(wb, "nota_10", E, 45), Amount(before, "nota_10", E, 45)) << "income tax";
    EXPECT_EQ(Amount(wb, "nota_11a", E, 5), Amount(wb, "RZiS_k", D, 47)) << "net profit to distribute";
    EXPECT_EQ(FailingChecks(wb), FailingChecks(before)) << "a check row depends on the comparative variant";
}

TEST(ExplanatoryNotes, CheckRowsShowAFigureTypedOnOneSideOnly) {
    // Each case adds 100 zloty to a statement line that a note explains; the
    // note's check row must move by exactly that amount.
    const struct {
        Typed typed;
        const char* note;
        int col;
        int row;
    } cases[] = {
        {{"RZiS_p", D, 7, "2400100"}, "nota_01", D, 11},  {{"RZiS_p", E, 7, "2100100"}, "nota_01a", E, 12},
        {{"RZiS_p", D, 10, "900100"}, "nota_02", D, 15},  {{"RZiS_k", D, 11, "1953100"}, "nota_03", D, 20},
        {{"RZiS_p", E, 25, "6100"}, "nota_04", E, 21},    {{"RZiS_p", D, 29, "6100"}, "nota_05", D, 20},
        {{"Aktywa", D, 9, "18100"}, "nota_12", E, 36},    {{"Aktywa", D, 14, "620100"}, "nota_13", D, 46},
        {{"Aktywa", D, 56, "410100"}, "nota_17", E, 33},  {{"Aktywa", E, 74, "88100"}, "nota_19", E, 16},
        {{"Aktywa", D, 39, "6100"}, "nota_20", D, 31},    {{"Pasywa", D, 23, "10100"}, "nota_21", E, 28},
        {{"Pasywa", E, 17, "7100"}, "nota_21a", 3, 14},   {{"Pasywa", D, 27, "260100"}, "nota_23", E, 29},
        {{"Pasywa", E, 38, "155100"}, "nota_24a", E, 14}, {{"Przeplywy_mp", D, 10, "100"}, "nota_28", D, 14},
        {{"Pasywa", D, 6, "500100"}, "nota_35", F, 18},
    };
    const Workbook before = ExampleWith({});
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed.sheet) + " " + char('A' + c.typed.col - 1) +
                     std::to_string(c.typed.row));
        const int64_t typedBefore = Amount(before, c.typed.sheet, c.typed.col, c.typed.row);
        const Workbook wb = ExampleWith({c.typed});
        const int64_t added = Amount(wb, c.typed.sheet, c.typed.col, c.typed.row) - typedBefore;
        EXPECT_EQ(Amount(wb, c.note, c.col, c.row) - Amount(before, c.note, c.col, c.row), -added) << c.note;
    }
}

TEST(ExplanatoryNotes, OnlyTheSurplusOfExchangeDifferencesReachesTheAccount) {
    // Negative differences of 20 000 realised + 700 unrealised against
    // positive ones of 6 500: a surplus of 14 200 is a financial cost.
    const Workbook wb = ExampleWith({{"nota_08", D, 17, "20000"}});
    EXPECT_EQ(Amount(wb, "nota_07", D, 19), 0);
    EXPECT_EQ(Amount(wb, "nota_08", D, 19), 1420000);
    EXPECT_EQ(Amount(wb, "RZiS_p", D, 38), Amount(wb, "nota_07", D, 20) + Amount(wb, "nota_07", D, 21));
    EXPECT_EQ(Amount(wb, "RZiS_p", D, 44), 1420000 + Amount(wb, "nota_08", D, 20) +
                                               Amount(wb, "nota_08", D, 21) + Amount(wb, "nota_08", D, 22));
    EXPECT_EQ(Amount(wb, "RZiS_k", D, 39), Amount(wb, "RZiS_p", D, 44));
}

TEST(ExplanatoryNotes, IncomeTaxIsInWholeZlotyAndCarriesTheDeferredTax) {
    // Grosze in a detail, and 1 000 more deferred tax provision made.
    const Workbook before = ExampleWith({});
    const Workbook wb = ExampleWith({{"nota_10", D, 9, "4200,37"}, {"nota_21a", D, 5, "2500"}});
    const int64_t base = Amount(wb, "nota_10", E, 41);
    EXPECT_EQ(base, Amount(before, "nota_10", E, 41)) << "37 grosze more round away";
    EXPECT_EQ(base % 100, 0);
    EXPECT_EQ(Amount(wb, "nota_10", E, 42), base * 19 / 100 / 100 * 100);
    EXPECT_EQ(Amount(wb, "nota_10", E, 43), Amount(before, "nota_10", E, 43) + 100000);
    EXPECT_EQ(Amount(wb, "nota_10", E, 45),
              Amount(wb, "nota_10", E, 42) + Amount(wb, "nota_10", E, 43) + Amount(wb, "nota_10", E, 44));
    EXPECT_EQ(Amount(wb, "RZiS_p", D, 50), Amount(wb, "nota_10", E, 45));
}

TEST(ExplanatoryNotes, ALossGoesToItsCoverageNoteAndBearsNoCurrentTax) {
    const Workbook profit = ExampleWith({});
    EXPECT_GT(Amount(profit, "RZiS_p", D, 52), 0);
    EXPECT_EQ(Amount(profit, "nota_11b", E, 5), 0) << "a profit leaves no loss to cover";

    const Workbook loss = ExampleWith({{"RZiS_p", D, 7, "1000000"}, {"RZiS_k", D, 7, "1000000"}});
    ASSERT_LT(Amount(loss, "RZiS_p", D, 49), 0);
    EXPECT_EQ(Amount(loss, "nota_10", E, 42), 0);
    EXPECT_EQ(Amount(loss, "nota_11b", E, 5), -Amount(loss, "RZiS_p", D, 52));
    EXPECT_EQ(Amount(loss, "nota_11a", E, 5), Amount(loss, "RZiS_p", D, 52));
}

TEST(ExplanatoryNotes, OpeningBalancesAreLastYearsClosing) {
    const Workbook wb =
        ExampleWith({{"nota_16", E, 14, "700"}, {"nota_22", E, 13, "900"}, {"nota_20", E, 8, "300"}});
    EXPECT_EQ(Amount(wb, "nota_16", D, 13), Amount(wb, "nota_16", E, 17));
    EXPECT_EQ(Amount(wb, "nota_22", D, 12), Amount(wb, "nota_22", E, 16));
    EXPECT_EQ(Amount(wb, "nota_20", D, 7), Amount(wb, "nota_20", E, 12));
    EXPECT_EQ(Amount(wb, "nota_34", D, 5), Amount(wb, "nota_34", E, 10));
    EXPECT_EQ(Amount(wb, "nota_14", E, 8), Amount(wb, "nota_22", D, 10))
        << "allowances of long-term receivables";
    EXPECT_EQ(Amount(wb, "nota_17", E, 18), Amount(wb, "nota_22", D, 16))
        << "allowances of short-term receivables";
}

}  // namespace
}  // namespace spf::test
