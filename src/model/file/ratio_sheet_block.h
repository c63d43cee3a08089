// The built-in AF_Wskazniki sheet block, in file lines (UTF-8). The reader
// appends it to every document, replacing whatever copy the file carried.
#pragma once

#include <string>
#include <vector>

namespace spf {

const std::vector<std::string>& RatioSheetBlockLines();

}  // namespace spf
