#include "formula/expression/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace spf::expr {

namespace {

// The exact decimal form of a magnitude from 2^49 upward, where a double is
// a multiple of 1/8 and three decimals hold it exactly.
std::string ExactFixed(double value) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 3);
    std::string text(buf, res.ptr);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    const size_t point = text.find('.');
    if (point != std::string::npos) text[point] = ',';
    return text;
}

}  // namespace

std::string NumberText(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";

    // Scientific form with 15 significant digits gives both the rounded
    // digits and the exponent after rounding (0.99999999999999999 -> 1E0).
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    const std::string_view sci(buf, res.ptr - buf);
    const size_t e = sci.find('e');
    const bool negative = sci.front() == '-';
    std::string digits;
    for (char c : sci.substr(0, e)) {
        if (c >= '0' && c <= '9') digits += c;
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int exponent = std::atoi(std::string(sci.substr(e + 1)).c_str());
    // Fifteen digits would round away the last units of a 16-digit amount.
    if (exponent > 14 && std::fabs(value) < kExactWholeLimit) return ExactFixed(value);

    std::string out = negative ? "-" : "";
    if (exponent >= -4 && exponent <= 14) {
        if (exponent < 0) {
            out += "0,";
            out.append(static_cast<size_t>(-exponent - 1), '0');
            out += digits;
        } else {
            const size_t whole = static_cast<size_t>(exponent) + 1;
            if (digits.size() <= whole) {
                out += digits;
                out.append(whole - digits.size(), '0');
            } else {
                out.append(digits, 0, whole);
                out += ',';
                out.append(digits, whole);
            }
        }
        return out;
    }
    out += digits[0];
    if (digits.size() > 1) {
        out += ',';
        out.append(digits, 1);
    }
    out += 'E';
    out += std::to_string(exponent);
    return out;
}

std::string IntegerText(int64_t value) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

std::optional<int64_t> WholeNumberValue(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    int64_t magnitude = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return negative ? -magnitude : magnitude;
}

}  // namespace spf::expr
