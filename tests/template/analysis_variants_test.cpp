// The analysis sheets work whichever profit and loss variant is filled: with
// only one variant typed they read that one, and the balance sheet's net
// profit follows it.
#include <gtest/gtest.h>

#include "template_files.h"

namespace spf::test {
namespace {

// Empties every typed figure of a sheet, as a user who fills the other variant leaves it.
void ClearInputs(Workbook& wb, const std::string& sheet) {
    Grid& g = *wb.FindGrid(sheet);
    for (int r = 5; r < g.Rows(); ++r)
        for (int c : {4, 5}) {
            Cell& cell = g.At(c, r);
            if (!cell.Edit || !cell.Props) continue;
            cell.Cells = "0,00";
            cell.Props->Val = "0";
        }
}

struct Variant {
    const char* cleared;  // the variant left empty
    const char* filled;
    int revenue, profitOnSales, operatingProfit, grossProfit, netProfit;  // rows of the filled variant
};

TEST(AnalysisVariants, ReadTheVariantThatIsFilled) {
    const Variant variants[] = {
        {"RZiS_k", "RZiS_p", 0, 21, 30, 49, 52},
        {"RZiS_p", "RZiS_k", 5, 16, 25, 44, 47},
    };
    for (const Variant& v : variants) {
        SCOPED_TRACE(std::string("filled: ") + v.filled);
        Workbook wb = LoadExample();
        ClearInputs(wb, v.cleared);
        ASSERT_TRUE(RecalculateToRest(wb));
        for (auto [af, year] : {std::pair{3, 4}, std::pair{5, 5}}) {
            const int64_t revenue = v.revenue
                                        ? Amount(wb, v.filled, year, v.revenue)
                                        : Amount(wb, v.filled, year, 7) + Amount(wb, v.filled, year, 10);
            EXPECT_EQ(Amount(wb, "AF_RZiS", af, 7), revenue);
            EXPECT_EQ(Amount(wb, "AF_RZiS", af, 19), Amount(wb, v.filled, year, v.profitOnSales));
            EXPECT_EQ(Amount(wb, "AF_RZiS", af, 29), Amount(wb, v.filled, year, v.operatingProfit));
            EXPECT_EQ(Amount(wb, "AF_RZiS", af, 48), Amount(wb, v.filled, year, v.grossProfit));
            EXPECT_EQ(Amount(wb, "AF_RZiS", af, 53), Amount(wb, v.filled, year, v.netProfit));
            EXPECT_EQ(Amount(wb, "Pasywa", year, 13), Amount(wb, v.filled, year, v.netProfit));
            EXPECT_EQ(Amount(wb, "AF_Bilans", af, 33), Amount(wb, v.filled, year, v.netProfit));
            EXPECT_NE(Amount(wb, "AF_RZiS", af, 53), 0);
        }
        EXPECT_EQ(Amount(wb, "Aktywa", 4, 79), Amount(wb, "Pasywa", 4, 55));
    }
}

}  // namespace
}  // namespace spf::test
