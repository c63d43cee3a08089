// Formula texts that fail: the kind of failure and its exact message.
#include <gtest/gtest.h>

#include "outcome.h"

namespace spf::expr::test {
namespace {

TEST(ExpressionFailures, Syntax) {
    ExpectOutcomes({
        {"", "error Unexpected end of factor"},
        {"   ", "error Unexpected end of factor"},
        {"1+", "error Unexpected end of factor"},
        {"SIN()", "error Unexpected end of factor"},
        {"IF(TRUE,,2)", "error Unexpected end of factor"},
        {"1 2", "error 2 not appropriate"},
        {"1)", "error ) not appropriate"},
        {"1,2", "error , not appropriate"},
        {"1 żółw", "error ż not appropriate"},
        {"1 NO 2", "error N not appropriate"},  // two-letter prefixes are not operators
        {"1 ANDX 2", "error A not appropriate"},
        {"(1", "error  ) expected"},
        {"((1)", "error  ) expected"},
        {"()", "error invalid sub-expression"},
        {"( )", "error invalid sub-expression"},
        {"1+*2", "error opMult not allowed here"},
        {"2 * / 3", "error opDivide not allowed here"},
        {"<1", "error opLT not allowed here"},
        {"<>1", "error opNEq not allowed here"},
        {"= 1", "error opEq not allowed here"},
        {"AND 1", "error opAnd not allowed here"},
        {"1 + div 2", "error opDiv not allowed here"},
        {"^2", "error opExp not allowed here"},
        {"#", "error Syntax error"},
        {"1 + ;", "error Syntax error"},
        {"\"a\"", "error Syntax error"},
        {"f(1", "error Incorrectly formed parameters"},
        {"IF(TRUE,1,2", "error Incorrectly formed parameters"},
        {"SIN(1 2)", "error Incorrectly formed parameters"},
        {"foo", "error Unknown Identifier FOO"},
        {"Foo_1(1,2)", "error Unknown Identifier FOO_1"},
    });
}

TEST(ExpressionFailures, Literals) {
    const std::string longest(256, 'x');
    const std::string hexZeros(255, '0');
    ExpectOutcomes({
        {"1.2.3", "error Bad numeric format"},
        {"1e", "error Bad numeric format"},
        {"1e-", "error Bad numeric format"},
        {"1e+3", "error Bad numeric format"},
        {"1e5e2", "error Bad numeric format"},
        {"1e5.2", "error Bad numeric format"},
        {"12345678901234567890123456789", "error Bad numeric format"},  // 29 characters
        {"0.000000000000000000000000001", "error Bad numeric format"},
        {"1234567890123456789012345678", "convert Integer literal 1234567890123456789012345678 out of range"},
        {"9223372036854775808", "convert Integer literal 9223372036854775808 out of range"},
        {"1e400", "arith Floating point overflow"},
        {"'abc", "error Unterminated string"},
        {"'it''", "error Unterminated string"},
        {"'" + longest + "'", "String " + longest},
        {"'" + longest + "x'", "error String too long"},
        {"'" + longest + "x", "error String too long"},
        {"'" + std::string(128, 'x') + "''" + std::string(127, 'x') + "'",
         "String " + std::string(128, 'x') + "'" + std::string(127, 'x')},
        {"$", "error Invalid char in hex number"},
        {"$G", "error Invalid char in hex number"},
        {"$100000000", "error Invalid char in hex number"},
        {"$" + hexZeros + "1", "error Hex string too long"},
        {"$" + hexZeros, "Integer 0"},
    });
    // 256 two-byte characters are 256 characters, not 512.
    std::string polish;
    for (int i = 0; i < 256; ++i) polish += "ż";
    EXPECT_EQ(Outcome("'" + polish + "'"), "String " + polish);
    EXPECT_EQ(Outcome("'" + polish + "a'"), "error String too long");
}

TEST(ExpressionFailures, TypeRules) {
    ExpectOutcomes({
        {"'x'-1", "error Operator opMinus incompatible with String"},
        {"'a' * 2", "error Operator opMult incompatible with String"},
        {"('x'-1) + 1", "error Operator opMinus incompatible with String"},
        {"-'a'", "error Operator opMinus incompatible with String"},
        {"+'a'", "error Cannot read String as String"},
        {"NOT 'a'", "error Operator opNot incompatible with String"},
        {"1.5 DIV 2", "error Operator opDiv incompatible with Float"},
        {"7 MOD 2.0", "error Operator opMod incompatible with Float"},
        {"1.5 AND 1", "error Operator opAnd incompatible with Float"},
        {"NOT 1.5", "error Operator opNot incompatible with Float"},
        {"TRUE + TRUE", "error Operator opPlus incompatible with Boolean"},
        {"-TRUE", "error Operator opMinus incompatible with Boolean"},
        {"TRUE SHL FALSE", "error Operator opShl incompatible with Boolean"},
        {"TRUE < FALSE", "error cannot apply opLT to boolean operands"},
        {"TRUE >= TRUE", "error cannot apply opGTE to boolean operands"},
    });
}

TEST(ExpressionFailures, FunctionParameters) {
    ExpectOutcomes({
        {"IF(1>0,1,2.5)", "error IF options must be the same type"},
        {"IF(FALSE,1/0,2)", "error IF options must be the same type"},
        {"IF(1,2,3)", "error First parameter to If must be Boolean"},
        {"IF(TRUE,1)", "error IF must have 3 parameters"},
        {"IF(TRUE,1,2,3)", "error IF must have 3 parameters"},
        {"IF", "error IF must have 3 parameters"},
        {"IF(TRUE,'a'-1,'b')", "error Operator opMinus incompatible with String"},
        {"SIN('a')", "error Invalid parameters to SIN"},
        {"SIN", "error Invalid parameters to SIN"},
        {"sin(1,2)", "error Invalid parameters to SIN"},
        {"POWER(2)", "error Invalid parameters to POWER"},
        {"POWER(2,'a')", "error Invalid parameters to POWER"},
        {"COPY('abc',1,2.0)", "error Invalid parameters to COPY"},
        {"COPY('abc',TRUE,1)", "error Invalid parameters to COPY"},
        {"COPY('abc',1)", "error Invalid parameters to COPY"},
        {"POS('a')", "error Invalid parameters to POS"},
        {"LENGTH", "error Invalid parameters to LENGTH"},
        {"ENUMERATED(1)", "error Cannot cast to enumerated"},
        {"ENUMERATED", "error Cannot cast to enumerated"},
        {"STRING", "error Invalid parameters to typecast"},
        {"STRING(1,2)", "error Invalid parameters to typecast"},
        {"OBJECT(1)", "error Type Object is incompatible with type Integer"},
    });
}

TEST(ExpressionFailures, Conversions) {
    ExpectOutcomes({
        {"FLOAT('abc')", "error Cannot convert abc to float"},
        {"FLOAT('1.5x')", "error Cannot convert 1.5x to float"},
        {"FLOAT('1.5 ')", "error Cannot convert 1.5  to float"},
        {"FLOAT('1,5')", "error Cannot convert 1,5 to float"},
        {"FLOAT('inf')", "error Cannot convert inf to float"},
        {"FLOAT('nan')", "error Cannot convert nan to float"},
        {"FLOAT('1e999')", "error Cannot convert 1e999 to float"},
        {"FLOAT('')", "error Cannot convert  to float"},
        {"INTEGER('1.5')", "error Cannot convert 1.5 to integer"},
        {"INTEGER('9223372036854775808')", "error Cannot convert 9223372036854775808 to integer"},
        {"INTEGER('')", "error Cannot convert  to integer"},
        {"INTEGER('$')", "error Cannot convert $ to integer"},
        {"BOOLEAN('yes')", "error Cannot convert YES to Boolean"},
        {"BOOLEAN('')", "error Cannot convert  to Boolean"},
    });
}

// C++ arithmetic does not trap; every fault must still fail the read.
TEST(ExpressionFailures, ArithmeticFaults) {
    ExpectOutcomes({
        {"1/0", "arith Floating point division by zero"},
        {"-1/0.0", "arith Floating point division by zero"},
        {"0/0", "arith Invalid floating point operation"},
        {"0.0/0", "arith Invalid floating point operation"},
        {"1 DIV 0", "arith Division by zero"},
        {"1 MOD 0", "arith Division by zero"},
        {"0^2", "arith Invalid floating point operation"},
        {"(-2)^2", "arith Invalid floating point operation"},
        {"-2^2", "arith Invalid floating point operation"},  // the tree is (-2)^2
        {"POWER(0,1)", "arith Invalid floating point operation"},
        {"POWER(-8,3)", "arith Invalid floating point operation"},
        {"LN(0)", "arith Invalid floating point operation"},
        {"LN(-1)", "arith Invalid floating point operation"},
        {"SQRT(-1)", "arith Invalid floating point operation"},
        {"1e308*10", "arith Floating point overflow"},
        {"1e308+1e308", "arith Floating point overflow"},
        {"-1e308-1e308", "arith Floating point overflow"},
        {"1e308/1e-308", "arith Floating point overflow"},
        {"10^400", "arith Floating point overflow"},
        {"EXP(1000)", "arith Floating point overflow"},
        {"SQR(1e200)", "arith Floating point overflow"},
        {"TRUNC(1e19)", "arith Invalid floating point operation"},
        {"ROUND(-1e19)", "arith Invalid floating point operation"},
        {"INTEGER(1e30)", "arith Invalid floating point operation"},
        {"1 + 1/0 * 0", "arith Floating point division by zero"},
        {"IF(1/0 > 0, 1, 2)", "arith Floating point division by zero"},
        {"STRING(1 DIV 0)", "arith Division by zero"},
    });
}

TEST(ExpressionFailures, NestingIsBoundedInsteadOfExhaustingTheStack) {
    const auto nested = [](int n) { return std::string(n, '(') + "1" + std::string(n, ')'); };
    EXPECT_EQ(Outcome(nested(500)), "Integer 1");
    EXPECT_EQ(Outcome(nested(100000)), "error Expression too deeply nested");
    EXPECT_EQ(Outcome(std::string(100000, '-') + "1"), "error Expression too deeply nested");
    std::string chain = "1";
    for (int i = 0; i < 100000; ++i) chain += "+1";
    EXPECT_EQ(Outcome(chain), "error Expression too deeply nested");
    std::string calls;
    for (int i = 0; i < 100000; ++i) calls += "ABS(";
    EXPECT_EQ(Outcome(calls + "1" + std::string(100000, ')')), "error Expression too deeply nested");
    std::string shortChain = "1";
    for (int i = 0; i < 900; ++i) shortChain += "+1";
    EXPECT_EQ(Outcome(shortChain), "Integer 901");
}

}  // namespace
}  // namespace spf::expr::test
