// "Kontrola spójności": every disagreement in a workbook, each with what
// should equal what, both amounts, the difference and the cell. It reads the
// figures as they stand, so it belongs after a workbook recalculation, and
// changes nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace spf {

class Workbook;

struct Disagreement {
    std::string sheet;  // where the disagreement shows
    int col = 0;
    int row = 0;
    std::string rule;  // what should equal what, in Polish
    // In hundredths. An amount is missing where the cell holds none: a
    // failed formula, or an amount finer than the grosz (see value).
    std::optional<int64_t> expected;
    std::optional<int64_t> actual;
    // Where actual is missing: what the cell holds ("###", an amount written
    // with all its decimals, a note reference).
    std::string value;

    std::optional<int64_t> Difference() const;
};

std::vector<Disagreement> CheckConsistency(const Workbook& workbook);

// Hundredths as a decimal text with two decimals: 123456 -> "1234.56" with '.'.
std::string AmountText(int64_t hundredths, char point);

// A value kept in hundredths ("123456,7") as the amount it stands for
// ("1234,567" with ','); other texts as they are.
std::string HundredthsValueAsAmount(const std::string& value, char point);

}  // namespace spf
