// The texts of numbers as the engine writes them: always with a decimal
// comma, whatever the process locale says.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace spf::expr {

// Below this magnitude a double holds every whole number exactly (2^53),
// so amounts in hundredths add up exactly.
inline constexpr double kExactWholeLimit = 9007199254740992.0;

// The shortest general form with at most 15 significant digits: fixed
// notation for zero and for magnitudes from 0,0001 with at most 15 integer
// digits, otherwise d,dddE-n (no plus sign, no leading zeros in the exponent).
// Below kExactWholeLimit the integer part is always written in full digits,
// so that a whole amount of 16 digits stays exact.
// 3.5 -> "3,5", 1e20 -> "1E20", 1.5e-7 -> "1,5E-7", 1e15 -> "1000000000000000".
std::string NumberText(double value);

// Decimal digits with a leading minus for negatives, no grouping.
std::string IntegerText(int64_t value);

// The value of a whole-number text as the engine reads it: an optional "-"
// before decimal digits whose magnitude is an Integer literal (below 2^63).
// Nothing for any other text.
std::optional<int64_t> WholeNumberValue(std::string_view text);

}  // namespace spf::expr
