// Reading a workbook's figures for the consistency check: rows found by their
// caption, so rows the user inserted do not move what is compared, and the
// amount a cell holds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace spf {

class Workbook;
class Grid;
struct Cell;

// The Polish caption of column 2 (Text1, else the grid text), trimmed.
std::string_view Caption(const Grid& grid, int row);

// The first row from `from` on whose caption starts with the prefix; -1 when none.
int RowStartingWith(const Grid& grid, std::string_view prefix, int from = 1);

// The value of a cell in hundredths, as kept in Val; nothing when it is no number.
std::optional<double> HundredthsIn(const Cell& cell);

// The same rounded to the grosz; nothing outside the sheet, for a non-number.
std::optional<int64_t> AmountAt(const Grid& grid, int col, int row);

}  // namespace spf
