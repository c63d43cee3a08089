// The income-tax rows of nota_10 hold whole units: after a cell of such a row
// is calculated, the amount in column E of that row is rounded.
#pragma once

#include "model/sheet.h"

namespace spf {

// The column whose amount the rule rounds (E).
inline constexpr int kNota10AmountColumn = 5;

// Whether the rule rounds the E cell of the row: rows Rows-6, Rows-5 and
// Rows-2 of the sheet named nota_10, when that cell is not editable.
bool Nota10RuleApplies(const TSheet& sheet, int row);

// Where the rule applies, Val and the shown text of the E cell are rounded
// where each holds an amount; what is not an amount stays as it was.
void ApplyNota10Rule(TSheet& sheet, int row);

}  // namespace spf
