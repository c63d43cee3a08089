// Reads a template source into its meaningful lines: comments and blank
// lines dropped, lines ending in a backslash joined with the next one.
#pragma once

#include <string>
#include <vector>

namespace spf::tmpl {

struct SourceLine {
    int number = 0;  // 1-based line of the file where the line starts
    std::string text;
};

std::vector<SourceLine> ReadSourceLines(const std::string& path);

// Splits at spaces, keeping "quoted texts" (without their quotes) as one token.
std::vector<std::string> SplitTokens(const std::string& text);

// Splits at the separator, trimming each piece.
std::vector<std::string> SplitTrimmed(const std::string& text, const std::string& separator);

}  // namespace spf::tmpl
