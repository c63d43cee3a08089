// The filled example statement: after recalculation the statements agree
// with each other and with their notes, and the twelve ratios equal the
// figures worked out by hand from the example.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "model/text_utils.h"
#include "template_files.h"

namespace spf::test {
namespace {

constexpr int D = 4, E = 5;

class ExampleStatement : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        wb_ = new Workbook(LoadExample());
        rested_ = RecalculateToRest(*wb_);
    }
    static void TearDownTestSuite() { delete wb_; }
    static Workbook& wb() { return *wb_; }
    static int64_t A(const std::string& sheet, int col, int row) { return Amount(wb(), sheet, col, row); }
    static bool rested_;

private:
    static Workbook* wb_;
};
Workbook* ExampleStatement::wb_ = nullptr;
bool ExampleStatement::rested_ = false;

TEST_F(ExampleStatement, ComesToRest) { EXPECT_TRUE(rested_); }

TEST_F(ExampleStatement, BalanceSheetBalancesInBothYears) {
    for (int c : {D, E}) {
        EXPECT_EQ(A("Aktywa", c, 79), A("Pasywa", c, 55)) << "column " << c;
        EXPECT_EQ(A("Pasywa", c, 55), A("Pasywa_kw", c, 55)) << "column " << c;
        EXPECT_GT(A("Aktywa", c, 79), 0);
    }
}

TEST_F(ExampleStatement, NetProfitAgreesAcrossTheStatements) {
    for (int c : {D, E}) {
        const int64_t net = A("RZiS_p", c, 52);
        EXPECT_NE(net, 0);
        EXPECT_EQ(A("RZiS_k", c, 47), net) << "column " << c;
        EXPECT_EQ(A("Pasywa", c, 13), net) << "column " << c;
        EXPECT_EQ(A("Przeplywy_mp", c, 6), net) << "column " << c;
        EXPECT_EQ(A("AF_Bilans", c == D ? 3 : 5, 33), net) << "column " << c;
        EXPECT_EQ(A("AF_RZiS", c == D ? 3 : 5, 53), net) << "column " << c;
    }
    EXPECT_EQ(A("RZiS_p", D, 50), A("nota_10", E, 45));
}

TEST_F(ExampleStatement, CashFlowsEndOnTheBalanceSheetCash) {
    for (int c : {D, E}) {
        EXPECT_EQ(A("Przeplywy_mb", c, 60), A("Aktywa", c, 73)) << "column " << c;
        EXPECT_EQ(A("Przeplywy_mp", c, 63), A("Aktywa", c, 73)) << "column " << c;
        // The flows of each year add up to the change of cash.
        EXPECT_EQ(A("Przeplywy_mb", c, 59) + A("Przeplywy_mb", c, 56), A("Przeplywy_mb", c, 60))
            << "column " << c;
        EXPECT_EQ(A("Przeplywy_mp", c, 62) + A("Przeplywy_mp", c, 59), A("Przeplywy_mp", c, 63))
            << "column " << c;
        EXPECT_EQ(A("Przeplywy_mb", c, 57), A("Przeplywy_mb", c, 56)) << "column " << c;
        EXPECT_EQ(A("Przeplywy_mp", c, 60), A("Przeplywy_mp", c, 59)) << "column " << c;
    }
}

TEST_F(ExampleStatement, ChangesInEquityEndOnTheBalanceSheetEquity) {
    EXPECT_EQ(A("Zestawienie_zm", 3, 64), A("Pasywa", D, 5));
    EXPECT_EQ(A("Zestawienie_zm", 4, 64), A("Pasywa", E, 5));
    // The year opens with the previous year's closing equity.
    EXPECT_EQ(A("Zestawienie_zm", 3, 7), A("Zestawienie_zm", 4, 64));
    EXPECT_EQ(A("Zestawienie_zm", 3, 67), 0);
    EXPECT_EQ(A("Zestawienie_zm", 4, 67), 0);
}

// Every check row ("Różnica ...") of the statements and notes shows no difference.
TEST_F(ExampleStatement, NotesAgreeWithTheLinesTheyExplain) {
    int checks = 0;
    for (const TSheet& s : wb().Sheets) {
        const Grid& g = *s.Grid;
        for (int r = 4; r < g.Rows(); ++r) {
            if (!StartsWith(PropsAt(wb(), s.GridName, 2, r).Text1, "Różnica")) continue;
            for (int c = 3; c < g.Columns() - 1; ++c) {
                const TCellProps& p = PropsAt(wb(), s.GridName, c, r);
                if (p.Formula.empty()) continue;
                ++checks;
                EXPECT_EQ(p.Val, "0") << s.GridName << " " << char('A' + c - 1) << r << ": "
                                      << PropsAt(wb(), s.GridName, 2, r).Text1;
            }
        }
    }
    EXPECT_GE(checks, 20);
}

TEST_F(ExampleStatement, EveryStatementIsFilledInBothYears) {
    for (const char* name : {"RZiS_p", "RZiS_k", "Aktywa", "Pasywa", "Przeplywy_mb", "Przeplywy_mp"}) {
        for (int c : {D, E}) {
            bool typed = false;
            const Grid& g = SheetGrid(wb(), name);
            for (int r = 5; r < g.Rows() && !typed; ++r) typed = g.At(c, r).Edit && A(name, c, r) != 0;
            EXPECT_TRUE(typed) << name << " column " << c << " has no figure";
        }
    }
}

// A failed amount is allowed only for a ratio whose denominator is zero: the
// dynamics against the untyped year before the previous one.
TEST_F(ExampleStatement, ShowsNoFailedFormula) {
    for (const TSheet& s : wb().Sheets) {
        const Grid& g = *s.Grid;
        for (int r = 1; r < g.Rows(); ++r) {
            for (int c = 1; c < g.Columns(); ++c) {
                const auto& p = g.At(c, r).Props;
                if (!p || p->Formula.empty()) continue;
                const std::string where = s.GridName + " " + char('A' + c - 1) + std::to_string(r);
                EXPECT_NE(p->Val, "###") << where;
                if (p->Val != "\u2013") continue;
                const bool zeroDenominator =
                    (s.GridName == "AF_RZiS" && (c == 6 || A("AF_RZiS", 5, r) == 0)) ||
                    (s.GridName == "AF_Wskazniki" && c == 7);
                EXPECT_TRUE(zeroDenominator) << where << " fails: " << p->Formula;
            }
        }
    }
}

}  // namespace
}  // namespace spf::test
