// The print command's assembly: the queue entries of a recalculated workbook
// from the print-range table, in the workbook's sheet order.
#pragma once

#include <functional>

#include "printing/layout/print_queue.h"
#include "printing/layout/print_range_table.h"

namespace spf::print {

// Whether the sheet with this index is ticked for printing; unticked sheets
// get their entries unselected, so ticking them later needs no new reading.
using SheetChecked = std::function<bool(int sheetIndex)>;

// Sets the signature texts from the document header and appends the entries
// of every used sheet the table names. A cell that is not what its column
// needs throws PrintTableError; the entries before its line stay.
void AssemblePrintJob(TPrintQueue& queue, const Workbook& book, const PrintRangeTable& table,
                      const SheetChecked& checked);

}  // namespace spf::print
