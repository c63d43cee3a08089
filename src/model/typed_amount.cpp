#include "model/typed_amount.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "model/text_utils.h"

namespace spf {

namespace {

// Spaces dropped wherever they stand: the plain one and the no-break,
// narrow no-break and thin spaces that spreadsheets and word processors put
// between thousands groups.
constexpr std::array<std::string_view, 4> kSpaces = {" ", "\xC2\xA0", "\xE2\x80\xAF", "\xE2\x80\x89"};
constexpr std::string_view kMinusSign = "\xE2\x88\x92";  // the typeset minus
constexpr std::array<std::string_view, 5> kCurrencies = {"zł", "Zł", "ZŁ", "PLN", "pln"};
// Far beyond any digit count a text can hold; keeps the arithmetic on
// positions clear of overflow.
constexpr long long kExponentLimit = 1'000'000;

size_t SpaceLength(std::string_view rest) {
    for (std::string_view space : kSpaces)
        if (rest.starts_with(space)) return space.size();
    return 0;
}

// The text without spaces, the typeset minus as "-".
std::string Compact(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const std::string_view rest = text.substr(i);
        if (const size_t space = SpaceLength(rest)) {
            i += space;
        } else if (rest.starts_with(kMinusSign)) {
            out.push_back('-');
            i += kMinusSign.size();
        } else {
            out.push_back(text[i++]);
        }
    }
    return out;
}

bool DropCurrency(std::string_view& text) {
    for (std::string_view currency : kCurrencies) {
        if (text.starts_with(currency)) {
            text.remove_prefix(currency.size());
            return true;
        }
        if (text.ends_with(currency)) {
            text.remove_suffix(currency.size());
            return true;
        }
    }
    return false;
}

struct SignedText {
    bool negative = false;
    std::string_view magnitude;
};

// One sign at most: in front, a minus behind, or parentheses around the
// number as statements print losses; the currency inside or outside them.
SignedText SplitSign(std::string_view text) {
    const bool hadCurrency = DropCurrency(text);
    if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
        text = text.substr(1, text.size() - 2);
        if (!hadCurrency) DropCurrency(text);
        return {true, text};
    }
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        return {text.front() == '-', text.substr(1)};
    if (!text.empty() && text.back() == '-') return {true, text.substr(0, text.size() - 1)};
    return {false, text};
}

// "1.234.567": a first group of one to three digits that does not start
// with 0, then groups of three, each after a dot.
bool DotGrouped(std::string_view text) {
    size_t dot = text.find('.');
    if (dot == std::string_view::npos || dot == 0 || dot > 3 || text.front() == '0') return false;
    while (dot != std::string_view::npos) {
        const size_t next = text.find('.', dot + 1);
        const size_t end = next == std::string_view::npos ? text.size() : next;
        if (end - dot - 1 != 3) return false;
        dot = next;
    }
    return true;
}

std::string WithoutDots(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != '.') out.push_back(c);
    return out;
}

// The mantissa's digits with the count of those before the decimal point.
struct Digits {
    std::string digits;
    long long wholeCount = 0;
};

std::optional<Digits> ReadMantissa(std::string_view text) {
    const size_t comma = text.find(',');
    if (comma != std::string_view::npos && text.find(',', comma + 1) != std::string_view::npos)
        return std::nullopt;
    const size_t dots = static_cast<size_t>(std::count(text.begin(), text.end(), '.'));
    std::string whole;
    std::string_view fraction;
    if (dots == 0 || (comma != std::string_view::npos && DotGrouped(text.substr(0, comma)))) {
        // A decimal comma, dots only between thousands groups before it.
        whole = WithoutDots(text.substr(0, comma));
        if (comma != std::string_view::npos) fraction = text.substr(comma + 1);
    } else if (comma != std::string_view::npos) {
        return std::nullopt;
    } else if (dots >= 2 && DotGrouped(text)) {
        // "1.234.567" is a whole amount in groups: read with the last dot as
        // the decimal point it would be a thousandth of it. A single dot
        // ("1.234", "1.5") stays the decimal point it always was.
        whole = WithoutDots(text);
    } else {
        // The last dot is the decimal point; earlier ones only split groups.
        const size_t point = text.rfind('.');
        whole = WithoutDots(text.substr(0, point));
        fraction = text.substr(point + 1);
    }
    if (!AllDigits(whole) || !AllDigits(fraction) || whole.size() + fraction.size() == 0) return std::nullopt;
    return Digits{whole + std::string(fraction), static_cast<long long>(whole.size())};
}

std::optional<long long> ReadExponent(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !AllDigits(text)) return std::nullopt;
    long long value = 0;
    for (char c : text) value = std::min(value * 10 + (c - '0'), kExponentLimit);
    return negative ? -value : value;
}

// The digits as whole hundredths: those past the grosz are rounded on the
// digits, halves to the even grosz.
std::optional<int64_t> ToHundredths(const Digits& d, long long exponent) {
    constexpr uint64_t kMax = INT64_MAX;
    const auto count = static_cast<long long>(d.digits.size());
    const long long end = d.wholeCount + exponent + 2;  // digits up to here are whole hundredths
    uint64_t magnitude = 0;
    for (long long i = 0; i < end; ++i) {
        if (i >= count && magnitude == 0) break;  // zeros appended to zero
        const unsigned digit = i < count ? static_cast<unsigned>(d.digits[static_cast<size_t>(i)] - '0') : 0;
        if (magnitude > (kMax - digit) / 10) return std::nullopt;
        magnitude = magnitude * 10 + digit;
    }
    if (end >= 0 && end < count) {
        const auto first = static_cast<size_t>(end);
        const char dropped = d.digits[first];
        const bool pastHalf = d.digits.find_first_not_of('0', first + 1) != std::string::npos;
        if (dropped > '5' || (dropped == '5' && (pastHalf || magnitude % 2 == 1))) {
            if (magnitude == kMax) return std::nullopt;
            ++magnitude;
        }
    }
    return static_cast<int64_t>(magnitude);
}

}  // namespace

std::optional<int64_t> ReadTypedAmount(std::string_view text) {
    const std::string compact = Compact(text);
    const SignedText sign = SplitSign(compact);
    const size_t e = sign.magnitude.find_first_of("eE");
    const auto mantissa = ReadMantissa(sign.magnitude.substr(0, e));
    if (!mantissa) return std::nullopt;
    long long exponent = 0;
    if (e != std::string_view::npos) {
        const auto x = ReadExponent(sign.magnitude.substr(e + 1));
        if (!x) return std::nullopt;
        exponent = *x;
    }
    const auto magnitude = ToHundredths(*mantissa, exponent);
    if (!magnitude) return std::nullopt;
    return sign.negative ? -*magnitude : *magnitude;
}

bool IsBlankAmountText(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        if (const size_t space = SpaceLength(text.substr(i))) {
            i += space;
        } else if (static_cast<unsigned char>(text[i]) < ' ') {
            ++i;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace spf
