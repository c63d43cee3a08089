#include "formula/expression/builtin_functions.h"

#include <array>

namespace spf::expr {
namespace {

template <size_t N>
int IndexOf(const std::array<std::string_view, N>& names, std::string_view name) {
    for (size_t i = 0; i < N; ++i) {
        if (names[i] == name) return static_cast<int>(i);
    }
    return -1;
}

// By position: the cast targets follow the ValueType codes, the math and
// string names the order of MathFunction and StringFunction.
constexpr std::array<std::string_view, 6> kCasts = {"OBJECT",  "STRING",     "FLOAT",
                                                    "INTEGER", "ENUMERATED", "BOOLEAN"};
constexpr std::array<std::string_view, 14> kMath = {"TRUNC", "ROUND", "ABS",  "ARCTAN", "COS",
                                                    "EXP",   "FRAC",  "INT",  "LN",     "PI",
                                                    "SIN",   "SQR",   "SQRT", "POWER"};
constexpr std::array<std::string_view, 5> kStrings = {"UPPER", "LOWER", "COPY", "POS", "LENGTH"};

}  // namespace

ValueRef MakeBuiltinFunction(std::string_view name, std::unique_ptr<TParameterList>& parameters) {
    if (name == "IF") return std::make_shared<TConditional>(std::move(parameters));
    if (const int i = IndexOf(kCasts, name); i >= 0) {
        return std::make_shared<TTypeCast>(static_cast<ValueType>(i), std::move(parameters));
    }
    if (const int i = IndexOf(kMath, name); i >= 0) {
        return std::make_shared<TMathExpression>(static_cast<MathFunction>(i), std::move(parameters));
    }
    if (const int i = IndexOf(kStrings, name); i >= 0) {
        return std::make_shared<TStringExpression>(static_cast<StringFunction>(i), std::move(parameters));
    }
    return nullptr;
}

}  // namespace spf::expr
