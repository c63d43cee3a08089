// What a document must satisfy to be read back: the reader refuses a file
// that breaks these rules, and saving refuses a workbook that does, so that
// the program never writes a document it cannot open.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/grid.h"
#include "model/workbook.h"

namespace spf {

// Letters, digits and "_", not beginning with a digit.
bool IsSheetName(std::string_view name);
// The name a GridName value gives its sheet: without a leading "Grid_".
std::string SheetNameAsRead(std::string_view gridName);
// The merge rectangle lies inside the sheet's content cells.
bool MergedBlockInside(const TCellProps& props, const Grid& grid);

// Why the reader would refuse the workbook once written, or nothing.
std::optional<std::string> UnwritableReason(const Workbook& workbook);

}  // namespace spf
