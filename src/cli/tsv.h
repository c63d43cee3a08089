// Tab-separated output: inside a field backslash, tab, CR and LF are written
// as \\, \t, \r and \n, so every record stays on one line.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace spf::cli {

std::string TsvEscape(std::string_view field);

// One line of escaped fields joined by tabs.
void WriteTsvLine(std::ostream& out, const std::vector<std::string>& fields);

}  // namespace spf::cli
