// Repairs the reader makes to the lines of every file before interpreting
// them: a fixed line, the place of the built-in ratio sheet, and the
// per-line rewriting of old option references and unqualified references.
#pragma once

#include <string>
#include <string_view>

namespace spf {

// The fixed nota_10 reference of every file; the line itself when it is not that.
std::string_view RepairFixedLine(std::string_view line);

// Where the file's AF_Wskazniki block starts: the start of the last line that
// names it ("Grid_" prefix or not), or npos. From there on the file's lines give
// way to the built-in block, which is appended even when the file had none.
size_t RatioSheetStart(std::string_view text);

// Old option-sheet references become identifiers, and RANGE('C5') read in
// sheet S becomes RANGE('S!C5'). Returns false, leaving out alone, when the
// line needs no change.
bool RewriteLine(std::string_view line, std::string_view currentSheet, std::string& out);

}  // namespace spf
