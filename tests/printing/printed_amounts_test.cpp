// The print form of amounts: digit groups, whole zloty, and the texts an
// amount cell prints.
#include "printing/layout/printed_amounts.h"

#include <gtest/gtest.h>

namespace spf::print {
namespace {

struct TextCase {
    const char* in;
    const char* out;
};

TEST(PrintedAmounts, GroupThousands) {
    for (const TextCase& c : {
             TextCase{"1234567,89", "1 234 567,89"},
             TextCase{"1234", "1 234"},
             TextCase{"12,50", "12,50"},
             TextCase{"123", "123"},
             TextCase{"  999999999999,99 ", "999 999 999 999,99"},
             TextCase{"-123,45", "- 123,45"},  // the minus sign counts as a group
             TextCase{"-1234,45", "-1 234,45"},
             TextCase{"\xE2\x80\x93", "\xE2\x80\x93"},
             TextCase{"", ""},
         })
        EXPECT_EQ(GroupThousands(c.in), c.out) << c.in;
}

TEST(PrintedAmounts, WholeZlotyRoundsHalvesAwayFromZero) {
    for (const TextCase& c : {
             TextCase{"1234,49", "1234"},
             TextCase{"1234,50", "1235"},
             TextCase{"1234,56", "1235"},
             TextCase{"-1234,56", "-1235"},
             TextCase{"-0,70", "-1"},
             TextCase{"-0,30", "0"},  // no sign on zero
             TextCase{"0,00", "0"},
             TextCase{"1 234,99", "1235"},
             TextCase{"999999999999,99", "1000000000000"},
             // Anything but an amount with two decimals is left as it is.
             TextCase{"1234,5", "1234,5"},
             TextCase{"1234", "1234"},
             TextCase{"\xE2\x80\x93", "\xE2\x80\x93"},
             TextCase{"ab,cd", "ab,cd"},
             TextCase{"12,3x", "12,3x"},
         })
        EXPECT_EQ(WholeZloty(c.in), c.out) << c.in;
}

TEST(PrintedAmounts, AmountCellText) {
    struct Case {
        const char* in;
        bool wholeZloty;
        const char* out;
    };
    for (const Case& c : {
             Case{"1234", false, "1 234,00"},
             Case{"", false, "0,00"},
             Case{"  ", true, "0"},
             Case{"\xE2\x80\x93", false, "\xE2\x80\x93"},
             Case{"-", true, "-"},
             Case{"1234,49", true, "1 234"},
             Case{"1234,50", true, "1 235"},
             Case{"-0,70", true, "-1"},
             Case{"-0,30", true, "0"},
             Case{"-1234567,50", true, "-1 234 568"},
         })
        EXPECT_EQ(PrintedAmount(c.in, c.wholeZloty), c.out) << c.in << ' ' << c.wholeZloty;
}

}  // namespace
}  // namespace spf::print
