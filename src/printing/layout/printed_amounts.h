// How amounts look on paper: digit groups, and optionally whole zloty.
#pragma once

#include <string>
#include <string_view>

namespace spf::print {

// Groups of three digits separated by spaces: 1234567,89 -> "1 234 567,89";
// a minus sign counts as a group of its own ("- 123,45"), as on the screen.
std::string GroupThousands(std::string_view text);

// An amount with two decimals rounded to whole zloty, halves away from zero:
// "1234,56" -> "1235", "-0,70" -> "-1". Other texts are only trimmed.
std::string WholeZloty(std::string_view text);

// The printed text of an amount cell (formats 1 and 2): ",00" added to a
// whole number, "0,00" for an empty cell, dashes kept, then rounding when
// printing whole zloty and the digit groups.
std::string PrintedAmount(std::string_view text, bool wholeZloty);

}  // namespace spf::print
