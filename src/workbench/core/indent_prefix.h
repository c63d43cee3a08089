// The enumerator of an indented cell ("a)", "1.", "–") that is drawn
// right-aligned in the indent area, apart from the rest of the text.
#pragma once

#include <string>
#include <string_view>

namespace spf {

// Pixels of one indent level on screen.
inline constexpr int kIndentStep = 20;

struct IndentSplit {
    std::string prefix;  // drawn right-aligned in the indent area; empty: none
    std::string text;    // drawn after the indent area
};

// Single cells move a short first word there only when it is a dash or ends
// with "." or ")"; merged blocks move any first word of up to five characters.
IndentSplit SplitIndentPrefix(std::string_view text, bool mergedBlock);

}  // namespace spf
