#include <cmath>
#include <numbers>

#include "formula/expression/builtin_functions.h"
#include "formula/expression/float_checks.h"

namespace spf::expr {

bool TMathExpression::ParametersValid() {
    switch (function_) {
        case MathFunction::Pi:
            return true;  // parameters are not looked at
        case MathFunction::Power:
            return ParameterCount() == 2 && Param(0).ReadableAs(ValueType::Float) &&
                   Param(1).ReadableAs(ValueType::Float);
        default:
            return ParameterCount() == 1 && Param(0).ReadableAs(ValueType::Float);
    }
}

ValueType TMathExpression::ResultType() const {
    return function_ == MathFunction::Trunc || function_ == MathFunction::Round ? ValueType::Integer
                                                                                : ValueType::Float;
}

double TMathExpression::FloatValue() const {
    if (ResultType() != ValueType::Float) return TExpression::FloatValue();
    if (function_ == MathFunction::Pi) return std::numbers::pi;
    const double x = Param(0).FloatValue();
    // Beyond 2^63 the argument has no meaningful phase left.
    const bool hugeAngle = std::fabs(x) >= 9223372036854775808.0;
    switch (function_) {
        case MathFunction::Abs:
            return std::fabs(x);
        case MathFunction::ArcTan:
            return std::atan(x);
        case MathFunction::Cos:
            return hugeAngle ? 0 : std::cos(x);
        case MathFunction::Sin:
            return hugeAngle ? 0 : std::sin(x);
        case MathFunction::Exp:
            return CheckedFloat(std::exp(x));
        case MathFunction::Frac:
            return x - std::trunc(x);
        case MathFunction::Int:
            return std::trunc(x);
        case MathFunction::Ln:
            return CheckedFloat(x > 0 ? std::log(x) : NAN);
        case MathFunction::Sqr:
            return CheckedFloat(x * x);
        case MathFunction::Sqrt:
            return CheckedFloat(x >= 0 ? std::sqrt(x) : NAN);
        case MathFunction::Power:
            return CheckedPower(x, Param(1).FloatValue());
        default:
            return TExpression::FloatValue();
    }
}

int64_t TMathExpression::IntegerValue() const {
    switch (function_) {
        case MathFunction::Trunc:
            return TruncToInteger(Param(0).FloatValue());
        case MathFunction::Round:
            return TruncToInteger(RoundHalfEven(Param(0).FloatValue()));
        default:
            return TExpression::IntegerValue();
    }
}

}  // namespace spf::expr
