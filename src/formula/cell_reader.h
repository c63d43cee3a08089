// What a formula reads from a cell: the value text RANGE gives, with the
// calculated cell recorded as a dependant of the cell read.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "formula/evaluation_context.h"

namespace spf {

// The cell's Val (without a leading "=" of a formula cell), or the text it
// shows when it has no properties; trimmed, "0" when empty. The text lives in
// the cell, or in shown.
std::string_view CellValueText(const Workbook& workbook, const Grid& grid, int col, int row,
                               std::string& shown);

// The calculated cell as a dependant entry, if a cell is being calculated.
std::optional<TReference> CalculatedDependant(const EvaluationContext& context);

class CellReader {
public:
    explicit CellReader(EvaluationContext& context);

    // The value text of an existing cell, recording the dependant. Valid
    // until the next read.
    std::string_view Read(int sheet, int col, int row);

private:
    EvaluationContext& context_;
    std::optional<TReference> dependant_;
    std::string shown_;
};

}  // namespace spf
