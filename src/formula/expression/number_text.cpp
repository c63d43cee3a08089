#include "formula/expression/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace spf::expr {

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

}  // namespace spf::expr
