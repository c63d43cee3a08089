#include "formula/expression/number_scan.h"

#include <charconv>
#include <system_error>

namespace spf::expr {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Whether an out-of-range number is too small (rather than too large):
// the decimal magnitude of its first significant digit is negative.
bool IsUnderflow(std::string_view text) {
    size_t i = 0;
    long magnitude = 0;
    bool significant = false;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (text[i] != '0') significant = true;
        if (significant) ++magnitude;
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            if (significant) continue;
            if (text[i] != '0')
                significant = true;
            else
                --magnitude;
        }
    }
    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        const bool negative = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            if (exponent < 100000000) exponent = exponent * 10 + (text[i] - '0');
        }
        if (negative) exponent = -exponent;
    }
    return magnitude + exponent <= 0;
}

size_t SkipBlanksAndSign(std::string_view text, bool& negative) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    return i;
}

}  // namespace

FloatScan ScanFloat(std::string_view text, double& value) {
    // from_chars would also take "inf" and "nan"; a number starts with a digit or ".".
    if (text.empty() || !(IsDigit(text[0]) || text[0] == '.')) return FloatScan::Invalid;
    const char* end = text.data() + text.size();
    const auto res = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (res.ptr != end) return FloatScan::Invalid;
    if (res.ec == std::errc::result_out_of_range) {
        if (!IsUnderflow(text)) return FloatScan::Overflow;
        value = 0;
        return FloatScan::Ok;
    }
    return res.ec == std::errc() ? FloatScan::Ok : FloatScan::Invalid;
}

std::optional<int64_t> ScanHex32(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    uint64_t v = 0;
    for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0) return std::nullopt;
        v = v * 16 + static_cast<uint64_t>(d);
        if (v > 0xFFFFFFFFu) return std::nullopt;
    }
    return static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(v)));
}

std::optional<int64_t> ScanIntegerText(std::string_view text) {
    bool negative = false;
    size_t i = SkipBlanksAndSign(text, negative);
    const bool hex = i < text.size() && text[i] == '$';
    if (hex) ++i;
    const std::string_view digits = text.substr(i);
    if (digits.empty()) return std::nullopt;
    uint64_t magnitude = 0;
    const int base = hex ? 16 : 10;
    for (char c : digits) {
        const int d = hex ? HexDigit(c) : (IsDigit(c) ? c - '0' : -1);
        if (d < 0 || magnitude > (UINT64_MAX - static_cast<uint64_t>(d)) / base) return std::nullopt;
        magnitude = magnitude * base + static_cast<uint64_t>(d);
    }
    // Sixteen hex digits are a 64-bit pattern ("$FFFFFFFFFFFFFFFF" is -1);
    // a decimal must fit the signed range.
    if (hex) {
        const uint64_t v = negative ? 0 - magnitude : magnitude;
        return static_cast<int64_t>(v);
    }
    const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
    if (magnitude > limit) return std::nullopt;
    return negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
}

std::optional<double> ScanFloatText(std::string_view text) {
    bool negative = false;
    const size_t i = SkipBlanksAndSign(text, negative);
    double value = 0;
    if (ScanFloat(text.substr(i), value) != FloatScan::Ok) return std::nullopt;
    return negative ? -value : value;
}

}  // namespace spf::expr
