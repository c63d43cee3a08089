// One line of the print-range table and its text form.
#pragma once

#include <string>
#include <vector>

namespace spf::tmpl {

struct PrintRange {
    std::string sheet;
    std::string caption = "B2";
    std::string caption2 = "B3";
    int firstCol = 2;
    int firstRow = 4;
    int lastCol = 0;
    int lastRow = -1;  // negative: counted from the end of the sheet
    std::string comment;
    std::string repeat;
    std::string orient = "v";
    bool newPage = false;
    std::string kinds;
    std::string stamp;
    std::string sign;
};

// Applies "key=value" tokens of a print directive; throws std::invalid_argument.
void ApplyPrintKeys(PrintRange& range, const std::vector<std::string>& tokens);

// The heading line of the table.
std::string PrintTableHeading();
// The tab-separated line (UTF-8; the table file is converted to Windows-1250).
std::string PrintTableLine(const PrintRange& range);

}  // namespace spf::tmpl
