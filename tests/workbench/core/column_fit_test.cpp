// The column fit: content columns share the grid's width within their limits.
#include "workbench/core/column_fit.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace spf {
namespace {

using Widths = std::vector<int>;

struct FitCase {
    const char* name;
    Widths widths, minimum, maximum;
    int gridWidth;
    Widths expected;
};

// Test listings show the case by its name.
void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

class ColumnFitCases : public ::testing::TestWithParam<FitCase> {};

TEST_P(ColumnFitCases, Widths) {
    const FitCase& c = GetParam();
    EXPECT_EQ(FitColumnWidths(c.widths, c.minimum, c.maximum, c.gridWidth), c.expected);
}

const Widths kOpen{0, 0, 0, 0, 0}, kWide{1, 15, 1000, 1000, 15};

INSTANTIATE_TEST_SUITE_P(
    Grids, ColumnFitCases,
    ::testing::Values(
        FitCase{"SharedInProportion", {1, 15, 100, 300, 15}, kOpen, kWide, 461, {1, 15, 100, 300, 15}},
        FitCase{"Doubled", {1, 15, 100, 100, 15}, kOpen, kWide, 461, {1, 15, 200, 200, 15}},
        FitCase{"CappedColumnHandsTheRestOn",
                {1, 15, 100, 100, 15},
                kOpen,
                {1, 15, 150, 1000, 15},
                461,
                {1, 15, 150, 250, 15}},
        FitCase{"ColumnAtItsMinimumShortfallTakenFurtherRight",
                {1, 15, 100, 100, 15},
                {0, 0, 300, 0, 0},
                kWide,
                461,
                {1, 15, 300, 100, 15}},
        FitCase{"Fixed50OnANarrowGrid",
                {1, 15, 50, 100, 15},
                {0, 0, 50, 0, 0},
                {1, 15, 50, 1000, 15},
                200,
                {1, 15, 50, 89, 15}},
        FitCase{"Fixed50OnAWideGrid",
                {1, 15, 50, 100, 15},
                {0, 0, 50, 0, 0},
                {1, 15, 50, 1000, 15},
                1500,
                {1, 15, 50, 1000, 15}},
        FitCase{"HalvesGoToTheEvenWidth", {1, 15, 1, 3, 15}, kOpen, kWide, 63, {1, 15, 0, 2, 15}},
        FitCase{"AllContentHiddenOnlyTheSurplusIsPlaced",
                {1, 15, 0, 0, 15},
                kOpen,
                kWide,
                161,
                {1, 15, 100, 0, 15}},
        FitCase{"CrossedLimitsTheMinimumWins",
                {1, 15, 100, 100, 15},
                {0, 0, 120, 0, 0},
                {1, 15, 80, 1000, 15},
                261,
                {1, 15, 120, 80, 15}}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace spf
