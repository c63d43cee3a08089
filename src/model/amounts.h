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

// What FormatujLiczbe made of a cell's grid text.
enum class AmountReading {
    Untouched,    // the margin column, the first row or outside the grid: left as it was
    Amount,       // read: the grid text and Val hold the normalised amount
    Blank,        // nothing but spaces: the grid text is emptied
    NotAnAmount,  // a text that is not an amount: the grid text is emptied
};

// Normalises the amount typed into the grid text of a cell (column > 1, row > 1).
// Val is set only when the text is an amount.
AmountReading FormatujLiczbe(Grid& grid, int col, int row);

// The normalised form of one amount text (see ReadTypedAmount for the forms
// read): grid text and Val, or nothing when the text is not an amount.
struct NormalisedAmount {
    std::string text;
    int64_t hundredths = 0;
};
std::optional<NormalisedAmount> NormaliseAmount(std::string_view text);

// The amount text with thousands groups of three characters, for display.
std::string DodajSeparator(std::string_view text);

}  // namespace spf
