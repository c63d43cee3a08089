#include "printing/layout/printed_amounts.h"

#include <charconv>
#include <cstdint>

#include "model/text_utils.h"

namespace spf::print {

namespace {

constexpr std::string_view kEnDash = "\xE2\x80\x93";

// The last n characters of s, cut from it.
std::string CutTail(std::string& s, size_t n) {
    const size_t cut = Utf8Offset(s, Utf8Length(s) - n);
    std::string tail = s.substr(cut);
    s.erase(cut);
    return tail;
}

}  // namespace

std::string GroupThousands(std::string_view text) {
    std::string s(Trim(text));
    const bool decimals = s.find(',') != std::string::npos;
    if (Utf8Length(s) <= (decimals ? 6u : 3u)) return s;
    std::string result = decimals ? CutTail(s, 6) : std::string();
    while (Utf8Length(s) > 3) result = CutTail(s, 3) + " " + result;
    if (!s.empty()) result = s + " " + result;
    return std::string(Trim(result));
}

std::string WholeZloty(std::string_view text) {
    const std::string trimmed(Trim(text));
    const size_t comma = trimmed.find(',');
    if (comma == std::string::npos || Utf8Length(std::string_view(trimmed).substr(comma + 1)) != 2)
        return trimmed;
    std::string s;
    for (char c : trimmed)
        if (c != ' ') s += c;
    const size_t at = s.find(',');
    const std::string_view decimals = std::string_view(s).substr(at + 1);
    const std::string_view whole = std::string_view(s).substr(0, at);
    const bool negative = StartsWith(whole, "-");
    const std::string_view digits = whole.substr(negative ? 1 : 0);
    if (!AllDigits(decimals) || !AllDigits(digits)) return trimmed;
    int64_t value = 0;
    if (!digits.empty() &&
        std::from_chars(digits.data(), digits.data() + digits.size(), value).ec != std::errc())
        return trimmed;
    if (decimals < "50") {
        // Zero has no sign on paper: -0,30 prints 0, not -0.
        if (value == 0) return "0";
        return std::string(whole);
    }
    return std::to_string(negative ? -(value + 1) : value + 1);
}

std::string PrintedAmount(std::string_view text, bool wholeZloty) {
    const std::string_view trimmed = Trim(text);
    std::string s(text);
    if (trimmed.empty())
        s = "0,00";
    else if (trimmed.find(',') == std::string_view::npos && trimmed != "-" && trimmed != kEnDash)
        s += ",00";
    if (wholeZloty) s = WholeZloty(s);
    return GroupThousands(s);
}

}  // namespace spf::print
