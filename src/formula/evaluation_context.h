// The state one open workbook keeps while its formulas are evaluated: the
// cell being calculated (whose reads are recorded as dependants) and the
// default sheet of references that name none.
#pragma once

#include <optional>

#include "formula/range_dependants.h"
#include "formula/range_records.h"
#include "formula/sheet_index.h"
#include "formula/trace_sink.h"
#include "model/dates.h"
#include "model/workbook.h"

namespace spf {

struct CalculatedCell {
    int sheet = 0;  // index in the workbook
    int col = 0;
    int row = 0;

    bool operator==(const CalculatedCell&) const = default;
};

class EvaluationContext {
public:
    EvaluationContext(Workbook& workbook, const Clock& clock) : workbook_(workbook), clock_(clock) {}

    Workbook& workbook() const { return workbook_; }
    const Clock& clock() const { return clock_; }

    // Trace lines of every step; none by default.
    TraceSink* trace = nullptr;
    // None while a formula is evaluated for a check or a query: its reads
    // then record no dependant.
    std::optional<CalculatedCell> calculated;
    int defaultSheet = -1;
    // Depth of the pipeline's own recursion: a cell value that is itself a
    // call re-enters the pipeline, and may do so without end.
    int nesting = 0;
    // Refreshed at the start of every evaluation.
    SheetIndex sheets;
    // The ranges formula cells are known to be recorded on as dependants.
    RangeRecords ranges;
    // The readers of large ranges, kept, like Ref entries, while the workbook is open.
    RangeDependants rangeReaders;

private:
    Workbook& workbook_;
    const Clock& clock_;
};

}  // namespace spf
