// The print-range table: which ranges of which sheets print, and how. A
// Windows-1250 text, one range per line after a heading, cells cut at TABs.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace spf::print {

// A table that cannot be read, or a cell that does not hold what its column
// needs; line is the 1-based line of the file, 0 for the file as a whole.
class PrintTableError : public std::runtime_error {
public:
    PrintTableError(int line, const std::string& reason) : std::runtime_error(reason), line(line) {}
    int line;
};

struct PrintRangeLine {
    int lineNumber = 0;  // in the file, from 1
    std::vector<std::string> cells;

    // A missing cell reads as empty.
    const std::string& Cell(size_t column) const;
    // A decimal integer; throws PrintTableError otherwise.
    int Integer(size_t column) const;
};

struct PrintRangeTable {
    std::vector<PrintRangeLine> lines;  // the heading left out
};

PrintRangeTable ParsePrintRangeTable(std::string_view cp1250Bytes);
// Throws PrintTableError when the file cannot be read.
PrintRangeTable ReadPrintRangeTable(const std::string& path);

}  // namespace spf::print
