// Any text, however broken, ends in a value or a failure: never a crash,
// never a failure of another kind than the engine's three.
#include <gtest/gtest.h>

#include <random>

#include "outcome.h"

namespace spf::expr::test {
namespace {

TEST(ExpressionRobustness, RandomTokenSoupReadsOrFails) {
    const std::vector<std::string> tokens = {"1",       "0",
                                             "2.5",     "1e308",
                                             "-",       "+",
                                             "*",       "/",
                                             "^",       "(",
                                             ")",       ",",
                                             "'a'",     "'",
                                             "$FF",     "$",
                                             "IF",      "SIN",
                                             "COPY",    "POS",
                                             "ROUND",   "TRUNC",
                                             "STRING",  "FLOAT",
                                             "INTEGER", "BOOLEAN",
                                             "OBJECT",  "AND",
                                             "OR",      "NOT",
                                             "DIV",     "MOD",
                                             "SHL",     "SHR",
                                             "XOR",     "=",
                                             "<",       ">",
                                             "<=",      ">=",
                                             "<>",      "TRUE",
                                             "FALSE",   " ",
                                             ".",       "9223372036854775807",
                                             "PI",      "X",
                                             "ż",       "\t",
                                             "e",       "LN",
                                             "POWER"};
    std::mt19937 random(20041231);
    std::uniform_int_distribution<size_t> pick(0, tokens.size() - 1);
    std::uniform_int_distribution<int> length(0, 14);
    int values = 0;
    for (int i = 0; i < 30000; ++i) {
        std::string text;
        for (int n = length(random); n > 0; --n) text += tokens[pick(random)];
        const std::string outcome = Outcome(text);
        ASSERT_FALSE(outcome.empty()) << text;
        if (outcome.rfind("error ", 0) != 0 && outcome.rfind("arith ", 0) != 0 &&
            outcome.rfind("convert ", 0) != 0) {
            ++values;
        }
    }
    EXPECT_GT(values, 100);  // the soup is not all syntax errors
}

}  // namespace
}  // namespace spf::expr::test
