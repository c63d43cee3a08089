// The text a cell shows, prints and exports, with the period placeholders replaced.
#pragma once

#include <string>

#include "model/workbook.h"

namespace spf {

// "{ROKA}", "{KONIECOKRESU}" and "{KONIECOKRESUSHORT}" replaced for the
// workbook's period and language.
std::string ReplacePlaceholders(const Workbook& workbook, std::string text);

std::string CellDisplayText(const Workbook& workbook, const Grid& grid, int col, int row);

}  // namespace spf
