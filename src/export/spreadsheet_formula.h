// A cell formula rewritten so that a spreadsheet computes the figure the
// program shows. The program calculates in hundredths and cuts every
// intermediate result at its decimal comma; the spreadsheet holds whole
// units. Each part of the formula therefore carries its scale (the power of
// 100 between the program's number and the sheet's) and whether the program
// would have cut it, and the rewrite adds the conversions and TRUNCs needed.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/dates.h"
#include "model/workbook.h"

namespace spf {

// How the spreadsheet cell for (sheet, col, row) holds the number the
// program reads from it: 1 when it holds the reading / 100 (an amount in
// hundredths, or an empty cell read as 0), 0 when it holds the reading itself
// (a count typed as it is); nothing when it holds something else.
using ReadsAsProgram = std::function<std::optional<int>(int sheet, int col, int row)>;

// The spreadsheet formula (with its leading "=") for the formula of an
// amount cell of sheet, or nothing when the spreadsheet could not compute
// the same figure: a construct it cannot mirror, a text result, a reference
// to the options sheet or to a cell that holds something else there.
std::optional<std::string> FormulaForExport(const Workbook& workbook, const Clock& clock, int sheet,
                                            std::string_view formula, const ReadsAsProgram& readsAsProgram);

}  // namespace spf
