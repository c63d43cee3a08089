// Parses and reads a formula text the way the program does (type, then the
// text of the root) and describes what came out as one comparable string.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "formula/expression/engine.h"

namespace spf::expr::test {

// "Integer 7", "Float 3,5" ... on success; on failure the failure's kind
// ("error", "arith", "convert") and its message: "error Syntax error".
inline std::string Outcome(std::string_view text, const IdentifierResolver& resolver = {}) {
    try {
        const ValueRef root = ParseExpression(text, resolver);
        const ValueType type = root->ResultType();
        return std::string(TypeName(type)) + " " + root->StringValue();
    } catch (const EExpression& e) {
        return std::string("error ") + e.what();
    } catch (const EArithmetic& e) {
        return std::string("arith ") + e.what();
    } catch (const EConvertError& e) {
        return std::string("convert ") + e.what();
    }
}

struct OutcomeCase {
    std::string text;
    std::string expected;
};

// Expects every text of the table to come out as its row says.
inline void ExpectOutcomes(const std::vector<OutcomeCase>& cases, const IdentifierResolver& resolver = {}) {
    for (const auto& c : cases) EXPECT_EQ(Outcome(c.text, resolver), c.expected) << "formula: " << c.text;
}

}  // namespace spf::expr::test
