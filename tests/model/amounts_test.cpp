#include "model/amounts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace spf {
namespace {

struct AmountCase {
    const char* typed;
    const char* text;  // expected grid text, "" when refused
    const char* val;   // expected Val afterwards
};

TEST(FormatujLiczbe, NormalisesTypedAmounts) {
    const AmountCase cases[] = {
        {"1 234,5", "1234,50", "123450"},
        {"1.234.567.89", "1234567,89", "123456789"},
        {"12.5", "12,50", "1250"},
        {"-0,05", "-0,05", "-5"},
        {"0,125", "0,12", "12"},  // halves go to the even hundredth
        {"0,135", "0,14", "14"},
        {"1,015", "1,02", "102"},  // the digits as typed, not their binary neighbour
        {"-1,015", "-1,02", "-102"},
        {"1.234.567,89", "1234567,89", "123456789"},
        {"(1 234,00 zł)", "-1234,00", "-123400"},
        {"90 000 000 000 000,00", "90000000000000,00", "9000000000000000"},
        {"-0,001", "0,00", "0"},
        {"1,5E3", "1500,00", "150000"},
        {"+7", "7,00", "700"},
        {"abc", "", "old"},
        {"", "", "old"},
        {"1,2,3", "", "old"},
    };
    for (const auto& c : cases) {
        Grid g;
        g.SetColumns(5);
        g.SetRows(5);
        g.At(3, 3).Cells = c.typed;
        g.At(3, 3).EnsureProps().Val = "old";
        FormatujLiczbe(g, 3, 3);
        EXPECT_EQ(g.At(3, 3).Cells, c.text) << c.typed;
        EXPECT_EQ(g.At(3, 3).Props->Val, c.val) << c.typed;
    }
}

TEST(FormatujLiczbe, TellsWhatItMadeOfTheText) {
    const std::pair<const char*, AmountReading> cases[] = {
        {"(1.234,50 zł)", AmountReading::Amount},
        {"0", AmountReading::Amount},
        {"", AmountReading::Blank},
        {" \u00A0 ", AmountReading::Blank},
        {"abc", AmountReading::NotAnAmount},
        {"12,3450,00", AmountReading::NotAnAmount},
    };
    for (const auto& [typed, reading] : cases) {
        Grid g;
        g.SetColumns(5);
        g.SetRows(5);
        g.At(3, 3).Cells = typed;
        EXPECT_EQ(FormatujLiczbe(g, 3, 3), reading) << typed;
    }
    Grid g;
    g.SetColumns(5);
    g.SetRows(5);
    EXPECT_EQ(FormatujLiczbe(g, 1, 3), AmountReading::Untouched);
    EXPECT_EQ(FormatujLiczbe(g, 3, 1), AmountReading::Untouched);
    EXPECT_EQ(FormatujLiczbe(g, 9, 9), AmountReading::Untouched);
}

TEST(FormatujLiczbe, LeavesMarginColumnAndFirstRowAlone) {
    Grid g;
    g.SetColumns(5);
    g.SetRows(5);
    g.At(1, 3).Cells = "1 234,5";
    g.At(3, 1).Cells = "1 234,5";
    FormatujLiczbe(g, 1, 3);
    FormatujLiczbe(g, 3, 1);
    EXPECT_EQ(g.At(1, 3).Cells, "1 234,5");
    EXPECT_EQ(g.At(3, 1).Cells, "1 234,5");
}

TEST(DodajSeparator, GroupsThousands) {
    const std::pair<const char*, const char*> cases[] = {
        {"1234567,89", "1 234 567,89"},
        {"999,99", "999,99"},
        {"-123456,78", "- 123 456,78"},  // the sign counts as a digit position
        {"  1234,56 ", "1 234,56"},
        {"1234567", "1 234 567 "},
        {"–", "–"},
        {"123456789012,00", "123 456 789 012,00"},
        {"90000000000000,00", "90 000 000 000 000,00"},
        {"-90000000000000,01", "-90 000 000 000 000,01"},
        {"-900000000000,00", "- 900 000 000 000,00"},
        {"-92233720368547758,07", "-92 233 720 368 547 758,07"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(DodajSeparator(in), out) << in;
}

TEST(FormatHundredths, WritesEveryDigitOfTheLargestAmounts) {
    const std::pair<int64_t, const char*> cases[] = {
        {9'000'000'000'000'000, "90000000000000,00"},
        {-9'000'000'000'000'001, "-90000000000000,01"},
        {INT64_MAX, "92233720368547758,07"},
        {INT64_MIN, "-92233720368547758,08"},
        {-1, "-0,01"},
    };
    for (const auto& [hundredths, text] : cases) EXPECT_EQ(FormatHundredths(hundredths), text) << hundredths;
}

}  // namespace
}  // namespace spf
