// Whole units for the amounts of the income-tax rows of nota_10.
#pragma once

#include <string>
#include <string_view>

namespace spf {

// "1234,49" -> "1234,00", "1234,5" -> "1235,00". Halves round away from
// zero on both sides: "-1234,5" -> "-1235,00". Throws FormulaError on a
// text that is not an amount.
std::string RoundAmountText(std::string_view text);

}  // namespace spf
