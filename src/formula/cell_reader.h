// What a formula reads from a cell: the value text RANGE gives, with the
// calculated cell recorded as a dependant of the cell read.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "formula/evaluation_context.h"

namespace spf {

class CellReader {
public:
    explicit CellReader(EvaluationContext& context);

    // The cell's Val (without a leading "=" of a formula cell), or the text
    // it shows when it has no properties; trimmed, "0" when empty. The cell
    // must exist. The text is valid until the next read.
    std::string_view Read(int sheet, int col, int row);

private:
    EvaluationContext& context_;
    std::optional<TReference> dependant_;
    // Where the dependant stood in the Ref of the cell read last: the cells
    // of one range list their readers in the same order.
    size_t hint_ = 0;
    std::string shown_;
};

}  // namespace spf
