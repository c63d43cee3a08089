// The enumerator of an indented cell, split off to be drawn in the indent area.
#include "workbench/core/indent_prefix.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace spf {
namespace {

struct SplitCase {
    const char* name;
    const char* text;
    bool merged;
    const char* prefix;
    const char* rest;
};

// Test listings show the case by its name.
void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class IndentSplitCases : public ::testing::TestWithParam<SplitCase> {};

TEST_P(IndentSplitCases, PrefixAndRest) {
    const SplitCase& c = GetParam();
    const IndentSplit split = SplitIndentPrefix(c.text, c.merged);
    EXPECT_EQ(split.prefix, c.prefix);
    EXPECT_EQ(split.text, c.rest);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IndentSplitCases,
    ::testing::Values(SplitCase{"LetterAndFullStop", "  a. Zapasy ", false, "a.", "Zapasy"},
                      SplitCase{"RomanNumeral", "IV. Należności", false, "IV.", "Należności"},
                      SplitCase{"HyphenEnumerator", "- inne", false, "-", "inne"},
                      SplitCase{"EnDashAlone", "–", false, "–", ""},
                      SplitCase{"HyphenAloneBecomesADash", "-", true, "–", ""},
                      SplitCase{"WordKeptTogether", "Razem aktywa", false, "", "Razem aktywa"},
                      SplitCase{"WordSplitInABlock", "Razem aktywa", true, "Razem", "aktywa"},
                      SplitCase{"FiveLettersCountedAsCharacters", "ąęćół) x", false, "", "ąęćół) x"},
                      SplitCase{"FiveCharactersWithAccents", "ąęćó) x", false, "ąęćó)", "x"},
                      SplitCase{"NoSpace", "Aktywa", true, "", "Aktywa"}),
    [](const ::testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace spf
