// The cells of a range argument read for the calculated cell, column by
// column, with the calculated cell recorded as a dependant of each (of a
// large range, once for the whole range: RangeDependants). When a
// record says the cells list it already, and they are still the same cells,
// nothing is recorded: looking it up among the tens of readers of each of
// thousands of cells would cost more than the reading itself.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "formula/evaluation_context.h"

namespace spf {

// The cells from (left, top) to (right, bottom) of one sheet.
struct CellRange {
    int sheet = -1;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class RangeReader {
public:
    RangeReader(EvaluationContext& context, const CellRange& range);

    // The value text of a cell of the range (as CellValueText), read in
    // order, column by column. Valid until the next read.
    std::string_view Read(int col, int row);

    // The cell just read gives a value the pipeline reduces, which may read
    // cells itself: the cells are recorded as they are read from here on.
    void RecordFromHere();

    // Every cell was read: records the dependant where the cells changed
    // since, and remembers the range.
    void Finish();

    // A failure ends the reading: the cells read so far are recorded.
    void Abandon();

private:
    // Records the dependant in the cells from the first through (col, row),
    // and takes their fingerprint afresh.
    void RecordThrough(int col, int row);
    void RecordIn(int col, int row);

    EvaluationContext& context_;
    CellRange range_;
    Grid& grid_;
    std::optional<TReference> dependant_;
    RangeKey key_;
    size_t formula_ = 0;
    uint64_t expected_ = 0;
    uint64_t fingerprint_ = 0;
    bool checking_ = false;  // reading against a record, recording nothing
    bool indexed_ = false;   // a large range: its reader is listed once for the whole range
    bool remember_ = true;   // no cell needed the pipeline
    size_t hint_ = 0;        // where the dependant stood in the cell before
    int lastCol_ = -1;
    int lastRow_ = -1;
    std::string shown_;
};

}  // namespace spf
