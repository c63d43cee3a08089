#include "formula/expression/float_checks.h"

#include <cmath>

#include "formula/expression/errors.h"

namespace spf::expr {

double CheckedFloat(double value) {
    if (std::isnan(value)) throw EArithmetic("Invalid floating point operation");
    if (std::isinf(value)) throw EArithmetic("Floating point overflow");
    return value;
}

double CheckedDivide(double left, double right) {
    if (right == 0) {
        throw EArithmetic(left == 0 ? "Invalid floating point operation" : "Floating point division by zero");
    }
    return CheckedFloat(left / right);
}

double CheckedPower(double base, double exponent) {
    // Computed through the logarithm, so the base must be positive.
    if (!(base > 0)) throw EArithmetic("Invalid floating point operation");
    return CheckedFloat(std::exp(exponent * std::log(base)));
}

int64_t TruncToInteger(double value) {
    const double t = std::trunc(value);
    // 2^63 itself does not fit; -2^63 does.
    if (!(t >= -9223372036854775808.0 && t < 9223372036854775808.0)) {
        throw EArithmetic("Invalid floating point operation");
    }
    return static_cast<int64_t>(t);
}

double RoundHalfEven(double value) {
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff < 0.5) return down;
    if (diff > 0.5) return down + 1;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

}  // namespace spf::expr
