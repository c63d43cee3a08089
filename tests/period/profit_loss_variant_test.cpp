// Which profit-and-loss variant a document uses, read from the cash flow's
// net profit formula.
#include "period/core/profit_loss_variant.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "model/workbook.h"
#include "test_sheets.h"

namespace spf {
namespace {

struct VariantCase {
    const char* name;
    const char* sheet;
    int columns, rows;
    std::optional<std::string> formula;  // of (4, 6); none: the cell has no properties
    ProfitLossVariant expected;
};

// Test listings show the case by its name.
void PrintTo(const VariantCase& c, std::ostream* os) { *os << c.name; }

Workbook BookWith(const VariantCase& c) {
    Workbook workbook;
    Grid& grid = *test::AddSheet(workbook, c.sheet, c.columns, c.rows).Grid;
    if (c.formula && grid.Contains(4, 6)) grid.At(4, 6).EnsureProps().Formula = *c.formula;
    return workbook;
}

class ProfitLossVariantCases : public ::testing::TestWithParam<VariantCase> {};

TEST_P(ProfitLossVariantCases, ReadFromTheCashFlowNetProfit) {
    const VariantCase& c = GetParam();
    EXPECT_EQ(ProfitLossVariantInUse(BookWith(c)), c.expected);
}

constexpr auto kComparative = ProfitLossVariant::Comparative;
constexpr auto kCostOfSales = ProfitLossVariant::CostOfSales;

INSTANTIATE_TEST_SUITE_P(
    Documents, ProfitLossVariantCases,
    ::testing::Values(
        VariantCase{"CostOfSales", "Przeplywy_mp", 7, 10, "=RANGE('RZiS_k!D47')", kCostOfSales},
        VariantCase{"Comparative", "Przeplywy_mp", 7, 10, "=RANGE('RZiS_p!D52')", kComparative},
        VariantCase{"NameInsideALongerFormula", "Przeplywy_mp", 7, 10, "=RANGE('RZiS_k!D47')+0",
                    kCostOfSales},
        VariantCase{"NameInAnotherCase", "Przeplywy_mp", 7, 10, "=RANGE('rzis_k!D47')", kComparative},
        VariantCase{"CellWithoutProperties", "Przeplywy_mp", 7, 10, std::nullopt, kComparative},
        VariantCase{"GridTooSmallForTheCell", "Przeplywy_mp", 4, 6, "=RANGE('RZiS_k!D47')", kComparative},
        VariantCase{"SheetMissing", "Przeplywy_mb", 7, 10, "=RANGE('RZiS_k!D47')", kComparative}),
    [](const ::testing::TestParamInfo<VariantCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace spf
