// The column fit: the content columns share the grid's width within their
// own minimum and maximum widths.
#pragma once

#include <vector>

namespace spf {

// Space the fit leaves for the scroll bar and the frame.
inline constexpr int kFitReserve = 30;

// New widths of every column for a grid `gridWidth` pixels wide. Columns 0,
// 1 and the last one are the header and the two margins and keep their widths.
std::vector<int> FitColumnWidths(std::vector<int> widths, const std::vector<int>& minWidths,
                                 const std::vector<int>& maxWidths, int gridWidth);

}  // namespace spf
