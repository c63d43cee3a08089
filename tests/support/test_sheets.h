// Adding sheets to workbooks that tests build in code.
#pragma once

#include <string>

#include "model/workbook.h"

namespace spf::test {

// Appends a sheet of the given size (header column and row included) with
// cells as a new grid has them; returns it for further shaping.
TSheet& AddSheet(Workbook& workbook, const std::string& name, int columns, int rows);

}  // namespace spf::test
