// Reading documents for the subcommands and naming cells in their output.
#pragma once

#include <string>

#include "model/workbook.h"

namespace spf::cli {

// Loads a document as the application does (every repair and post-load
// step, no recalculation); throws Failure naming the file, line and reason.
Workbook LoadDocument(const std::string& path);

// "SHEET!D42": column letter (A is column 1) and row number.
std::string CellName(const std::string& sheet, int col, int row);

// The folder of the running executable, where the shipped files lie.
std::string ProgramFolder();

}  // namespace spf::cli
