// Arithmetic guards: C++ arithmetic does not trap, so every floating-point
// result the engine produces passes through these checks.
#pragma once

#include <cstdint>

namespace spf::expr {

// The value itself, or EArithmetic when it is infinite or not a number.
double CheckedFloat(double value);

// left / right, EArithmetic for a zero divisor (0/0 included).
double CheckedDivide(double left, double right);

// exp(exponent * ln(base)), EArithmetic for a base that is zero or negative.
double CheckedPower(double base, double exponent);

// Truncation toward zero, EArithmetic when the result does not fit in 64 bits.
int64_t TruncToInteger(double value);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value);

}  // namespace spf::expr
