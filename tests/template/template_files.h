// The generated template, example and print-range table as the program
// reads them, with small accessors for the checks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/workbook.h"

namespace spf::test {

std::string TemplatePath();
std::string ExamplePath();
std::string PrintTablePath();

// Read through the real reader; the test fails (and the result is empty) on an error.
Workbook LoadTemplate();
Workbook LoadExample();

// Workbook recalculations until nothing changes; false when it never rests.
bool RecalculateToRest(Workbook& workbook, int maxRuns = 12);

const Grid& SheetGrid(const Workbook& workbook, const std::string& name);
const Cell& CellAt(const Workbook& workbook, const std::string& sheet, int col, int row);
const TCellProps& PropsAt(const Workbook& workbook, const std::string& sheet, int col, int row);
// The Val of an amount cell in hundredths; fails the test when it is no integer.
int64_t Amount(const Workbook& workbook, const std::string& sheet, int col, int row);

// The table's lines after the heading, cut at tabs (UTF-8).
std::vector<std::vector<std::string>> PrintTableRows();

// The sheets in the order every statement must have them.
const std::vector<std::string>& CatalogueOrder();

}  // namespace spf::test
