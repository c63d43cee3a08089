// The reference inside RANGE('...'): Sheet!A1, A1, "c,r" or "h,c,r", where
// the sheet handle h is the sheet's index in the workbook.
#pragma once

#include <string>
#include <string_view>

#include "formula/sheet_index.h"
#include "formula/trace_sink.h"
#include "model/workbook.h"

namespace spf {

struct CellReference {
    int sheet = -1;  // index of the named sheet, -1 when the reference names none
    int col = 0;
    int row = 0;
};

// Index of the sheet whose GridName equals name exactly; the last match wins.
int FindSheetExact(const Workbook& workbook, std::string_view name);

// Throws FormulaError on a malformed reference or a handle that names no sheet.
// A Sheet!A1 whose sheet does not exist names no sheet (it is not an error).
// Sheet names are looked up in index when one is given (it must be fresh).
CellReference ParseReference(const Workbook& workbook, std::string_view text, TraceSink* trace = nullptr,
                             const SheetIndex* index = nullptr);

}  // namespace spf
