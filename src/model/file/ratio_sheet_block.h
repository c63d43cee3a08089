// The built-in AF_Wskazniki sheet block, in file lines (UTF-8). The reader
// appends it to every document, replacing whatever copy the file carried.
#pragma once

#include <string>
#include <vector>

namespace spf {

// The headings of the two year columns show year and year - 1.
std::vector<std::string> RatioSheetBlockLines(int year);

}  // namespace spf
