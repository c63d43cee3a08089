// The export of the workbook to an .xlsx file: one worksheet per sheet, cell
// by cell, with the sheet's look, and either the amounts' formulas or only
// the values the program shows.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "export/export_progress.h"
#include "model/dates.h"
#include "model/workbook.h"

namespace spf {

struct XlsxExportOptions {
    // Formulas for the amounts the spreadsheet can compute alike; values otherwise.
    bool formulas = false;
    // Indices of the sheets to export, in any order; empty: every sheet.
    // The worksheets always follow the workbook's order.
    std::vector<int> sheets;
    ProgressCallback progress;
    std::function<WallClock::time_point()> now = [] { return WallClock::now(); };
};

// Writes the workbook (recalculated by the caller) to path through a
// temporary file beside it, so that a failure leaves path as it was and no
// file behind. Returns the reason of a failure, naming the file.
std::optional<std::string> ExportXlsx(const Workbook& workbook, const Clock& clock, const std::string& path,
                                      const XlsxExportOptions& options);

}  // namespace spf
