#include "model/amounts.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

#include "model/text_utils.h"
#include "model/typed_amount.h"

namespace spf {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<double> ParseCommaNumber(std::string_view text) {
    size_t i = 0;
    std::string c_form;  // the same number with "." for strtod
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) c_form.push_back(text[i++]);
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        c_form.push_back(text[i++]);
        ++digits;
    }
    if (i < text.size() && text[i] == ',') {
        c_form.push_back('.');
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            c_form.push_back(text[i++]);
            ++digits;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        c_form.push_back('e');
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) c_form.push_back(text[i++]);
        size_t expDigits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            c_form.push_back(text[i++]);
            ++expDigits;
        }
        if (expDigits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    // strtod follows the C locale, which the program never changes.
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(c_form.c_str(), &end);
    if (end != c_form.c_str() + c_form.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string FormatHundredths(int64_t hundredths) {
    const bool negative = hundredths < 0;
    const uint64_t magnitude =
        negative ? 0 - static_cast<uint64_t>(hundredths) : static_cast<uint64_t>(hundredths);
    std::string out = negative ? "-" : "";
    out += std::to_string(magnitude / 100);
    out += ',';
    const auto cents = static_cast<unsigned>(magnitude % 100);
    out += static_cast<char>('0' + cents / 10);
    out += static_cast<char>('0' + cents % 10);
    return out;
}

std::optional<NormalisedAmount> NormaliseAmount(std::string_view text) {
    const auto hundredths = ReadTypedAmount(text);
    if (!hundredths) return std::nullopt;
    return NormalisedAmount{FormatHundredths(*hundredths), *hundredths};
}

AmountReading FormatujLiczbe(Grid& grid, int col, int row) {
    if (col <= 1 || row <= 1 || !grid.Contains(col, row)) return AmountReading::Untouched;
    Cell& cell = grid.At(col, row);
    if (auto amount = NormaliseAmount(cell.Cells)) {
        cell.Cells = amount->text;
        cell.EnsureProps().Val = std::to_string(amount->hundredths);
        return AmountReading::Amount;
    }
    const bool blank = IsBlankAmountText(cell.Cells);
    cell.Cells.clear();
    return blank ? AmountReading::Blank : AmountReading::NotAnAmount;
}

std::string DodajSeparator(std::string_view text) {
    const std::string_view trimmed = Trim(text);
    if (Utf8Length(trimmed) < 7) return std::string(trimmed);
    std::string s(trimmed);
    std::string tail;
    if (s.find(',') != std::string::npos) {
        const size_t cut = Utf8Offset(s, Utf8Length(s) - 6);
        tail = s.substr(cut);
        s.erase(cut);
    }
    while (Utf8Length(s) > 3) {
        const size_t cut = Utf8Offset(s, Utf8Length(s) - 3);
        tail = s.substr(cut) + " " + tail;
        s.erase(cut);
    }
    if (!s.empty()) tail = s + " " + tail;
    return tail;
}

}  // namespace spf
