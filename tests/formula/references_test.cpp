// Reading the references of RANGE and bringing tax amounts to whole units.
#include <gtest/gtest.h>

#include <vector>

#include "fixture_book.h"
#include "formula/cell_reference.h"
#include "formula/formula_error.h"
#include "formula/round_amount.h"

namespace spf::test {
namespace {

struct ReferenceCase {
    const char* text;
    int sheet;
    int col;
    int row;
};

TEST(ParseReference, ReadsEveryForm) {
    FixtureBook book;
    book.AddSheet("Aktywa");
    book.AddSheet("nota_07");
    book.AddSheet("nota_07");  // the last of equal names wins
    const std::vector<ReferenceCase> cases = {
        {"Aktywa!E42", 0, 5, 42}, {"'Aktywa!E42'", 0, 5, 42}, {"nota_07!a1", 2, 1, 1},
        {"NOTA_07!A1", -1, 1, 1},  // names are exact: no sheet named
        {"E42", -1, 5, 42},       {"AA7", -1, 27, 7},         {"az10", -1, 52, 10},
        {"5,42", -1, 5, 42},      {"1,5,42", 1, 5, 42},       {"1, 5 , 42,9", 1, 5, 42},
    };
    for (const ReferenceCase& c : cases) {
        const CellReference r = ParseReference(book.wb, c.text);
        EXPECT_EQ(r.sheet, c.sheet) << c.text;
        EXPECT_EQ(r.col, c.col) << c.text;
        EXPECT_EQ(r.row, c.row) << c.text;
    }
    for (const char* bad : {"", "E", "42", "E4x", "E-4", "$E$4", "A!B!C5", "x,5", "3,4,5", "-1,4,5",
                            "ZZZZZZZZZZZZZZZZZZZZ1", "E99999999999999999999"})
        EXPECT_THROW(ParseReference(book.wb, bad), FormulaError) << bad;
}

struct RoundCase {
    const char* text;
    const char* rounded;
};

TEST(RoundAmountText, RoundsHalvesAwayFromZero) {
    const std::vector<RoundCase> cases = {
        {"1234,49", "1234,00"},    {"1234,5", "1235,00"}, {"1234,50", "1235,00"},  {"1234", "1234,00"},
        {" 1 234,99 ", "1235,00"}, {"0,5", "1,00"},       {"-1234,5", "-1235,00"}, {"-1234,49", "-1234,00"},
        {"-0,5", "-1,00"},         {"-0,49", "0,00"},     {"12,345", "12,00"},     {"12,", "12,00"},
    };
    for (const RoundCase& c : cases) EXPECT_EQ(RoundAmountText(c.text), c.rounded) << c.text;
    for (const char* bad : {"", "\u2013", "###", "abc", "12,a5", ",5", "-", "99999999999999999999,5"})
        EXPECT_THROW(RoundAmountText(bad), FormulaError) << bad;
}

}  // namespace
}  // namespace spf::test
