// What one cell of a sheet becomes in the spreadsheet: its value and the
// look the export carries over.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/grid.h"
#include "model/workbook.h"
#include "workbench/core/merged_block.h"

namespace spf {

struct ExportedCell {
    enum class Kind {
        Skipped,  // no properties, a hidden column, or covered by a merged block
        Text,     // text (empty: the look only)
        Amount,   // a number with the amount format
        Number,   // a number shown as it was written (a count, a year, a note number)
    };
    Kind kind = Kind::Skipped;
    std::string text;
    // The shown number in hundredths; an amount cell that shows none (empty,
    // a failed formula) holds 0.
    int64_t hundredths = 0;
    bool merged = false;
    CellBlock block;
    bool top = false, bottom = false, left = false, right = false;
    int indent = 0;
    Alignment alignment = Alignment::Left;
    bool bold = false;
};

// The cell (col, row) of a sheet, as the export writes it.
ExportedCell DescribeCell(const Workbook& workbook, const Grid& grid, int col, int row);

// How the exported cell holds the number a formula of the program reads from
// it, so that a spreadsheet formula may refer to it: 1 as hundredths (an
// amount; an empty cell, read as 0), 0 as it is (a count typed without
// decimals); nothing when it holds anything else.
std::optional<int> ProgramReadingScale(const Workbook& workbook, const Grid& grid, int col, int row);

// The shown text of an amount cell read as hundredths: spaces removed,
// decimal comma; nothing when it is no amount.
std::optional<int64_t> ShownHundredths(const std::string& shown);

}  // namespace spf
