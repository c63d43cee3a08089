// Reading number texts independently of the locale: the Float and hex
// literals of the parser and the FLOAT / INTEGER casts of texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace spf::expr {

enum class FloatScan { Ok, Invalid, Overflow };

// Digits with at most one "." and an optional exponent ("e"/"E", optional
// sign, digits), nothing before or after. A value too small for a double
// reads as 0.
FloatScan ScanFloat(std::string_view text, double& value);

// Hexadecimal digits (either case) as a 32-bit value, sign-extended; nothing
// when there are no digits, another character, or the value needs more than 32 bits.
std::optional<int64_t> ScanHex32(std::string_view digits);

// Optional blanks and sign, then decimal digits or "$" and hex digits, as a
// 64-bit integer; nothing when the text does not convert.
std::optional<int64_t> ScanIntegerText(std::string_view text);

// Optional blanks and sign, then a number as ScanFloat reads it.
std::optional<double> ScanFloatText(std::string_view text);

// Characters 1 to 32 are blanks.
inline bool IsBlank(char c) { return c >= 1 && c <= 32; }

}  // namespace spf::expr
