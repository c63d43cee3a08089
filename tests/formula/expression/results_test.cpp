// Formula texts that read successfully: the exact result type and text.
#include <gtest/gtest.h>

#include "outcome.h"

namespace spf::expr::test {
namespace {

TEST(ExpressionResults, ArithmeticAndPrecedence) {
    ExpectOutcomes({
        {"1+2*3", "Integer 7"},
        {"(1+2)*3", "Integer 9"},
        {"10-4-3", "Integer 3"},
        {"100/10/5", "Float 2"},
        {"7/2", "Float 3,5"},
        {"6/2", "Float 3"},
        {"7 DIV 2", "Integer 3"},
        {"-7 DIV 2", "Integer -3"},
        {"-7 MOD 2", "Integer -1"},
        {"7 mod -2", "Integer 1"},
        {"1 + 2.5", "Float 3,5"},
        {"0.1+0.2", "Float 0,3"},
        {"2^3", "Float 8"},
        {"2^3^2", "Float 64"},
        {"2+3*4^2", "Float 50"},
        {"2^0.5", "Float 1,41421356237309"},  // through ln and exp, one digit off sqrt(2)
        {"-2.5", "Float -2,5"},
        {"--3", "Integer 3"},
        {"+-+1", "Integer -1"},
        {"NOT 1", "Integer -2"},
        {"NOT 0 = -1", "Boolean TRUE"},  // unary binds tighter than "="
        {"  1 +\t2\n ", "Integer 3"},
        {"TRUE + 1", "Integer 2"},
        {"TRUE + 1.5", "Float 2,5"},
    });
}

TEST(ExpressionResults, IntegerBitsShiftsAndWrapping) {
    ExpectOutcomes({
        {"5 AND 3", "Integer 1"},
        {"5 or 3", "Integer 7"},
        {"5 Xor 3", "Integer 6"},
        {"1AND 3", "Integer 1"},
        {"1 SHL 4", "Integer 16"},
        {"1 SHL 63", "Integer -9223372036854775808"},
        {"1 SHL 64", "Integer 0"},
        {"1 SHL 127", "Integer 0"},
        {"1 SHL 200", "Integer 0"},
        {"1 SHL -1", "Integer 0"},
        {"-1 SHR 60", "Integer 15"},  // logical shift: no sign fill
        {"-1 SHR 64", "Integer 0"},
        {"9223372036854775807 + 1", "Integer -9223372036854775808"},
        {"-9223372036854775807 - 2", "Integer 9223372036854775807"},
        {"4611686018427387904 * 4", "Integer 0"},
        {"(-9223372036854775807 - 1) DIV -1", "Integer -9223372036854775808"},
        {"(-9223372036854775807 - 1) MOD -1", "Integer 0"},
        {"-(-9223372036854775807 - 1)", "Integer -9223372036854775808"},
    });
}

TEST(ExpressionResults, BooleansAndComparisons) {
    ExpectOutcomes({
        {"true", "Boolean TRUE"},
        {"True", "Boolean TRUE"},
        {"NOT TRUE", "Boolean FALSE"},
        {"TRUE AND NOT FALSE", "Boolean TRUE"},
        {"TRUE XOR TRUE", "Boolean FALSE"},
        {"FALSE OR TRUE", "Boolean TRUE"},
        {"FALSE AND (1/0>0)", "Boolean FALSE"},  // the right side is never read
        {"TRUE OR (1/0>0)", "Boolean TRUE"},
        {"TRUE = TRUE", "Boolean TRUE"},
        {"TRUE <> FALSE", "Boolean TRUE"},
        {"TRUE = 1", "Boolean TRUE"},
        {"1 = 1.0", "Boolean TRUE"},
        {"0.1 + 0.2 = 0.3", "Boolean FALSE"},  // equality of doubles is exact
        {"2 >= 2", "Boolean TRUE"},
        {"2 <= 1", "Boolean FALSE"},
        {"1 <> 1", "Boolean FALSE"},
        {"-1 < 0", "Boolean TRUE"},
        {"1 = 1 = TRUE", "Boolean TRUE"},
        {"1 < 2 < 3", "Boolean TRUE"},  // (1<2) is TRUE, read as the Integer 1
        {"'10' < 9", "Boolean TRUE"},   // compared as texts
        {"'a' < 'b'", "Boolean TRUE"},
        {"'a' < 'B'", "Boolean FALSE"},  // byte-wise, case-sensitive
        {"'ą' > 'z'", "Boolean TRUE"},
        {"'ab' = 'ab'", "Boolean TRUE"},
    });
}

TEST(ExpressionResults, StringsAndLiterals) {
    ExpectOutcomes({
        {"'ab'+1", "String ab1"},
        {"'x' + 1.5 + TRUE", "String x1,5TRUE"},
        {"'it''s'", "String it's"},
        {"''''", "String '"},
        {"''", "String "},
        {"'żółw'", "String żółw"},
        {"$FF", "Integer 255"},
        {"$ff", "Integer 255"},
        {"$7FFFFFFF", "Integer 2147483647"},
        {"$80000000", "Integer -2147483648"},
        {"$FFFFFFFF", "Integer -1"},
        {"$000000001", "Integer 1"},
        {"1e-3", "Float 0,001"},
        {"1E20", "Float 1E20"},
        {"1.5e-7", "Float 1,5E-7"},
        {"1.", "Float 1"},
        {"1e-400", "Float 0"},
        {"0.00000000000000000000000001", "Float 1E-26"},
        {"9223372036854775807", "Integer 9223372036854775807"},
    });
}

TEST(ExpressionResults, ConditionalEvaluatesOnlyTheChosenBranch) {
    ExpectOutcomes({
        {"IF(FALSE,1 DIV 0,2)", "Integer 2"},
        {"IF(TRUE,1,1 DIV 0)", "Integer 1"},
        {"if(1>0,'a','b')", "String a"},
        {"IF(TRUE,1.5,2.5)", "Float 1,5"},
        {"IF(1=2,TRUE,FALSE)", "Boolean FALSE"},
        {"IF(TRUE,IF(FALSE,1,2),3) * 10", "Integer 20"},
    });
}

TEST(ExpressionResults, MathFunctions) {
    ExpectOutcomes({
        {"ROUND(2.5)", "Integer 2"},
        {"ROUND(3.5)", "Integer 4"},
        {"ROUND(-2.5)", "Integer -2"},
        {"ROUND(-3.5)", "Integer -4"},
        {"ROUND(2.4999)", "Integer 2"},
        {"ROUND(7)", "Integer 7"},
        {"TRUNC(-1.7)", "Integer -1"},
        {"TRUNC(1.7)", "Integer 1"},
        {"INT(-1.7)", "Float -1"},
        {"FRAC(-1.75)", "Float -0,75"},
        {"ABS(-3)", "Float 3"},
        {"SQR(3)", "Float 9"},
        {"SQRT(16)", "Float 4"},
        {"LN(1)", "Float 0"},
        {"EXP(0)", "Float 1"},
        {"POWER(2,10)", "Float 1024"},
        {"ARCTAN(1)*4", "Float 3,14159265358979"},
        {"PI", "Float 3,14159265358979"},
        {"PI(1,2)", "Float 3,14159265358979"},
        {"PI('x')", "Float 3,14159265358979"},
        {"COS(0)", "Float 1"},
        {"SIN(TRUE)", "Float 0,841470984807897"},
        {"COS(1e19)", "Float 0"},
        {"SIN(-1e19)", "Float 0"},
    });
}

TEST(ExpressionResults, StringFunctionsCountCharactersNotBytes) {
    ExpectOutcomes({
        {"COPY('abcdef',2,3)", "String bcd"},
        {"COPY('abc',0,2)", "String ab"},
        {"COPY('abc',-5,2)", "String ab"},
        {"COPY('abc',2,100)", "String bc"},
        {"COPY('abc',2,9223372036854775807)", "String bc"},
        {"COPY('abc',4,1)", "String "},
        {"COPY('abc',1,0)", "String "},
        {"COPY('zażółć',3,3)", "String żół"},
        {"POS('b','abc')", "Integer 2"},
        {"POS('x','abc')", "Integer 0"},
        {"POS('','abc')", "Integer 0"},
        {"POS('ł','żółw')", "Integer 3"},
        {"LENGTH('żółw')", "Integer 4"},
        {"LENGTH('')", "Integer 0"},
        {"LENGTH(12.5)", "Integer 4"},
        {"UPPER('ąbc')", "String ąBC"},
        {"LOWER('ABC Ż')", "String abc Ż"},
        {"UPPER(TRUE)", "String TRUE"},
    });
}

TEST(ExpressionResults, TypeCasts) {
    ExpectOutcomes({
        {"STRING(1.5)", "String 1,5"},
        {"STRING(TRUE)", "String TRUE"},
        {"STRING(7) + 1", "String 71"},
        {"FLOAT('  2.5')", "Float 2,5"},
        {"FLOAT('-1e3')", "Float -1000"},
        {"FLOAT('.5')", "Float 0,5"},
        {"FLOAT(3)", "Float 3"},
        {"INTEGER('42')", "Integer 42"},
        {"INTEGER(' -42')", "Integer -42"},
        {"INTEGER('$10')", "Integer 16"},
        {"INTEGER('-9223372036854775808')", "Integer -9223372036854775808"},
        {"INTEGER(-2.9)", "Integer -2"},
        {"INTEGER(TRUE)", "Integer 1"},
        {"BOOLEAN('true')", "Boolean TRUE"},
        {"BOOLEAN('False')", "Boolean FALSE"},
        {"BOOLEAN(0.5)", "Boolean TRUE"},
        {"BOOLEAN(1e-31)", "Boolean FALSE"},
        {"BOOLEAN(0)", "Boolean FALSE"},
        {"BOOLEAN(-3)", "Boolean TRUE"},
    });
}

TEST(ExpressionResults, TextEndsAtNulCharacter) {
    EXPECT_EQ(Outcome(std::string_view("1+1\0 garbage", 12)), "Integer 2");
}

}  // namespace
}  // namespace spf::expr::test
