#include "formula/round_amount.h"

#include <charconv>
#include <cstdint>

#include "formula/formula_error.h"
#include "model/text_utils.h"

namespace spf {

std::string RoundAmountText(std::string_view text) {
    std::string t;
    for (char c : Trim(text))
        if (c != ' ') t.push_back(c);

    const size_t comma = t.find(',');
    std::string_view whole(t);
    std::string fraction = "00";
    if (comma != std::string::npos) {
        whole = std::string_view(t).substr(0, comma);
        fraction = t.substr(comma + 1, 2);
        fraction.resize(2, '0');
    }
    if (!AllDigits(fraction)) throw FormulaError("not an amount");

    // The sign is kept apart so that "-0,5" still knows it is negative.
    const bool negative = !whole.empty() && whole.front() == '-';
    std::string_view digits = whole;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
    if (digits.empty() || !AllDigits(digits)) throw FormulaError("not an amount");
    int64_t magnitude = 0;
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    if (ec != std::errc() || ptr != digits.data() + digits.size()) throw FormulaError("amount out of range");

    if (fraction >= "50") {
        if (magnitude == INT64_MAX) throw FormulaError("amount out of range");
        ++magnitude;
    }
    std::string rounded = negative && magnitude != 0 ? "-" : "";
    rounded += std::to_string(magnitude);
    rounded += ",00";
    return rounded;
}

}  // namespace spf
