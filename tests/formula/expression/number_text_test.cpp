// The text of doubles: 15 significant digits, decimal comma, fixed or
// scientific by magnitude, whole amounts up to 2^53 in full.
#include "formula/expression/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "formula/expression/parser.h"

namespace spf::expr {
namespace {

TEST(NumberText, ShortestFormWithAtMost15DigitsOrEveryWholeDigit) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {1.0, "1"},
        {-3.5, "-3,5"},
        {3.5, "3,5"},
        {0.1 + 0.2, "0,3"},
        {1.0 / 3, "0,333333333333333"},
        {2.0 / 3, "0,666666666666667"},
        {100.0, "100"},
        {123456.789, "123456,789"},
        {0.0001, "0,0001"},
        {0.00012345, "0,00012345"},
        {0.00009999, "9,999E-5"},
        {1.5e-7, "1,5E-7"},
        {1e-300, "1E-300"},
        {999999999999999.0, "999999999999999"},
        // Below 2^53 every digit of the integer part is written: fifteen
        // significant digits would round away the units of a 16-digit amount.
        {1e15, "1000000000000000"},
        {1234567890123456.0, "1234567890123456"},
        {-1999999999999998.0, "-1999999999999998"},
        {9007199254740991.0, "9007199254740991"},
        {1e15 + 0.5, "1000000000000000,5"},
        {999999999999999.9, "999999999999999,875"},  // the double nearest to it, exactly
        {9007199254740992.0, "9,00719925474099E15"},
        {1e20, "1E20"},
        {-1.5e20, "-1,5E20"},
        {0.99999999999999999, "1"},
        {0.000099999999999999999, "0,0001"},
        {std::numeric_limits<double>::max(), "1,79769313486232E308"},
        {std::numeric_limits<double>::denorm_min(), "4,94065645841247E-324"},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberText(c.value), c.text) << c.value;
}

TEST(NumberText, IntegerTextHasNoGrouping) {
    EXPECT_EQ(IntegerText(0), "0");
    EXPECT_EQ(IntegerText(-1234567), "-1234567");
    EXPECT_EQ(IntegerText(std::numeric_limits<int64_t>::min()), "-9223372036854775808");
}

// The process locale must change neither the comma of number texts nor the
// "." of Float literals.
TEST(NumberText, IndependentOfTheProcessLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    bool found = false;
    for (const char* name : {"pl_PL.UTF-8", "pl_PL.utf8", "de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_ALL, name)) {
            found = true;
            break;
        }
    }
    if (!found) GTEST_SKIP() << "no locale with a decimal comma installed";
    const std::string fromFloat = NumberText(2.5);
    const std::string fromLiteral = ParseExpression("1.25 * 2")->StringValue();
    const std::string fromCast = ParseExpression("FLOAT('0.75')")->StringValue();
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(fromFloat, "2,5");
    EXPECT_EQ(fromLiteral, "2,5");
    EXPECT_EQ(fromCast, "0,75");
}

}  // namespace
}  // namespace spf::expr
