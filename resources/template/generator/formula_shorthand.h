// Expands the short forms of template formulas into the stored syntax:
// [D7], [Sheet!D7], [$7] (the cell's own column), [$-1 7] (a column to the
// left), [Sheet!@7] (the mapped column) become RANGE('Sheet!D7'); "sum 6..9, 12" becomes a SUM of ranges.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace spf::tmpl {

// The column letter of a grid column (A is column 1).
std::string ColumnLetter(int col);
// The grid column of a single letter (A is 1), or nothing.
std::optional<int> ColumnOfLetter(const std::string& letter);

// The sheet a formula belongs to, and for [Sheet!@7] the column another
// sheet is read in from each column of this one (the analysis sheets read a
// statement's D from their C).
struct FormulaContext {
    std::string sheet;
    std::map<int, int> readCols;
};

// Throws std::invalid_argument on a malformed short form.
std::string ExpandFormula(const std::string& formula, const FormulaContext& context, int col);

// "6..9, 12" in column col -> "=SUM(RANGE('S!D6'):RANGE('S!D9'),RANGE('S!D12'))".
std::string SumFormula(const std::string& rows, const FormulaContext& context, int col);

}  // namespace spf::tmpl
