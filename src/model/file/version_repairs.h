// Corrections of formulas that versions before 130 wrote wrongly.
#pragma once

#include <string>
#include <string_view>

namespace spf {

// Repairs one (already rewritten) line of a file older than 130, read in
// the given sheet at the current cell. Returns whether the line changed.
bool ApplyVersionRepairs(std::string_view sheet, int col, int row, std::string& line);

}  // namespace spf
