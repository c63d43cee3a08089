// The texts of numbers as the engine writes them: always with a decimal
// comma, whatever the process locale says.
#pragma once

#include <cstdint>
#include <string>

namespace spf::expr {

// The shortest general form with at most 15 significant digits: fixed
// notation for zero and for magnitudes from 0,0001 with at most 15 integer
// digits, otherwise d,dddE-n (no plus sign, no leading zeros in the exponent).
// 3.5 -> "3,5", 1e20 -> "1E20", 1.5e-7 -> "1,5E-7".
std::string NumberText(double value);

// Decimal digits with a leading minus for negatives, no grouping.
std::string IntegerText(int64_t value);

}  // namespace spf::expr
