// Amounts as accountants type and paste them, read exactly to the grosz.
#include "model/typed_amount.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace spf {
namespace {

struct ReadCase {
    std::string typed;
    int64_t hundredths;
};

const std::string kNbsp = "\u00A0", kNarrow = "\u202F", kThin = "\u2009";

TEST(ReadTypedAmount, ReadsTheFormsAccountantsPaste) {
    const ReadCase cases[] = {
        // What the rule always read.
        {"1 234,5", 123450},
        {"1234.5", 123450},
        {"1.234.567.89", 123456789},  // the last dot is the decimal point
        {"12.5", 1250},
        {"1.5", 150},
        {"1.234", 123},  // a single dot stays the decimal point, ambiguous as it is
        {"-0,05", -5},
        {"+7", 700},
        {",5", 50},
        {"5,", 500},
        {"1,5E3", 150000},
        {"1.5e-1", 15},
        {"0,0", 0},
        {"-0,001", 0},
        // Thousands groups with dots before a decimal comma, or alone.
        {"1.234.567,89", 123456789},
        {"1.234,5", 123450},
        {"-1.234,50", -123450},
        {"1.234.567", 123456700},
        // Spaces of every kind between the groups.
        {"1" + kNbsp + "234" + kNbsp + "567,89", 123456789},
        {"1" + kNarrow + "234,00", 123400},
        {"1" + kThin + "234,00", 123400},
        {kNbsp + "12,00 ", 1200},
        // Negative amounts as statements print them.
        {"(1 234,00)", -123400},
        {"1234,00-", -123400},
        {"\u22121 234,00", -123400},
        // The currency before or after, inside or outside the parentheses.
        {"1 234,00 zł", 123400},
        {"1234,00zł", 123400},
        {"PLN 1 234,00", 123400},
        {"-5,00 ZŁ", -500},
        {"zł -5", -500},
        {"(1 234,00 zł)", -123400},
        {"(1.234,00) PLN", -123400},
        {"1 234,00- zł", -123400},
    };
    for (const ReadCase& c : cases) EXPECT_EQ(ReadTypedAmount(c.typed), c.hundredths) << c.typed;
}

TEST(ReadTypedAmount, RoundsTheDigitsToTheGroszHalvesToEven) {
    const ReadCase cases[] = {
        {"1,015", 102},      {"0,125", 12},         {"0,135", 14},     {"0,145", 14},
        {"2,675", 268},      {"0,005", 0},          {"0,015", 2},      {"1,0149999", 101},
        {"0,1250001", 13},   {"0,12500000000", 12}, {"-1,015", -102},  {"-0,125", -12},
        {"-0,135", -14},     {"-2,675", -268},      {"(0,135)", -14},  {"1.015", 102},
        {"1,0155E0", 102},   {"10,15E-1", 102},     {"0,00125E2", 12}, {"0,9999", 100},
        {"999,995", 100000}, {"0,0049999E0", 0},    {"1E-400", 0},     {"0E999999999999999999999", 0},
    };
    for (const ReadCase& c : cases) EXPECT_EQ(ReadTypedAmount(c.typed), c.hundredths) << c.typed;
}

TEST(ReadTypedAmount, KeepsEveryDigitOfLargeAmounts) {
    const ReadCase cases[] = {
        {"90 000 000 000 000,00", 9'000'000'000'000'000},
        {"-90.000.000.000.000,01", -9'000'000'000'000'001},
        {"89999999999999,99", 8'999'999'999'999'999},
        {"92233720368547758,07", INT64_MAX},
        {"-92233720368547758,07", -INT64_MAX},
        {"9,2233720368547758074E16", INT64_MAX},
    };
    for (const ReadCase& c : cases) EXPECT_EQ(ReadTypedAmount(c.typed), c.hundredths) << c.typed;
}

TEST(ReadTypedAmount, RefusesWhatIsNotAnAmount) {
    const char* const cases[] = {
        "", " ", "abc", "-", "+", ",", ".", "12,3450,00", "1,2,3", "12a", "a12", "--5", "+-5", "-5-", "(-5)",
        "-(5)", "(5", "5)", "()", "zł", "zł zł 5", "5 PLN zł", "1E", "E5", "1E+", "1,5E3,0", "1.234,5.6",
        "12.34,5",   // dots that are not thousands groups before a comma
        "1,234.56",  // the English grouping is not guessed at
        "0.123,45", "1 234,50 EUR", "\u20135",
        // Beyond 64-bit hundredths.
        "92233720368547758,08", "-92233720368547758,08", "1E400", "99999999999999999999",
        "92233720368547758,075",  // rounds up past the largest amount
    };
    for (const char* text : cases) EXPECT_EQ(ReadTypedAmount(text), std::nullopt) << text;
}

TEST(IsBlankAmountText, OnlySpacesOfEveryKind) {
    EXPECT_TRUE(IsBlankAmountText(""));
    EXPECT_TRUE(IsBlankAmountText(" \t" + kNbsp + kNarrow + kThin));
    EXPECT_FALSE(IsBlankAmountText(" 0 "));
    EXPECT_FALSE(IsBlankAmountText(kNbsp + "-"));
}

}  // namespace
}  // namespace spf
