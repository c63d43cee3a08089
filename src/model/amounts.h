// Amounts: hundredths in Val, two decimals after a comma in the grid text,
// thousands groups only when drawn.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/grid.h"

namespace spf {

// A decimal number with the comma as decimal separator: optional sign,
// digits, optional fraction, optional exponent. No spaces, no ".".
std::optional<double> ParseCommaNumber(std::string_view text);

// The amount in hundredths written with exactly two decimals: 123456 -> "1234,56".
std::string FormatHundredths(int64_t hundredths);

// Normalises the amount typed into the grid text of a cell (column > 1, row > 1).
void FormatujLiczbe(Grid& grid, int col, int row);

// The normalised form of one amount text: grid text and Val, or nothing
// when the text is not a number.
struct NormalisedAmount {
    std::string text;
    int64_t hundredths = 0;
};
std::optional<NormalisedAmount> NormaliseAmount(std::string_view text);

// The amount text with thousands groups of three characters, for display.
std::string DodajSeparator(std::string_view text);

}  // namespace spf
