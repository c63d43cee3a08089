// The form in which a formula is handed to a spreadsheet file: plain cell
// addresses and the general data written in.
#pragma once

#include <string>
#include <string_view>

#include "model/dates.h"
#include "model/workbook.h"

namespace spf {

std::string FormulaForExport(const Workbook& workbook, const Clock& clock, std::string_view formula);

}  // namespace spf
