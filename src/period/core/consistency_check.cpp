#include "period/core/consistency_check.h"

#include <cstdlib>

#include "model/workbook.h"
#include "period/core/consistency_rules.h"
#include "period/core/sheet_figures.h"

namespace spf {

std::optional<int64_t> Disagreement::Difference() const {
    if (!expected || !actual) return std::nullopt;
    return *actual - *expected;
}

Figure FigureOf(const Workbook& workbook, std::string_view sheet, int col, const std::string& prefix) {
    Figure f;
    f.grid = workbook.FindGrid(std::string(sheet));
    f.sheet = sheet;
    f.col = col;
    if (f.grid) f.row = RowStartingWith(*f.grid, prefix);
    return f;
}

void Findings::Equal(const std::string& rule, const Figure& expected, const Figure& actual) {
    if (!expected.Found()) return;
    Equal(rule, AmountAt(*expected.grid, expected.col, expected.row), actual);
}

void Findings::Equal(const std::string& rule, std::optional<int64_t> expected, const Figure& actual) {
    if (!actual.Found() || !actual.grid->Contains(actual.col, actual.row)) return;
    const std::optional<int64_t> value = AmountAt(*actual.grid, actual.col, actual.row);
    // A figure that is no amount is reported once, by the check of failed formulas.
    if (!expected || !value || *expected == *value) return;
    Add({actual.sheet, actual.col, actual.row, rule, expected, value, {}});
}

std::vector<Disagreement> CheckConsistency(const Workbook& workbook) {
    Findings findings;
    CheckStatements(workbook, findings);
    CheckNoteRows(workbook, findings);
    CheckNoteReferences(workbook, findings);
    CheckCellValues(workbook, findings);
    return findings.Take();
}

std::string AmountText(int64_t hundredths, char point) {
    const uint64_t magnitude =
        hundredths < 0 ? 0 - static_cast<uint64_t>(hundredths) : static_cast<uint64_t>(hundredths);
    std::string cents = std::to_string(magnitude % 100);
    if (cents.size() < 2) cents.insert(0, "0");
    return (hundredths < 0 ? "-" : "") + std::to_string(magnitude / 100) + point + cents;
}

std::string HundredthsValueAsAmount(const std::string& value, char point) {
    size_t i = value.empty() || (value[0] != '-' && value[0] != '+') ? 0 : 1;
    const size_t digitsStart = i;
    while (i < value.size() && value[i] >= '0' && value[i] <= '9') ++i;
    const size_t intEnd = i;
    if (intEnd == digitsStart) return value;
    std::string fraction;
    if (i < value.size() && value[i] == ',') {
        for (++i; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) fraction += value[i];
    }
    if (i != value.size()) return value;
    std::string digits = value.substr(digitsStart, intEnd - digitsStart);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    const std::string whole = digits.substr(0, digits.size() - 2);
    std::string decimals = digits.substr(digits.size() - 2) + fraction;
    const std::string sign = value[0] == '-' ? "-" : "";
    return sign + whole + point + decimals;
}

}  // namespace spf
