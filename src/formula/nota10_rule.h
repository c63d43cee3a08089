// The income-tax rows of nota_10 hold whole units: after a cell of such a row
// is calculated, the amount in column E of that row is rounded.
#pragma once

#include "model/sheet.h"

namespace spf {

// Applies to rows Rows-6, Rows-5 and Rows-2 of the sheet named nota_10 when
// their E cell is not editable. Val and the shown text are rounded where
// each holds an amount; what is not an amount stays as it was.
void ApplyNota10Rule(TSheet& sheet, int row);

}  // namespace spf
