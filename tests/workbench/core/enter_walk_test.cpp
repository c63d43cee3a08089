// The order in which Enter walks to the next editable cell.
#include "workbench/core/enter_walk.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace spf {
namespace {

// Area columns 1..3, rows 1..3; cells in column 2 are not editable.
std::optional<CellPos> SkipColumnTwo(int c, int r) {
    if (c == 2) return std::nullopt;
    return CellPos{c, r};
}

struct WalkCase {
    const char* name;
    T_nextcell order;
    T_lastcell last;
    CellPos start;
    std::optional<CellPos> expected;
};

// Test listings show the case by its name.
void PrintTo(const WalkCase& c, std::ostream* os) { *os << c.name; }

class WalkCases : public ::testing::TestWithParam<WalkCase> {};

TEST_P(WalkCases, NextCell) {
    const WalkCase& c = GetParam();
    EXPECT_EQ(NextCellInOrder(c.order, c.last, WalkArea{1, 1, 3, 3}, c.start, SkipColumnTwo), c.expected);
}

constexpr auto kDown = T_nextcell::nc_downright;
constexpr auto kRight = T_nextcell::nc_rightdown;
constexpr auto kStop = T_lastcell::lc_stop;
constexpr auto kFirst = T_lastcell::lc_first;

INSTANTIATE_TEST_SUITE_P(
    Orders, WalkCases,
    ::testing::Values(WalkCase{"DownTheColumn", kDown, kStop, {1, 1}, CellPos{1, 2}},
                      WalkCase{
                          "NextColumnFromTheTopPassingTheLockedOne", kDown, kStop, {1, 3}, CellPos{3, 1}},
                      WalkCase{"StopAfterTheLastCell", kDown, kStop, {3, 3}, std::nullopt},
                      WalkCase{"WrapToTheFirstCell", kDown, kFirst, {3, 3}, CellPos{1, 1}},
                      WalkCase{"AlongTheRow", kRight, kStop, {1, 1}, CellPos{3, 1}}),
    [](const ::testing::TestParamInfo<WalkCase>& info) { return std::string(info.param.name); });

TEST(EnterWalk, EndsWhenNothingElseIsEditable) {
    auto only = [](int c, int r) -> std::optional<CellPos> {
        if (c == 2 && r == 2) return CellPos{c, r};
        return std::nullopt;
    };
    EXPECT_FALSE(
        NextCellInOrder(T_nextcell::nc_downright, T_lastcell::lc_first, WalkArea{1, 1, 3, 3}, {2, 2}, only));
}

}  // namespace
}  // namespace spf
