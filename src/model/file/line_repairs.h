// Repairs the reader makes to the lines of every file before interpreting
// them: fixed lines of the whole list, the built-in ratio sheet, and the
// per-line rewriting of old option references and unqualified references.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace spf {

// One line to interpret and where it came from: its line number in the
// file, or 0 for a line built into the program.
struct SourceLine {
    std::string_view text;
    int number = 0;
};

// The whole-list repairs: the fixed nota_10 reference, and the file's
// AF_Wskazniki block (from its last GridName line on, "Grid_" prefix or not) replaced by the
// built-in block, which is appended even when the file had none.
void RepairLineList(std::vector<SourceLine>& lines);

// Old option-sheet references become identifiers, and RANGE('C5') read in
// sheet S becomes RANGE('S!C5'). Returns false, leaving out alone, when the
// line needs no change.
bool RewriteLine(std::string_view line, std::string_view currentSheet, std::string& out);

}  // namespace spf
