// Reading an amount as accountants type or paste it into a cell. The decimal
// digits are brought to whole grosze on the digits themselves, never through
// binary floating point, so 1,015 is 1,02 as written and not as stored.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace spf {

// The amount in hundredths, or nothing when the text is not an amount.
// Read: an optional sign, digits with a decimal comma and an optional
// exponent ("1234,5", "-0,05", "1,5E3"); a dot as the decimal point, other
// dots dropped ("1234.5", "1.234.567.89"); dots as thousands groups
// ("1.234.567,89", "1.234.567"); spaces anywhere, also no-break, narrow
// no-break and thin ones ("1 234,50"); the minus after the number
// ("1234,00-") or the number in parentheses ("(1 234,00)") for a negative
// amount; "zł" or "PLN" before or after it. Digits beyond the grosz are
// rounded, halves to the even grosz. Amounts beyond 64-bit hundredths are
// not read.
std::optional<int64_t> ReadTypedAmount(std::string_view text);

// The text holds nothing but spaces of the kinds above and control characters.
bool IsBlankAmountText(std::string_view text);

}  // namespace spf
